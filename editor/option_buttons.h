// The board's option buttons as the editor previews and measures them: where
// the answer panel's letter keys lie, each caption in the smallest type the
// back row still reads.
#pragma once

#include <string>
#include <vector>

#include "ui/kinds.h"

namespace lornel::editor {

// The board shrinks a long caption down to this and no further.
inline constexpr ui::Font kOptionFont{"", 24};

// Buttons 1..count in the answer panel, left of "Backspace←" (which clears a
// choice): two side by side the keys' whole height, three or four two by
// two, five or six three by two.
std::vector<ui::Rect> OptionRects(int count);
// Where a button's caption goes: inside its thick frame, right of its mark.
ui::Rect CaptionArea(const ui::Rect& button);

// A choice's captions, "A 太平洋", in letter order (GBK).
std::vector<std::string> ChoiceCaptions(const std::vector<std::string>& options);
// A true/false question's two buttons.
inline const std::vector<std::string> kTrueFalseCaptions = {"√ 对", "× 错"};

}  // namespace lornel::editor
