// The same-work baseline of the start-up: the main window's 132 controls from
// the same table, written as a plain Win32 program would write them. Standard
// classes, the stock GUI font for every control, no skin, no scaling, no
// pictures; the controls are made visible at creation while the window is
// still hidden, then the window is shown and updated as lornel.exe shows its
// own, so the driver's "started" (WaitForInputIdle) means the same moment.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "quiz/main_ids.h"

namespace {

using lornel::ui::Kind;
using lornel::ui::Row;

constexpr wchar_t kTitle[] = L"Lornel bench same work";
constexpr wchar_t kTimerClass[] = L"SameWorkTimer";
constexpr int kFirstId = 1000;

// The tables' captions are GBK.
std::wstring Wide(const char* gbk) {
  const int n = MultiByteToWideChar(936, 0, gbk, -1, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  if (n > 0) MultiByteToWideChar(936, 0, gbk, -1, out.data(), n);
  out.resize(out.size() - 1);
  return out;
}

const wchar_t* ClassOf(Kind kind) {
  switch (kind) {
    case Kind::Button:
    case Kind::RadioBox:
    case Kind::GroupBox:
    case Kind::OptionButton:
      return L"BUTTON";
    case Kind::EditBox:
      return L"EDIT";
    case Kind::ProcessBar:
      return PROGRESS_CLASSW;
    case Kind::Timer:
      return kTimerClass;
    default:
      return L"STATIC";
  }
}

DWORD StyleOf(const Row& row) {
  // Siblings overlap (the start cover lies over everything), so each clips the ones above it.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (row.visible && row.kind != Kind::Timer) style |= WS_VISIBLE;
  if (!row.enabled) style |= WS_DISABLED;
  switch (row.kind) {
    case Kind::Button:
    case Kind::OptionButton:
      return style | BS_PUSHBUTTON | BS_MULTILINE;
    case Kind::RadioBox:
      return style | BS_AUTORADIOBUTTON;
    case Kind::GroupBox:
      return style | BS_GROUPBOX;
    case Kind::EditBox:
      return style | ES_AUTOHSCROLL;
    case Kind::Label:
    case Kind::TransLabel:
      return style | (row.hAlign == lornel::ui::HAlign::Centre ? SS_CENTER : SS_LEFT);
    default:
      return style;
  }
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"LornelBenchSameWork";
  RegisterClassExW(&wc);
  wc.hbrBackground = nullptr;
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = kTimerClass;
  RegisterClassExW(&wc);

  const lornel::ui::Table& table = lornel::quiz::MainTable();
  const int w = table.window.outerWidth, h = table.window.outerHeight;
  // No WS_CLIPCHILDREN: a group box never fills its inside, so the window's own
  // background must show through the panels, as in any plain dialog.
  HWND top = CreateWindowExW(
      0, L"LornelBenchSameWork", kTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
      (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h,
      nullptr, nullptr, instance, nullptr);
  if (!top) return 1;
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  // Rows come parents first; each new child goes below its earlier siblings.
  std::vector<HWND> windows(static_cast<std::size_t>(table.size()));
  for (const Row& row : table.rows) {
    HWND parent = row.parent == lornel::ui::kWindowParent
                      ? top
                      : windows[static_cast<std::size_t>(row.parent)];
    HWND hwnd = CreateWindowExW(
        0, ClassOf(row.kind), Wide(row.caption).c_str(), StyleOf(row), row.rect.left, row.rect.top,
        row.rect.width, row.rect.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + row.id)), instance, nullptr);
    if (!hwnd) return 1;
    windows[static_cast<std::size_t>(row.id)] = hwnd;
    if (row.kind == Kind::Timer) {
      if (row.interval > 0) SetTimer(hwnd, 1, static_cast<UINT>(row.interval), nullptr);
      continue;
    }
    SendMessageW(hwnd, WM_SETFONT, font, FALSE);
    if (row.checked) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  }

  ShowWindow(top, SW_SHOWNORMAL);
  UpdateWindow(top);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
