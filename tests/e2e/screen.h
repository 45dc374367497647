// What the screen shows: pixels read back from it, the control a click at a
// point would reach, and the window shots kept for the documentation.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lornel::e2e {

struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> colours;  // row by row from the top
  COLORREF At(int x, int y) const { return colours[static_cast<std::size_t>(y * width + x)]; }
};

// The screen inside a rectangle given in screen coordinates.
Pixels Grab(const RECT& screen);
// A control's whole window rectangle.
Pixels GrabWindow(HWND hwnd);

// The window under a point given in the client coordinates of top.
HWND HitAt(HWND top, POINT client);
// The centre of a control in the client coordinates of its top-level window.
POINT CentreInTop(HWND control);
// True when hit is the panel itself or lies inside it.
bool Within(HWND panel, HWND hit);

// Flushes pending paints of the window and its children, then lets the
// program's thread settle, so that a grab shows the finished picture.
void SettlePaint(HWND top);
// Parks the mouse pointer in the screen's bottom right corner, away from
// every control, so that no button shows its hot look.
void ParkPointer();

// Under Wine, a button that input injected with SendInput left can miss its
// WM_MOUSELEAVE and keep the skin's hot look (a real pointer clears it).
// Hands every button of the window the leave it missed, so that a picture
// shows what a teacher with a mouse would see.
void DropStaleHotLooks(HWND top);

// The folder LORNEL_SCREENSHOTS names (a Unix path is reached through Z:),
// or "" when the variable is unset.
std::wstring ShotFolder();
// Saves the window's rectangle, widened by margin pixels on every side, as
// NAME.bmp in ShotFolder(); does nothing without one.
void ShootWindow(HWND hwnd, const std::wstring& name, int margin = 0);

}  // namespace lornel::e2e
