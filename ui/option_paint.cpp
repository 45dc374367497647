#include "ui/option_paint.h"

#include <algorithm>

namespace lornel::ui {
namespace {

constexpr int kThinFrame = 2, kThickFrame = 8;
// The mark takes half the height inside the frame, within these bounds: on a
// tall true/false button it must outweigh the caption's own "√" or "×".
constexpr int kSmallestMark = 28, kLargestMark = 56;
// Little above and below: two lines of the smallest font fit a button 76 high.
constexpr int kPadAcross = 6, kPadDown = 2;

struct Colours {
  Colour face, frame, mark;
};
constexpr Colours kPlain{Hex(0xFFFFFF), Hex(0x808080), Hex(0x000000)};
constexpr Colours kChosen{Hex(0xD6E6FF), Hex(0x1848C0), Hex(0x1848C0)};
constexpr Colours kRight{Hex(0xD8F2D8), Hex(0x007000), Hex(0x007000)};
constexpr Colours kWrong{Hex(0xFFDCDC), Hex(0xC00000), Hex(0xC00000)};

// A pressed button's face, a shade darker.
Colour Darker(Colour c) {
  const auto part = [c](int shift) { return ((c >> shift) & 0xFFu) * 7 / 8 << shift; };
  return part(0) | part(8) | part(16);
}

}  // namespace

OptionPaint PlanOption(Size client, OptionLook look, bool pressed, Scale scale) {
  using enum OptionLook::Verdict;
  const Colours colours = look.verdict == Right   ? kRight
                          : look.verdict == Wrong ? kWrong
                          : look.chosen           ? kChosen
                                                  : kPlain;
  const OptionMark shape = look.verdict == Right   ? OptionMark::Tick
                           : look.verdict == Wrong ? OptionMark::Cross
                           : look.chosen           ? OptionMark::Dot
                                                   : OptionMark::None;
  OptionPaint p{
      pressed ? Darker(colours.face) : colours.face, colours.frame, colours.mark, 0, shape, {}, {}};
  // Laid out for the thick frame whatever the look, so that a caption never moves.
  const int thickest = std::min({scale.Of(kThickFrame), client.width / 4, client.height / 4});
  const bool thick = look.chosen || look.verdict != None;
  p.frameWidth = thick ? thickest : std::min(scale.Of(kThinFrame), thickest);
  const int across = thickest + scale.Of(kPadAcross), down = thickest + scale.Of(kPadDown);
  const int inside = client.height - 2 * down;
  const int side = std::max(
      0, std::min(std::clamp(inside / 2, scale.Of(kSmallestMark), scale.Of(kLargestMark)), inside));
  // The mark's place is kept when there is none.
  p.markBox = {across, (client.height - side) / 2, side, side};
  const int textLeft = p.markBox.right() + scale.Of(kPadAcross);
  p.textBox = {textLeft, down, std::max(0, client.width - across - textLeft),
               std::max(0, client.height - 2 * down)};
  return p;
}

std::vector<std::vector<Point>> MarkStrokes(OptionMark shape, const Rect& box) {
  const auto at = [&box](int x, int y) {  // in hundredths of the box
    return Point{box.left + box.width * x / 100, box.top + box.height * y / 100};
  };
  switch (shape) {
    case OptionMark::Tick:
      return {{at(12, 55), at(40, 82), at(88, 18)}};
    case OptionMark::Cross:
      return {{at(18, 18), at(82, 82)}, {at(82, 18), at(18, 82)}};
    case OptionMark::Dot:  // a filled circle: drawn whole, not stroked
    case OptionMark::None:
      break;
  }
  return {};
}

int MarkPenWidth(const Rect& box) { return std::max(2, box.width / 6); }

int FitOptionFont(int largest, const std::function<bool(int height)>& fits) {
  for (int height = largest; height > kSmallestOptionFont; height -= 2)
    if (fits(height)) return height;
  return std::min(largest, kSmallestOptionFont);
}

}  // namespace lornel::ui
