// A decoded picture as plain pixels, and its resampling to the size it is
// drawn at, done here rather than by GDI or WIC: Wine's WIC scaler takes the
// nearest pixel whatever mode is asked, and a photo drawn small would shimmer.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/kinds.h"

namespace lornel::ui {

// Top-down rows of 0xAARRGGBB words (B, G, R, A in memory), alpha premultiplied.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;
  bool empty() const { return width <= 0 || height <= 0; }
};

// source resampled to width x height (each pixel the average of the area it
// covers when smaller, linear between neighbours when larger), laid over
// background, opaque. Empty for an empty source or size.
Pixels ScalePicture(const Pixels& source, int width, int height, Colour background);

}  // namespace lornel::ui
