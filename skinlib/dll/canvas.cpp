#include "skinlib/dll/canvas.h"

namespace skinh {
namespace {

// Pixels of the DIB are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
DWORD ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// Coverage (0..256) of the pixel whose centre is (px, py) by a disc of radius r
// around (cx, cy), from 4 x 4 samples: enough for edges one pixel wide.
int DiscCoverage(float px, float py, float cx, float cy, float r) {
  if (r <= 0) return 0;
  int inside = 0;
  const float r2 = r * r;
  for (int sy = 0; sy < 4; ++sy) {
    const float dy = py - 0.375f + sy * 0.25f - cy;
    for (int sx = 0; sx < 4; ++sx) {
      const float dx = px - 0.375f + sx * 0.25f - cx;
      if (dx * dx + dy * dy <= r2) ++inside;
    }
  }
  return inside * 16;
}

// Coverage of pixel (x, y) by the rounded rectangle [l, t, r, b) with radius rad.
int RoundRectCoverage(int x, int y, int l, int t, int r, int b, int rad) {
  if (x < l || x >= r || y < t || y >= b) return 0;
  if (rad <= 0) return 256;
  const float fx = x + 0.5f, fy = y + 0.5f;
  float cx, cy;
  if (fx < l + rad)
    cx = static_cast<float>(l + rad);
  else if (fx > r - rad)
    cx = static_cast<float>(r - rad);
  else
    return 256;
  if (fy < t + rad)
    cy = static_cast<float>(t + rad);
  else if (fy > b - rad)
    cy = static_cast<float>(b - rad);
  else
    return 256;
  return DiscCoverage(fx, fy, cx, cy, static_cast<float>(rad));
}

COLORREF FillAt(const Fill& fill, int y, int top, int height) {
  const int span = height > 1 ? height - 1 : 1;
  COLORREF c = Mix(fill.top, fill.bottom, Clamp((y - top) * 256 / span, 0, 256));
  if (fill.gloss && y - top < height / 2) c = Mix(c, RGB(255, 255, 255), 64);
  return c;
}

}  // namespace

COLORREF Mix(COLORREF a, COLORREF b, int t) {
  auto ch = [t](int x, int y) { return x + (y - x) * t / 256; };
  return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
             ch(GetBValue(a), GetBValue(b)));
}

Canvas::Canvas(HDC target, int width, int height) {
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(target);
  if (!dc_) return;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) return;
  oldBitmap_ = SelectObject(dc_, bitmap_);
  pixels_ = static_cast<DWORD*>(bits);
  width_ = width;
  height_ = height;
}

