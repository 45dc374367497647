// Rules of the controls that both backends (Win32 and the in-memory one of the
// tests) must follow alike: limits, radio sets, progress bars, which events a
// binding raises and when setting a text reports a change.
#pragma once

#include <algorithm>

#include "ui/table.h"

namespace lornel::ui::rules {

// A move further out than this is clamped (the window position still has to
// hold the scaled value and the control's own width).
inline constexpr int kMoveLimit = 32627;
// Progress bar numbers are kept in 0..32767, as a 16-bit range holds them.
inline constexpr int kProgressLimit = 32767;

constexpr int ClampMove(int left) { return std::clamp(left, -kMoveLimit, kMoveLimit); }
constexpr int ClampProgress(int value) { return std::clamp(value, 0, kProgressLimit); }

// A range given backwards is the same range.
struct ProgressRange {
  int low, high;
};
constexpr ProgressRange RangeOf(int rangeMin, int rangeMax) {
  return {std::min(rangeMin, rangeMax), std::max(rangeMin, rangeMax)};
}
// What the bar shows of a position: pulled inside the range.
constexpr int ShownPosition(int position, int rangeMin, int rangeMax) {
  const ProgressRange r = RangeOf(rangeMin, rangeMax);
  return std::clamp(position, r.low, r.high);
}

// One radio button checked per parent, whatever group marks say: checking
// `checked` unchecks `other` when this holds.
constexpr bool InSameRadioSet(const Row& checked, const Row& other) {
  return checked.kind == Kind::RadioBox && other.kind == Kind::RadioBox &&
         checked.parent == other.parent && checked.id != other.id;
}

// The row's binding for an event, or nullptr when it answers none of that kind.
constexpr const Binding* BindingOf(const Row& row, Event event) {
  for (const Binding& binding : row.bindings)
    if (binding.event == event && binding.slot != Slot::None) return &binding;
  return nullptr;
}
constexpr bool Raises(const Row& row, Event event) { return BindingOf(row, event) != nullptr; }

// Setting an edit box's text, by the program or the user, is a change to
// report, single-line or multi-line alike.
constexpr bool TextSetReportsChange(const Row& row) { return row.kind == Kind::EditBox; }

}  // namespace lornel::ui::rules
