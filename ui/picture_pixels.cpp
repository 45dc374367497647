#include "ui/picture_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace lornel::ui {
namespace {

constexpr int kWeightBits = 14;
constexpr int kOneWeight = 1 << kWeightBits;

// What one target pixel along an axis takes from the source pixels first, first + 1, ...
struct Taps {
  int first = 0;
  std::vector<int> weights;  // summing to kOneWeight
};

std::vector<Taps> TapsFor(int from, int to) {
  std::vector<Taps> taps(static_cast<std::size_t>(to));
  const double ratio = double(from) / to;
  for (int i = 0; i < to; ++i) {
    Taps& t = taps[static_cast<std::size_t>(i)];
    std::vector<double> w;
    if (ratio > 1) {  // the source span [i, i + 1) * ratio, by how much of each pixel it covers
      const double begin = i * ratio, end = std::min(double(from), (i + 1) * ratio);
      t.first = std::min(int(begin), from - 1);
      for (int s = t.first; s < from && s < end; ++s)
        w.push_back(std::min(end, s + 1.0) - std::max(begin, double(s)));
    } else {  // centres matched, then linear between the two nearest
      const double at = std::clamp((i + 0.5) * ratio - 0.5, 0.0, double(from - 1));
      t.first = std::min(int(at), std::max(0, from - 2));
      const double f = at - t.first;
      w = {1 - f, f};
      if (from == 1) w = {1};
    }
    double sum = 0;
    for (double v : w) sum += v;
    int given = 0;
    for (double v : w) {
      t.weights.push_back(int(std::lround(v / sum * kOneWeight)));
      given += t.weights.back();
    }
    // Rounding leftovers go to the largest tap, so flat areas stay exactly flat.
    *std::max_element(t.weights.begin(), t.weights.end()) += kOneWeight - given;
  }
  return taps;
}

int Channel(std::uint32_t pixel, int c) { return int((pixel >> (8 * c)) & 0xFF); }

}  // namespace

Pixels ScalePicture(const Pixels& source, int width, int height, Colour background) {
  if (source.empty() || width <= 0 || height <= 0 ||
      source.argb.size() < std::size_t(source.width) * std::size_t(source.height))
    return {};
  const std::vector<Taps> across = TapsFor(source.width, width);
  const std::vector<Taps> down = TapsFor(source.height, height);
  // Across first, into 16-bit channels (8 bits of fraction kept for the second pass).
  std::vector<std::uint16_t> rows(std::size_t(width) * std::size_t(source.height) * 4);
  for (int y = 0; y < source.height; ++y) {
    const std::uint32_t* in = source.argb.data() + std::size_t(y) * std::size_t(source.width);
    std::uint16_t* out = rows.data() + std::size_t(y) * std::size_t(width) * 4;
    for (int x = 0; x < width; ++x) {
      const Taps& t = across[std::size_t(x)];
      for (int c = 0; c < 4; ++c) {
        long sum = 0;
        for (std::size_t k = 0; k < t.weights.size(); ++k)
          sum += long(t.weights[k]) * Channel(in[std::size_t(t.first) + k], c);
        out[x * 4 + c] = std::uint16_t((sum + (1 << 5)) >> (kWeightBits - 8));
      }
    }
  }
  // Rows of premultiplied colour, laid over the background in the same step.
  const int back[3] = {int((background >> 16) & 0xFF), int((background >> 8) & 0xFF),
                       int(background & 0xFF)};  // COLORREF: B, G, R as channels 0, 1, 2
  Pixels scaled{width, height,
                std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
  for (int y = 0; y < height; ++y) {
    const Taps& t = down[std::size_t(y)];
    for (int x = 0; x < width; ++x) {
      int value[4];
      for (int c = 0; c < 4; ++c) {
        long long sum = 0;
        for (std::size_t k = 0; k < t.weights.size(); ++k)
          sum += (long long)t.weights[k] *
                 rows[((std::size_t(t.first) + k) * std::size_t(width) + std::size_t(x)) * 4 + c];
        value[c] = std::clamp(int((sum + (1LL << (kWeightBits + 7))) >> (kWeightBits + 8)), 0, 255);
      }
      std::uint32_t pixel = 0xFF000000u;
      for (int c = 0; c < 3; ++c) {
        const int v = std::min(255, value[c] + ((255 - value[3]) * back[c] + 127) / 255);
        pixel |= std::uint32_t(v) << (8 * c);
      }
      scaled.argb[std::size_t(y) * std::size_t(width) + std::size_t(x)] = pixel;
    }
  }
  return scaled;
}

}  // namespace lornel::ui
