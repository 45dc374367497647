// Off-screen drawing: a 32-bit DIB the size of the control, drawn with GDI for
// text and with our own anti-aliased shapes, then copied to the window at once
// (no flicker, and rounded corners without GDI's jagged edges).
#pragma once

#include <windows.h>

namespace skinh {

struct Fill {
  COLORREF top;
  COLORREF bottom;  // vertical gradient from top to bottom
  bool gloss;       // a lighter band over the upper half
};

class Canvas {
 public:
  Canvas(HDC target, int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool ok() const { return pixels_ != nullptr; }
  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void FillSolid(const RECT& r, COLORREF colour);
  void FillBrush(const RECT& r, HBRUSH brush);
  // A rounded rectangle: a border band of the given width (0 for none) and an
  // inside filled with fill (or left as it is when fill is null).
  void RoundRect(const RECT& r, int radius, int border, COLORREF borderColour, const Fill* fill);
  // An outline only, drawn from the left/right edges and the corner arcs, so
  // large panels cost little.
  void Outline(const RECT& r, int radius, int width, COLORREF colour);
  // A focus mark: every other dot of a band dot pixels wide just inside r is
  // inverted, as DrawFocusRect does with its one-pixel dots.
  void DottedFrame(const RECT& r, int dot);
  // Copies the canvas to (x, y) of target.
  void CopyTo(HDC target, int x, int y) const;

 private:
  void Blend(int x, int y, COLORREF colour, int alpha);  // alpha 0..256

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  DWORD* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

COLORREF Mix(COLORREF a, COLORREF b, int t256);  // a toward b by t/256

}  // namespace skinh
