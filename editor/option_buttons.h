// The board's option buttons as the editor previews and measures them: in the
// answer panel where the on-screen keys lie, each caption in the smallest
// type the back row still reads.
#pragma once

#include <string>
#include <vector>

#include "ui/kinds.h"

namespace lornel::editor {

// The board shrinks a long caption down to this and no further.
inline constexpr ui::Font kOptionFont{"", 24};

// The on-screen keys' bounds in the answer panel.
ui::Rect KeyArea();
// Buttons 1..count in the answer panel: two or three side by side, four two
// by two, five and six in two rows of three.
std::vector<ui::Rect> OptionRects(int count);
// Where a button's caption goes: inside its edge and margin.
ui::Rect CaptionArea(const ui::Rect& button);

// A choice's captions, "A 太平洋", in letter order (GBK).
std::vector<std::string> ChoiceCaptions(const std::vector<std::string>& options);
// A true/false question's two buttons.
inline const std::vector<std::string> kTrueFalseCaptions = {"√ 对", "× 错"};

}  // namespace lornel::editor
