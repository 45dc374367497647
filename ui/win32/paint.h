// Painting of the program's own kinds: a function of the control's state and
// a device context.
#pragma once

#include <windows.h>

#include "ui/win32/form.h"

namespace lornel::win32 {

void PaintLabel(const Control& control, HDC dc, const RECT& client);
void PaintTransLabel(const Control& control, HDC dc, const RECT& client);
void PaintPicture(const Control& control, HDC dc, const RECT& client);

}  // namespace lornel::win32
