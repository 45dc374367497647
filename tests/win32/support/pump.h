// Helpers for tests that drive real windows: a message loop that runs for a
// while or until something holds, and mouse input at a point of the screen.
#pragma once

#include <windows.h>

namespace lornel::test {

// Runs the thread's message loop for the given time.
void Pump(int milliseconds);
// Runs the message loop until pred() holds or the timeout passes; returns pred().
template <class Pred>
bool WaitUntil(Pred pred, int timeoutMs) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  while (!pred()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return pred();
    Pump(2);
  }
  return true;
}
// Real mouse input (SendInput): move to the centre of hwnd, press, release
// (the right button when right). The point is computed from hwnd's own
// rectangle, so whatever lies above it there takes the click. top is brought
// to the foreground first.
void ClickAtCentre(HWND hwnd, HWND top, bool right = false);
void ClickAtScreen(POINT point, bool right = false);

}  // namespace lornel::test
