#include "tests/win32/support/pump.h"

namespace lornel::test {

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    const DWORD now = GetTickCount();
    if (static_cast<int>(end - now) <= 0) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
  }
}

void ClickAtScreen(POINT p, bool right) {
  const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT inputs[3] = {};
  for (INPUT& in : inputs) {
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.x, 65535, w);
    in.mi.dy = MulDiv(p.y, 65535, h);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // The buttons carry the position too: without MOUSEEVENTF_MOVE their dx and dy
  // are ignored, and a move still on its way would leave the press elsewhere.
  inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE |
                         (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  inputs[2].mi.dwFlags =
      MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
  SendInput(1, &inputs[0], sizeof(INPUT));
  Pump(30);
  SendInput(2, &inputs[1], sizeof(INPUT));
  Pump(60);
}

void ClickAtCentre(HWND hwnd, HWND top, bool right) {
  if (top) SetForegroundWindow(top);
  RECT r;
  GetWindowRect(hwnd, &r);
  ClickAtScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, right);
}

}  // namespace lornel::test
