// The baseline of the bench: one window of the main window's size with one
// button, shown and updated as lornel.exe shows its own, then the message loop.
//   baseline.exe                 start-up and memory
//   baseline.exe idle-timer      plus one 1000 ms timer (idle CPU)
//   baseline.exe fifteen-timers  plus fifteen 1 ms timers, each disabling a button of its own
#include <windows.h>

#include <cwchar>

namespace {

constexpr int kTimers = 15;
HWND g_buttons[kTimers + 1] = {};
int g_mode = 0;  // 0 plain, 1 idle timer, 15 fifteen timers

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      // Timer ids 1..15 each own button 1..15; id 100 is the idle timer and does nothing.
      if (wParam >= 1 && wParam <= kTimers) EnableWindow(g_buttons[wParam], FALSE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int) {
  if (std::wcsstr(command, L"fifteen-timers"))
    g_mode = kTimers;
  else if (std::wcsstr(command, L"idle-timer"))
    g_mode = 1;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"LornelBenchBaseline";
  RegisterClassExW(&wc);

  const int w = 1203, h = 773;
  HWND top = CreateWindowExW(0, wc.lpszClassName, L"Lornel bench baseline",
                             WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                             (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                             (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, nullptr, nullptr,
                             instance, nullptr);
  if (!top) return 1;
  const int buttons = g_mode == kTimers ? kTimers : 1;
  for (int i = 1; i <= buttons; ++i) {
    g_buttons[i] =
        CreateWindowExW(0, L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                        16 + (i - 1) % 5 * 150, 16 + (i - 1) / 5 * 60, 140, 50, top,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + i)), instance, nullptr);
  }
  if (g_mode == 1) SetTimer(top, 100, 1000, nullptr);
  if (g_mode == kTimers)
    for (UINT_PTR id = 1; id <= kTimers; ++id) SetTimer(top, id, 1, nullptr);

  ShowWindow(top, SW_SHOWNORMAL);
  UpdateWindow(top);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
