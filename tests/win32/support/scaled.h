// Where a control of a scaled window should be: its table rectangle times the
// window's scale, each edge within a pixel of rounding.
#pragma once

#include <windows.h>

#include <string>

#include "ui/display_scale.h"

namespace lornel::test {

bool NearScaled(HWND control, const ui::Rect& table, ui::Scale scale);

// Empty when the screen is what LORNEL_DISPLAY ("WIDTHxHEIGHT@DPI", set by
// scripts/wine-display.sh) asks for, or when it asks nothing; else what differs.
std::string DisplayMismatch();

// The scale a window of the program answers the skin library with.
ui::Scale LayoutScaleOf(HWND top);

}  // namespace lornel::test
