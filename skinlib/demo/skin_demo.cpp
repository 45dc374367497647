// A window with every control kind that Lornel uses, under one skin, for
// screenshots: skin_demo.exe SKIN.she [--msgbox] [--hold MS] [--scale MILLI]
// Button 2 is hot (the cursor is put on it), 3 held down, 4 disabled, 5 focused.
// With --scale the window is laid out MILLI/1000 times larger and answers the
// library's "SkinH_LayoutScale" question with MILLI, as the program does.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

#include "skinlib/layout_scale_message.h"

namespace {

using AttachFn = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);

constexpr UINT_PTR kHoldTimer = 1;
HWND g_hot = nullptr;
int g_scale = 0;  // thousandths; 0: the window does not answer
UINT g_scaleMessage = 0;

int Scaled(int v) { return g_scale ? (v * g_scale + 500) / 1000 : v; }

HFONT Font(int height) {
  return CreateFontW(-Scaled(height), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"");
}

// Labels as the program paints them: the "default" background looked up at paint time.
LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    wchar_t text[128];
    GetWindowTextW(hwnd, text, 128);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_SETFONT) {
    SetPropW(hwnd, L"font", reinterpret_cast<HANDLE>(wParam));
    return 0;
  }
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(GetPropW(hwnd, L"font"));
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Group boxes pass their children's colour questions on, as the program's panels do.
WNDPROC g_buttonProc = nullptr;
LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_COMMAND:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return CallWindowProcW(g_buttonProc, hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      auto colour =
          static_cast<COLORREF>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
      SetTextColor(dc, colour);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CTLCOLOREDIT: {
      static HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(white);
    }
    case WM_TIMER:
      if (wParam == kHoldTimer) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (message == g_scaleMessage && g_scale) return g_scale;
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           HWND parent, HFONT font, COLORREF colour = 0, DWORD ex = 0) {
  HWND hwnd = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                              Scaled(x), Scaled(y), Scaled(w), Scaled(h), parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  return hwnd;
}

HWND Panel(const wchar_t* caption, DWORD align, int x, int y, int w, int h, HWND parent, HFONT font,
           COLORREF colour) {
  HWND panel = Child(L"Button", caption, BS_GROUPBOX | WS_CLIPCHILDREN | align, x, y, w, h, parent,
                     font, colour, WS_EX_CONTROLPARENT);
  g_buttonProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProc)));
  return panel;
}

