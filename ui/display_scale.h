// How a window laid out in 96-DPI pixels ("table units") meets a real display:
// one scale per window, pure arithmetic so that tests reach it without Windows.
#pragma once

#include "ui/kinds.h"

namespace lornel::ui {

inline constexpr int kTableDpi = 96;

struct Size {
  int width = 0, height = 0;
  constexpr bool operator==(const Size&) const = default;
};

// A layout scale in thousandths (1000 = the tables' own pixels). Thousandths keep
// the arithmetic exact and are what the skin library is told.
class Scale {
 public:
  static constexpr int kOne = 1000;
  static constexpr int kMin = 500;  // below half size the captions stop being readable

  constexpr Scale() = default;
  static constexpr Scale FromPermille(int permille) { return Scale(permille); }
  constexpr int permille() const { return permille_; }
  constexpr bool IsOne() const { return permille_ == kOne; }
  constexpr bool operator==(const Scale&) const = default;

  // round(v * s), halves away from zero, so that -x scales to -(x scaled).
  constexpr int Of(int v) const {
    const long long p = static_cast<long long>(v) * permille_;
    return static_cast<int>(p >= 0 ? (p + kOne / 2) / kOne : -((-p + kOne / 2) / kOne));
  }
  // Each edge rounded on its own: neighbours that touch in the table still touch.
  constexpr Rect Of(const Rect& r) const {
    const int left = Of(r.left), top = Of(r.top);
    return {left, top, Of(r.right()) - left, Of(r.bottom()) - top};
  }
  // The table value whose scaled value is px (the nearest when none is exact).
  constexpr int Back(int px) const {
    const long long p = static_cast<long long>(px) * kOne;
    int v = static_cast<int>(p >= 0 ? (p + permille_ / 2) / permille_
                                    : -((-p + permille_ / 2) / permille_));
    if (Of(v) != px && Of(v - 1) == px) --v;
    if (Of(v) != px && Of(v + 1) == px) ++v;
    return v;
  }

 private:
  constexpr explicit Scale(int permille) : permille_(permille) {}
  int permille_ = kOne;
};

// A DPI no display has (0, negative, or beyond 10x) is taken as 96.
constexpr int SaneDpi(int dpi) { return dpi > 0 && dpi <= 960 ? dpi : kTableDpi; }

// What decides a window's scale: the DPI of its monitor, that monitor's work
// area (the screen without the taskbar), the frame and title bar the window
// gets at that DPI (outer size minus client size), and its client area in
// table units.
struct Display {
  int dpi = kTableDpi;
  Rect workArea;  // in screen pixels
  Size frame;
};

// DPI / 96, made smaller where the whole window, frame included, would not fit
// the work area; never below half size.
Scale LayoutScale(const Display& display, Size tableClient);

// The window's outer size on that display at that scale.
Size OuterSize(const Display& display, Size tableClient, Scale scale);

// Where a window of that outer size starts. At scale 1 it is centred on the
// screen, as the tables ask, and only pushed back into the work area where a
// taskbar would cover it; a scaled window is centred in the work area, so its
// title bar is always on the screen.
struct Point {
  int x = 0, y = 0;
  constexpr bool operator==(const Point&) const = default;
};
Point StartPosition(Size screen, const Rect& workArea, Size outer, Scale scale);

// Full screen: the client area is the whole monitor and the layout is drawn at
// the largest scale that fits it, centred, the margins left to the background.
// Never smaller than the windowed scale: switching on must not shrink the text
// (on a screen too small for the window, both are the minimum).
struct FullScreenFit {
  Scale scale;
  Point origin;  // where the layout's top-left corner lies in the client area
  constexpr bool operator==(const FullScreenFit&) const = default;
};
FullScreenFit FitFullScreen(Size monitor, Size tableClient, Scale windowed);

}  // namespace lornel::ui
