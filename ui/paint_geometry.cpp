#include "ui/paint_geometry.h"

#include <algorithm>

namespace lornel::ui {
namespace {

std::vector<Colour> GivenColours(const GradientFrame& f) {
  std::vector<Colour> given;
  for (Colour c : {f.first, f.middle, f.last})
    if (c != kDefaultColour) given.push_back(c);
  return given;
}

Colour Lerp(Colour a, Colour b, double t) {
  auto channel = [&](int shift) {
    const double x =
        ((a >> shift) & 0xFF) + (((b >> shift) & 0xFF) - double((a >> shift) & 0xFF)) * t;
    return static_cast<Colour>(std::clamp(static_cast<int>(x + 0.5), 0, 255)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

}  // namespace

int UsedFrameWidth(const GradientFrame& frame, int w, int h) {
  return std::max(0, std::min({frame.width, w / 2, h / 2}));
}

Colour GradientShade(const GradientFrame& frame, int step, int width) {
  const std::vector<Colour> stops = GivenColours(frame);
  if (stops.size() < 2) return kDefaultColour;
  if (width <= 1) return stops.front();
  const double t = static_cast<double>(step) / (width - 1) * (stops.size() - 1);
  const std::size_t i = std::min(static_cast<std::size_t>(t), stops.size() - 2);
  return Lerp(stops[i], stops[i + 1], t - static_cast<double>(i));
}

std::vector<FrameLine> GradientFrameLines(const GradientFrame& frame, int w, int h) {
  std::vector<FrameLine> lines;
  const int width = UsedFrameWidth(frame, w, h);
  if (width == 0 || GivenColours(frame).size() < 2) return lines;
  for (int i = 0; i < width; ++i) {
    const Colour c = GradientShade(frame, i, width);
    lines.push_back({true, i, 0, w, c});          // top, full width
    lines.push_back({true, h - 1 - i, 0, w, c});  // bottom, full width
  }
  // Drawn after the bands they meet: the sides end on the corners' diagonals.
  for (int i = 0; i < width; ++i) {
    const Colour c = GradientShade(frame, i, width);
    lines.push_back({false, i, i + 1, h - 1 - i, c});
    lines.push_back({false, w - 1 - i, i + 1, h - 1 - i, c});
  }
  return lines;
}

}  // namespace lornel::ui