void Build(HWND main) {
  HFONT caption = Font(20), big = Font(30), middle = Font(22), small = Font(16);
  const DWORD push = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP;

  HWND info = Panel(L"信息", BS_CENTER, 8, 0, 704, 64, main, caption, RGB(0, 128, 128));
  Child(L"DemoLabel", L"当前组：第一组", 0, 16, 26, 220, 30, info, middle, RGB(0, 0, 128));
  Child(L"DemoLabel", L"倒计时：15", 0, 250, 26, 160, 30, info, middle, RGB(200, 0, 0));
  HWND bar = Child(PROGRESS_CLASSW, L"", 0, 424, 30, 268, 22, info, nullptr, 0, WS_EX_STATICEDGE);
  SendMessageW(bar, PBM_SETRANGE32, 0, 20);
  SendMessageW(bar, PBM_SETPOS, 13, 0);

  HWND board = Panel(L"■题目■", BS_LEFT, 8, 68, 704, 236, main, caption, RGB(128, 0, 128));
  HWND buttons[8];
  for (int i = 0; i < 8; ++i) {
    wchar_t number[4];
    std::swprintf(number, 4, L"%d", i + 1);
    buttons[i] =
        Child(L"Button", number, push, 16 + (i % 4) * 172, 30 + (i / 4) * 100, 160, 90, board, big);
  }
  SendMessageW(buttons[2], BM_SETSTATE, TRUE, 0);
  EnableWindow(buttons[3], FALSE);
  g_hot = buttons[1];
  SetWindowTextW(buttons[6], L"显示\r\n答案");
  SetWindowTextW(buttons[7], L"继续选题");

  HWND groups = Panel(L"■组分■", BS_LEFT, 8, 308, 344, 124, main, caption, RGB(128, 0, 128));
  const wchar_t* names[] = {L"第一组", L"第二组", L"第三组", L"第四组"};
  for (int i = 0; i < 4; ++i) {
    HWND radio =
        Child(L"Button", names[i], BS_AUTORADIOBUTTON | BS_MULTILINE | WS_TABSTOP,
              16 + (i % 2) * 160, 34 + (i / 2) * 42, 150, 36, groups, middle, RGB(0, 0, 128));
    if (i == 1) SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    if (i == 3) EnableWindow(radio, FALSE);
  }

  HWND answer = Panel(L"", BS_LEFT, 360, 308, 352, 124, main, caption, 0);
  HWND edit = Child(L"Edit", L"答案：ABC", ES_AUTOHSCROLL | WS_TABSTOP, 14, 20, 200, 36, answer,
                    middle, 0, WS_EX_CLIENTEDGE);
  (void)edit;
  Child(L"Button", L"确认答案", push, 224, 18, 116, 40, answer, middle);
  Child(L"Button", L"重新选组", push, 224, 70, 116, 40, answer, small);
  Child(L"DemoLabel", L"回答正确！", 0, 14, 70, 200, 40, answer, middle, RGB(0, 128, 0));
  SetFocus(buttons[4]);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  bool messageBox = false;
  int hold = 3000;
  for (int i = 2; i < argc; ++i) {
    if (lstrcmpW(argv[i], L"--msgbox") == 0) messageBox = true;
    if (lstrcmpW(argv[i], L"--hold") == 0 && i + 1 < argc) hold = _wtoi(argv[++i]);
    if (lstrcmpW(argv[i], L"--scale") == 0 && i + 1 < argc) g_scale = _wtoi(argv[++i]);
  }

  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  WNDCLASSW wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"SkinDemo";
  RegisterClassW(&wc);
  wc.lpfnWndProc = LabelProc;
  wc.lpszClassName = L"DemoLabel";
  RegisterClassW(&wc);

  // Skin bytes from the file named on the command line.
  HANDLE file =
      CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  static unsigned char bytes[65536];
  DWORD size = 0;
  if (file != INVALID_HANDLE_VALUE) {
    ReadFile(file, bytes, sizeof(bytes), &size, nullptr);
    CloseHandle(file);
  }
  const wchar_t* slash = wcsrchr(argv[1], L'\\');
  wchar_t title[128];
  std::swprintf(title, 128, L"Lornel skin %ls", slash ? slash + 1 : argv[1]);

  g_scaleMessage = RegisterWindowMessageW(kLayoutScaleMessage);
  // 728 x 470 with the frame; only the inside grows with the scale.
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRect(&frame, style, FALSE);
  const int frameW = frame.right - frame.left, frameH = frame.bottom - frame.top;
  HWND main = CreateWindowExW(0, L"SkinDemo", title, style, 0, 0, Scaled(728 - frameW) + frameW,
                              Scaled(470 - frameH) + frameH, nullptr, nullptr, instance, nullptr);
  Build(main);

  // As the program does: the skin is attached while the window is still hidden.
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (wchar_t* end = wcsrchr(path, L'\\')) lstrcpyW(end + 1, L"SkinH_EL.dll");
  HMODULE library = LoadLibraryW(path);
  auto attach = library ? reinterpret_cast<AttachFn>(
                              reinterpret_cast<void*>(GetProcAddress(library, "SkinH_AttachRes")))
                        : nullptr;
  if (attach) attach(bytes, static_cast<int>(size), "", 0, 0, 0);

  ShowWindow(main, SW_SHOWNORMAL);
  UpdateWindow(main);
  RECT hot;
  GetWindowRect(g_hot, &hot);
  SetCursorPos((hot.left + hot.right) / 2, hot.bottom - 8);
  SetTimer(main, kHoldTimer, static_cast<UINT>(hold), nullptr);
  if (messageBox)
    MessageBoxW(main, L"回答正确！\r\n本组加 10 分。", L"信息：", MB_OK | MB_ICONINFORMATION);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
