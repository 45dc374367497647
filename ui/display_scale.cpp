#include "ui/display_scale.h"

#include <algorithm>

#include "ui/paint_geometry.h"

namespace lornel::ui {
namespace {

// The largest scale (in thousandths) at which `table` pixels fit in `room`.
int Fitting(int room, int table) {
  if (table <= 0) return Scale::kOne * 10;
  int permille = static_cast<int>(static_cast<long long>(std::max(room, 0)) * Scale::kOne / table);
  // Rounding of the scaled size may still add a pixel: step down until it fits.
  while (permille > 0 && Scale::FromPermille(permille).Of(table) > room) --permille;
  return permille;
}

}  // namespace

Scale LayoutScale(const Display& display, Size tableClient) {
  const int byDpi = SaneDpi(display.dpi) * Scale::kOne / kTableDpi;
  const int byWidth = Fitting(display.workArea.width - display.frame.width, tableClient.width);
  const int byHeight = Fitting(display.workArea.height - display.frame.height, tableClient.height);
  return Scale::FromPermille(std::max(Scale::kMin, std::min({byDpi, byWidth, byHeight})));
}

Size OuterSize(const Display& display, Size tableClient, Scale scale) {
  return {scale.Of(tableClient.width) + display.frame.width,
          scale.Of(tableClient.height) + display.frame.height};
}

Point StartPosition(Size screen, const Rect& workArea, Size outer, Scale scale) {
  // Inside the work area where it fits; where it cannot, the title bar stays on the screen.
  const auto inside = [](int at, int from, int room, int size) {
    return std::max(std::min(at, from + room - size), from);
  };
  const Point centred =
      scale.IsOne()
          ? Point{Centred(screen.width, outer.width), Centred(screen.height, outer.height)}
          : Point{workArea.left + Centred(workArea.width, outer.width),
                  workArea.top + Centred(workArea.height, outer.height)};
  return {inside(centred.x, workArea.left, workArea.width, outer.width),
          inside(centred.y, workArea.top, workArea.height, outer.height)};
}

FullScreenFit FitFullScreen(Size monitor, Size tableClient, Scale windowed) {
  const int fits = std::min(Fitting(monitor.width, tableClient.width),
                            Fitting(monitor.height, tableClient.height));
  const Scale scale = Scale::FromPermille(std::max(fits, windowed.permille()));
  return {scale,
          {Centred(monitor.width, scale.Of(tableClient.width)),
           Centred(monitor.height, scale.Of(tableClient.height))}};
}

}  // namespace lornel::ui
