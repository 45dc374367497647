#include "editor/option_buttons.h"

namespace lornel::editor {
namespace {

// As the board lays its option buttons out over the keys and paints them.
constexpr ui::Rect kArea{40, 112, 720, 168};
constexpr int kGapAcross = 24, kGapDown = 16;
constexpr int kTextLeft = 48, kTextRight = 14, kTextDown = 10;

}  // namespace

std::vector<ui::Rect> OptionRects(int count) {
  if (count <= 0) return {};
  const int columns = count <= 4 ? 2 : 3;
  const int rows = count <= 2 ? 1 : 2;
  const int width = (kArea.width - (columns - 1) * kGapAcross) / columns;
  const int height = (kArea.height - (rows - 1) * kGapDown) / rows;
  std::vector<ui::Rect> rects;
  for (int i = 0; i < count; ++i)
    rects.push_back({kArea.left + (i % columns) * (width + kGapAcross),
                     kArea.top + (i / columns) * (height + kGapDown), width, height});
  return rects;
}

ui::Rect CaptionArea(const ui::Rect& button) {
  return {button.left + kTextLeft, button.top + kTextDown, button.width - kTextLeft - kTextRight,
          button.height - 2 * kTextDown};
}

std::vector<std::string> ChoiceCaptions(const std::vector<std::string>& options) {
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < options.size(); ++i)
    captions.push_back(std::string(1, static_cast<char>('A' + i)) + " " + options[i]);
  return captions;
}

}  // namespace lornel::editor
