// How each kind of control looks under the current theme. Each painter draws
// the whole control (or its frame) from the window's own state at paint time.
#pragma once

#include <windows.h>

#include "skinlib/dll/theme.h"

namespace skinh {

struct Looks {
  bool hot;  // the mouse is over the control
};

// Push buttons, radio buttons, check boxes and group boxes (class "Button").
// False when the style is one we leave to the system (owner-drawn, pictures).
bool SkinsButtonStyle(HWND hwnd);
void PaintButton(HWND hwnd, HDC target, const Theme& theme, const Looks& looks);
// Group boxes without clipping can only draw their frame over what lies beneath.
bool GroupBoxFillsInside(HWND hwnd);

// The border of an edit box (its inside is the edit control's own).
void PaintEditFrame(HWND hwnd, const Theme& theme);
// Progress bars in blocks (or smooth with PBS_SMOOTH); marquee bars are left alone.
bool SkinsProgressStyle(HWND hwnd);
void PaintProgress(HWND hwnd, HDC target, const Theme& theme);
void PaintProgressFrame(HWND hwnd, const Theme& theme);

// Windows and dialogs: fills the client area when the class background is a
// system colour that the skin stands in for. False when it does not apply.
bool EraseContainer(HWND hwnd, HDC dc, const Theme& theme);
// Replaces a default WM_CTLCOLOR* answer (null or a system brush) by the skin's.
LRESULT FilterControlColour(HWND child, HDC dc, LRESULT answer, const Theme& theme);

}  // namespace skinh
