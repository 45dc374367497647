// An option button (Kind::OptionButton): one answer of a choice or true/false
// question, large enough to tap on a classroom board. A chosen, a right and a
// wrongly chosen option differ by their frame and mark as well as by colour,
// so that they read from the back row and for a pupil who does not tell red
// from green. Where each part goes is a pure function of the look, apart
// from GDI (ui/win32/paint_option.cpp draws it).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/display_scale.h"

namespace lornel::ui {

// An option button's state beyond its caption.
struct OptionLook {
  enum class Verdict : std::uint8_t { None, Right, Wrong };
  bool chosen = false;
  Verdict verdict = Verdict::None;  // shown once the answer is uncovered
  constexpr bool operator==(const OptionLook&) const = default;
};

enum class OptionMark : std::uint8_t { None, Dot, Tick, Cross };

// How an option button is painted, in device pixels of its client area.
struct OptionPaint {
  Colour face, frame, mark;
  int frameWidth;
  OptionMark shape;
  Rect markBox, textBox;
};

OptionPaint PlanOption(Size client, OptionLook look, bool pressed, Scale scale);

// A mark as strokes (polylines) inside its box, drawn with a pen this wide.
std::vector<std::vector<Point>> MarkStrokes(OptionMark shape, const Rect& box);
int MarkPenWidth(const Rect& box);

// A caption wraps inside its box and shrinks, in steps, from the row's font
// height down to this and no further: the height of the question text, which
// the back row has to read anyway. Below it the caption is cut off, and the
// editor warns of such an option.
inline constexpr int kSmallestOptionFont = 24;
// The largest height from `largest` down to kSmallestOptionFont at which
// fits(height) holds; the smaller of the two when none does.
int FitOptionFont(int largest, const std::function<bool(int height)>& fits);

}  // namespace lornel::ui
