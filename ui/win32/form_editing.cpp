// What the question editor needs of a window beyond the main window's
// operations: texts in UTF-16, the caption, edit notifications, measuring a
// label's caption, the Open dialog, and holding up a log-off.
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "platform/win32/library.h"
#include "platform/win32/text.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

using GetOpenFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);

// Bound when first asked for, from System32 only: lornel.exe never shows the
// dialog, and importing comdlg32 would load it (and what it pulls in) at
// every start of the program.
GetOpenFileNameFn OpenDialogFunction() {
  static const GetOpenFileNameFn function = [] {
    HMODULE module = LoadSystemLibrary(L"comdlg32.dll");
    return module ? reinterpret_cast<GetOpenFileNameFn>(
                        reinterpret_cast<void*>(GetProcAddress(module, "GetOpenFileNameW")))
                  : nullptr;
  }();
  return function;
}

}  // namespace

std::u16string Win32Form::UnicodeText(int id) const {
  HWND hwnd = controls_[id].hwnd;
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(std::max(GetWindowTextW(hwnd, text.data(), length + 1), 0)));
  return std::u16string(text.begin(), text.end());
}

void Win32Form::SetUnicodeText(int id, std::u16string_view text) {
  const Control& c = controls_[id];
  if (UnicodeText(id) == text) return;
  const std::wstring wide(text.begin(), text.end());
  SetWindowTextW(c.hwnd, wide.c_str());
  // A multi-line edit control sends no EN_CHANGE for WM_SETTEXT; a single-line one does.
  if (c.row->kind == ui::Kind::EditBox && c.row->multiLine) Raise(c, ui::Event::TextChanged);
  if (c.row->kind == ui::Kind::TransLabel) {
    RepaintTransparent(c);
  } else if (c.row->kind == ui::Kind::Label) {
    InvalidateRect(c.hwnd, nullptr, FALSE);
  }
}

void Win32Form::SetWindowCaption(const std::string& caption) {
  SetWindowTextW(hwnd_, Wide(caption).c_str());
}

void Win32Form::OnEditNotification(const Control& c, int code) {
  if (code == EN_SETFOCUS) lastFocusedEdit_ = c.row->id;
  // Sent for typing and for SetWindowText alike, as the in-memory backend does.
  if (code == EN_CHANGE) Raise(c, ui::Event::TextChanged);
}

ui::Form::TextFit Win32Form::MeasureCaption(int id, std::u16string_view text) const {
  const Control& c = controls_[id];
  RECT client;
  GetClientRect(c.hwnd, &client);
  HDC dc = GetDC(c.hwnd);
  HGDIOBJ old = SelectObject(dc, c.font ? c.font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int lineHeight = std::max(1, static_cast<int>(metrics.tmHeight));
  TextFit fit;
  fit.linesShown = (client.bottom - client.top) / lineHeight;
  if (!text.empty()) {
    // The flags the label paints with (ui/win32/paint.cpp), measuring instead.
    const std::wstring wide(text.begin(), text.end());
    RECT needed{0, 0, client.right - client.left, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (c.row->wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
    fit.linesNeeded = std::max(1, static_cast<int>((needed.bottom + lineHeight - 1) / lineHeight));
  }
  SelectObject(dc, old);
  ReleaseDC(c.hwnd, dc);
  return fit;
}

std::optional<std::string> Win32Form::AskOpenPath(const std::string& path) {
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring start = Wide(path);
  if (start.size() < file.size()) std::copy(start.begin(), start.end(), file.begin());
  // Pairs of description and pattern, each ended by a NUL, the list by another.
  std::wstring filter = Wide("题目文件 (*.ini)");
  filter += L'\0';
  filter += L"*.ini";
  filter += L'\0';
  filter += Wide("所有文件 (*.*)");
  filter += L'\0';
  filter += L"*.*";
  filter += L'\0';
  const std::wstring title = Wide("打开题目文件");
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = hwnd_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = L"ini";
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const auto open = OpenDialogFunction();
  if (!open || !open(&dialog)) return std::nullopt;
  const std::wstring chosen(file.data());
  // Paths are GBK inside the program: a name that GBK cannot hold cannot be used.
  const std::string gbk = Gbk(chosen);
  if (Wide(gbk) != chosen) return std::string();
  return gbk;
}

namespace {

// Vista and later: looked up when asked, so that the editor imports nothing
// that Windows 7's user32 would lack and starts wherever it did before.
template <class Fn>
Fn User32Function(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

void StopBlockingShutdown(HWND hwnd) {
  if (auto destroy = User32Function<BOOL(WINAPI*)(HWND)>("ShutdownBlockReasonDestroy"))
    destroy(hwnd);
}

}  // namespace

bool Win32Form::OnEndSessionQuery() {
  const bool ending = destroyed_ || sink_.OnEndSessionQuery();
  if (!ending && !blockingShutdown_) {
    // What Windows shows beside the program while it holds up the log-off.
    if (auto create = User32Function<BOOL(WINAPI*)(HWND, LPCWSTR)>("ShutdownBlockReasonCreate"))
      blockingShutdown_ =
          create(hwnd_, Wide("有未保存的题目，请先保存或放弃修改。").c_str()) != FALSE;
  } else if (ending && blockingShutdown_) {
    StopBlockingShutdown(hwnd_);
    blockingShutdown_ = false;
  }
  return ending;
}

void Win32Form::OnEndSession(bool ending) {
  if (blockingShutdown_) StopBlockingShutdown(hwnd_);
  blockingShutdown_ = false;
  if (!destroyed_) sink_.OnEndSession(ending);
}

}  // namespace lornel::win32
