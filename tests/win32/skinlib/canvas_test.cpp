// The skin's rounded rectangles drawn in runs give the very pixels of the
// plain per-pixel drawing they replaced, for any size, radius, border and fill.
#include <windows.h>
#include <gtest/gtest.h>

#include <random>
#include <vector>

// The drawing code itself, built into the test (the DLL exports only its entry).
#include "skinlib/dll/canvas.cpp"

namespace skinh {
namespace {

struct Pixels {
  int w, h;
  std::vector<DWORD> p;
  void Blend(int x, int y, COLORREF colour, int alpha) {
    if (x < 0 || y < 0 || x >= w || y >= h || alpha <= 0) return;
    DWORD& d = p[static_cast<std::size_t>(y * w + x)];
    if (alpha >= 256) {
      d = ToPixel(colour);
      return;
    }
    d = ToPixel(Mix(RGB((d >> 16) & 255, (d >> 8) & 255, d & 255), colour, alpha));
  }
};

// The drawing as it was: every pixel through coverage and blending.
void ReferenceRoundRect(Pixels& px, const RECT& r, int radius, int border, COLORREF borderColour,
                        const Fill* fill) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  radius = Clamp(radius, 0, (w < h ? w : h) / 2);
  border = Clamp(border, 0, (w < h ? w : h) / 2);
  const int innerRadius = radius > border ? radius - border : 0;
  for (int y = Clamp(static_cast<int>(r.top), 0, px.h);
       y < Clamp(static_cast<int>(r.bottom), 0, px.h); ++y) {
    const COLORREF inside = fill ? FillAt(*fill, y, r.top, h) : 0;
    const bool cornerRow = y < r.top + radius || y >= r.bottom - radius;
    for (int x = Clamp(static_cast<int>(r.left), 0, px.w);
         x < Clamp(static_cast<int>(r.right), 0, px.w); ++x) {
      const bool edgeBand = x < r.left + radius || x >= r.right - radius;
      int outer = 256, inner = 256;
      if (cornerRow && edgeBand) {
        outer = RoundRectCoverage(x, y, r.left, r.top, r.right, r.bottom, radius);
        inner = RoundRectCoverage(x, y, r.left + border, r.top + border, r.right - border,
                                  r.bottom - border, innerRadius);
      } else if (x < r.left + border || x >= r.right - border || y < r.top + border ||
                 y >= r.bottom - border) {
        inner = 0;
      }
      if (border > 0) px.Blend(x, y, borderColour, outer - inner);
      if (fill)
        px.Blend(x, y, inside, inner);
      else if (border == 0)
        px.Blend(x, y, borderColour, outer);
    }
  }
}

std::vector<DWORD> Read(const Canvas& cv) {
  std::vector<DWORD> out(static_cast<std::size_t>(cv.width() * cv.height()));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), cv.width(), -cv.height(), 1, 32, BI_RGB};
  GetDIBits(cv.dc(), static_cast<HBITMAP>(GetCurrentObject(cv.dc(), OBJ_BITMAP)), 0,
            static_cast<UINT>(cv.height()), out.data(), &info, DIB_RGB_COLORS);
  return out;
}

void Write(Canvas& cv, const std::vector<DWORD>& pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), cv.width(), -cv.height(), 1, 32, BI_RGB};
  SetDIBits(cv.dc(), static_cast<HBITMAP>(GetCurrentObject(cv.dc(), OBJ_BITMAP)), 0,
            static_cast<UINT>(cv.height()), pixels.data(), &info, DIB_RGB_COLORS);
}

TEST(Canvas, RoundRectInRunsMatchesThePerPixelDrawing) {
  HDC screen = GetDC(nullptr);
  std::mt19937 rng(12);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 400; ++round) {
    SCOPED_TRACE(round);
    const int w = pick(1, 70), h = pick(1, 50);
    Canvas cv(screen, w, h);
    ASSERT_TRUE(cv.ok());
    Pixels ref{w, h, std::vector<DWORD>(static_cast<std::size_t>(w * h))};
    for (DWORD& d : ref.p) d = rng() & 0xFFFFFF;  // what lies beneath must show where untouched
    Write(cv, ref.p);
    // Rectangles inside, across the edges and past the canvas.
    const RECT r{pick(-10, w), pick(-10, h), pick(-10, w + 10), pick(-10, h + 10)};
    const int radius = pick(0, 20), border = pick(0, 6);
    const COLORREF colour = rng() & 0xFFFFFF;
    const Fill fill{static_cast<COLORREF>(rng() & 0xFFFFFF),
                    static_cast<COLORREF>(rng() & 0xFFFFFF), pick(0, 1) == 1};
    const Fill* f = pick(0, 2) ? &fill : nullptr;
    cv.RoundRect(r, radius, border, colour, f);
    ReferenceRoundRect(ref, r, radius, border, colour, f);
    const std::vector<DWORD> got = Read(cv);
    for (int i = 0; i < w * h; ++i)
      ASSERT_EQ(got[static_cast<std::size_t>(i)], ref.p[static_cast<std::size_t>(i)])
          << "pixel " << i % w << "," << i / w << " of " << w << "x" << h << " rect " << r.left
          << "," << r.top << "," << r.right << "," << r.bottom << " radius " << radius << " border "
          << border << (f ? " filled" : " unfilled");
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace skinh
