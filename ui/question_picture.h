// Where a question's picture goes: beside the text in the question label,
// alone in it, or enlarged over the window. Pure geometry in device pixels.
#pragma once

#include "ui/display_scale.h"

namespace lornel::ui {

// Between the text and the picture, in table units.
inline constexpr int kPictureGap = 8;

// The picture (its source pixels) as large as fits in box, centred, its aspect
// kept and never more than twice its size at scale. Empty for an empty picture or box.
Rect FitPicture(const Rect& box, Size picture, Scale scale);

struct PictureLayout {
  Rect text, picture;
};
// A label with text keeps the left part for it; the picture takes the right
// part at the label's height, but never more than half its width. Without
// text the picture is centred in the whole label.
PictureLayout LayOutQuestionPicture(const Rect& label, Size picture, bool hasText, Scale scale);

}  // namespace lornel::ui
