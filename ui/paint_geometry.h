// Pure geometry and colour rules of the custom-painted kinds, kept apart from
// GDI so that they can be tested natively.
#pragma once

#include <optional>
#include <vector>

#include "ui/kinds.h"

namespace lornel::ui {

// One line of the gradient frame: a row (horizontal) or column of pixels.
struct FrameLine {
  bool horizontal;
  int fixed;     // y of a row, x of a column
  int from, to;  // half-open span along the line
  Colour colour;
};

// The lines that draw a gradient frame of the given width inside a w x h
// client area, and the width actually used (limited to half the size).
// No lines when fewer than two of the three colours are given.
std::vector<FrameLine> GradientFrameLines(const GradientFrame& frame, int w, int h);
int UsedFrameWidth(const GradientFrame& frame, int w, int h);

// Shade at distance step (0 .. width-1) from the outer edge of the band.
Colour GradientShade(const GradientFrame& frame, int step, int width);

// A window's left and top when centred on a screen, by integer division.
constexpr int Centred(int screen, int outer) { return (screen - outer) / 2; }

// Corner ellipse of the notice window's rounded region.
constexpr int CornerDiameter(int outerWidth, int outerHeight) {
  return outerWidth / 5 < outerHeight / 5 ? outerWidth / 5 : outerHeight / 5;
}

}  // namespace lornel::ui