Canvas::~Canvas() {
  if (dc_ && oldBitmap_) SelectObject(dc_, oldBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void Canvas::FillSolid(const RECT& r, COLORREF colour) {
  GdiFlush();
  const DWORD p = ToPixel(colour);
  const int l = Clamp(r.left, 0, width_), rr = Clamp(r.right, 0, width_);
  for (int y = Clamp(r.top, 0, height_); y < Clamp(r.bottom, 0, height_); ++y)
    for (int x = l; x < rr; ++x) pixels_[y * width_ + x] = p;
}

void Canvas::FillBrush(const RECT& r, HBRUSH brush) {
  if (brush) FillRect(dc_, &r, brush);
}

void Canvas::Blend(int x, int y, COLORREF colour, int alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  DWORD& p = pixels_[y * width_ + x];
  if (alpha >= 256) {
    p = ToPixel(colour);
    return;
  }
  const COLORREF under = RGB((p >> 16) & 255, (p >> 8) & 255, p & 255);
  p = ToPixel(Mix(under, colour, alpha));
}

void Canvas::RoundRect(const RECT& r, int radius, int border, COLORREF borderColour,
                       const Fill* fill) {
  if (!ok()) return;
  GdiFlush();
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  radius = Clamp(radius, 0, (w < h ? w : h) / 2);
  border = Clamp(border, 0, (w < h ? w : h) / 2);
  const int innerRadius = radius > border ? radius - border : 0;
  const DWORD borderPixel = ToPixel(borderColour);
  const int x0 = Clamp(static_cast<int>(r.left), 0, width_);
  const int x1 = Clamp(static_cast<int>(r.right), 0, width_);
  for (int y = Clamp(static_cast<int>(r.top), 0, height_);
       y < Clamp(static_cast<int>(r.bottom), 0, height_); ++y) {
    const COLORREF inside = fill ? FillAt(*fill, y, r.top, h) : 0;
    const DWORD insidePixel = ToPixel(inside);
    const bool cornerRow = y < r.top + radius || y >= r.bottom - radius;
    const bool borderRow = y < r.top + border || y >= r.bottom - border;
    DWORD* row = pixels_ + y * width_;
    for (int x = x0; x < x1;) {
      const bool edgeBand = x < r.left + radius || x >= r.right - radius;
      if (cornerRow && edgeBand) {  // anti-aliased corner pixels, one by one
        const int outer = RoundRectCoverage(x, y, r.left, r.top, r.right, r.bottom, radius);
        const int inner = RoundRectCoverage(x, y, r.left + border, r.top + border, r.right - border,
                                            r.bottom - border, innerRadius);
        if (border > 0) Blend(x, y, borderColour, outer - inner);
        if (fill)
          Blend(x, y, inside, inner);
        else if (border == 0)
          Blend(x, y, borderColour, outer);
        ++x;
        continue;
      }
      // Elsewhere a pixel is wholly border or wholly inside: runs of one value
      // up to the next edge of the band, the border or the corners.
      int end = x1;
      const LONG edges[] = {r.left + radius, r.right - radius, r.left + border, r.right - border};
      for (const LONG edge : edges)
        if (edge > x && edge < end) end = static_cast<int>(edge);
      const bool inBorder = borderRow || x < r.left + border || x >= r.right - border;
      const DWORD* value = inBorder      ? (border > 0 ? &borderPixel : nullptr)
                           : fill        ? &insidePixel
                           : border == 0 ? &borderPixel
                                         : nullptr;
      if (value)
        for (int i = x; i < end; ++i) row[i] = *value;
      x = end;
    }
  }
}

void Canvas::Outline(const RECT& r, int radius, int width, COLORREF colour) {
  if (!ok() || width <= 0) return;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  radius = Clamp(radius, 0, (w < h ? w : h) / 2);
  width = Clamp(width, 1, (w < h ? w : h) / 2 > 0 ? (w < h ? w : h) / 2 : 1);
  GdiFlush();
  // Straight parts as plain fills.
  FillSolid({r.left + radius, r.top, r.right - radius, r.top + width}, colour);
  FillSolid({r.left + radius, r.bottom - width, r.right - radius, r.bottom}, colour);
  FillSolid({r.left, r.top + radius, r.left + width, r.bottom - radius}, colour);
  FillSolid({r.right - width, r.top + radius, r.right, r.bottom - radius}, colour);
  if (radius == 0) return;
  const int innerRadius = radius > width ? radius - width : 0;
  const RECT corners[4] = {{r.left, r.top, r.left + radius, r.top + radius},
                           {r.right - radius, r.top, r.right, r.top + radius},
                           {r.left, r.bottom - radius, r.left + radius, r.bottom},
                           {r.right - radius, r.bottom - radius, r.right, r.bottom}};
  for (const RECT& c : corners)
    for (int y = c.top; y < c.bottom; ++y)
      for (int x = c.left; x < c.right; ++x) {
        const int outer = RoundRectCoverage(x, y, r.left, r.top, r.right, r.bottom, radius);
        const int inner = RoundRectCoverage(x, y, r.left + width, r.top + width, r.right - width,
                                            r.bottom - width, innerRadius);
        Blend(x, y, colour, outer - inner);
      }
}

void Canvas::DottedFrame(const RECT& r, int dot) {
  if (!ok() || dot <= 0) return;
  GdiFlush();
  for (int y = Clamp(static_cast<int>(r.top), 0, height_);
       y < Clamp(static_cast<int>(r.bottom), 0, height_); ++y) {
    const bool across = y < r.top + dot || y >= r.bottom - dot;  // top or bottom band
    for (int x = Clamp(static_cast<int>(r.left), 0, width_);
         x < Clamp(static_cast<int>(r.right), 0, width_); ++x) {
      if (!across && x >= r.left + dot && x < r.right - dot) continue;
      // Dots run along the edge and are whole across the band.
      const int along = across ? x - r.left : y - r.top;
      if ((along / dot) % 2 == 0) pixels_[y * width_ + x] ^= 0xFFFFFF;
    }
  }
}

void Canvas::CopyTo(HDC target, int x, int y) const {
  if (!ok()) return;
  GdiFlush();
  BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace skinh
