#include "editor/option_buttons.h"

#include <algorithm>

#include "quiz/main_ids.h"

namespace lornel::editor {
namespace {

constexpr int kGap = 8;
constexpr int kMargin = 8;

}  // namespace

ui::Rect KeyArea() {
  const ui::Table& main = quiz::MainTable();
  int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
  for (const ui::Row& row : main.rows) {
    if (!row.onScreenKey || row.parent != int(quiz::MainId::AnswerPanel)) continue;
    left = std::min(left, row.rect.left);
    top = std::min(top, row.rect.top);
    right = std::max(right, row.rect.right());
    bottom = std::max(bottom, row.rect.bottom());
  }
  return {left, top, right - left, bottom - top};
}

std::vector<ui::Rect> OptionRects(int count) {
  if (count <= 0) return {};
  const ui::Rect area = KeyArea();
  const int columns = count <= 3 ? count : count == 4 ? 2 : 3;
  const int rows = (count + columns - 1) / columns;
  const int width = (area.width - (columns - 1) * kGap) / columns;
  const int height = (area.height - (rows - 1) * kGap) / rows;
  std::vector<ui::Rect> rects;
  for (int i = 0; i < count; ++i)
    rects.push_back({area.left + (i % columns) * (width + kGap),
                     area.top + (i / columns) * (height + kGap), width, height});
  return rects;
}

ui::Rect CaptionArea(const ui::Rect& button) {
  return {button.left + kMargin, button.top + kMargin, button.width - 2 * kMargin,
          button.height - 2 * kMargin};
}

std::vector<std::string> ChoiceCaptions(const std::vector<std::string>& options) {
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < options.size(); ++i)
    captions.push_back(std::string(1, static_cast<char>('A' + i)) + " " + options[i]);
  return captions;
}

}  // namespace lornel::editor
