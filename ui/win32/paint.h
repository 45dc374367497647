// Painting of the program's own kinds: a function of the control's state and
// a device context.
#pragma once

#include <windows.h>

#include "ui/win32/form.h"

namespace lornel::win32 {

void PaintLabel(const Control& control, HDC dc, const RECT& client);
void PaintTransLabel(const Control& control, HDC dc, const RECT& client);
void PaintPicture(const Control& control, HDC dc, const RECT& client);
// The source at the size of r, scaled once per size into copy (a scale
// change or full screen makes a new copy, never one from the last).
void DrawPicture(const ui::Pixels& source, ScaledCopy& copy, HDC dc, const ui::Rect& r,
                 COLORREF background);

}  // namespace lornel::win32
