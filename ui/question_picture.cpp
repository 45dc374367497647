#include "ui/question_picture.h"

#include <algorithm>
#include <cmath>

namespace lornel::ui {

Rect FitPicture(const Rect& box, Size picture, Scale scale) {
  if (picture.width <= 0 || picture.height <= 0 || box.width <= 0 || box.height <= 0) return {};
  const double most = 2.0 * scale.permille() / Scale::kOne;
  const double factor =
      std::min({double(box.width) / picture.width, double(box.height) / picture.height, most});
  // At least a pixel each way: a 1 x 4000 strip still shows.
  const int w = std::clamp(int(std::lround(picture.width * factor)), 1, box.width);
  const int h = std::clamp(int(std::lround(picture.height * factor)), 1, box.height);
  return {box.left + (box.width - w) / 2, box.top + (box.height - h) / 2, w, h};
}

PictureLayout LayOutQuestionPicture(const Rect& label, Size picture, bool hasText, Scale scale) {
  if (!hasText) return {{}, FitPicture(label, picture, scale)};
  const int part = label.width / 2;
  Rect fitted = FitPicture({label.right() - part, label.top, part, label.height}, picture, scale);
  if (fitted.width == 0) return {label, {}};
  fitted.left = label.right() - fitted.width;  // against the right edge
  const int textWidth = std::max(0, fitted.left - label.left - scale.Of(kPictureGap));
  return {{label.left, label.top, textWidth, label.height}, fitted};
}

}  // namespace lornel::ui
