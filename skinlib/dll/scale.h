// The layout scale of the window a control paints in. The skin's own measures
// (radii, borders, focus marks, paddings) grow with it, so that a button at
// 150 % is the same button, only larger.
#pragma once

#include <windows.h>

namespace skinh {

class Scale {
 public:
  static constexpr int kOne = 1000;  // thousandths, as the window answers
  explicit constexpr Scale(int milli = kOne) : milli_(milli) {}
  int milli() const { return milli_; }
  // A measure of m pixels at 96 DPI, rounded half away from zero; a measure
  // that was at least one pixel stays at least one.
  int Px(int m) const {
    if (milli_ == kOne) return m;
    const int scaled = (m * milli_ + (m < 0 ? -kOne / 2 : kOne / 2)) / kOne;
    return m >= 1 && scaled < 1 ? 1 : scaled;
  }

 private:
  int milli_;
};

// Asks hwnd's top-level window (the registered message "SkinH_LayoutScale",
// answered in thousandths). A window that does not answer, such as a message
// box, gets its DPI / 96.
Scale ScaleOf(HWND hwnd);

}  // namespace skinh
