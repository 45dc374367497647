// Helpers for tests that drive real windows: a message loop that runs for a
// while, and mouse input at a point of the screen.
#pragma once

#include <windows.h>

namespace lornel::test {

// Runs the thread's message loop for the given time.
void Pump(int milliseconds);
// Real mouse input (SendInput): move to the centre of hwnd, press, release.
// The point is computed from hwnd's own rectangle, so whatever lies above it
// there takes the click. top is brought to the foreground first.
void ClickAtCentre(HWND hwnd, HWND top);
void ClickAtScreen(POINT point);

}  // namespace lornel::test
