// The board's option buttons as the editor previews and measures them: the
// main window's own rows, so that a caption shrinks and wraps as in class.
#pragma once

#include <string>
#include <vector>

#include "ui/table.h"

namespace lornel::editor {

// The main window's rows of the buttons that a question with this many
// options shows, in letter order; none for a count the board has no set for.
std::vector<const ui::Row*> BoardOptionRows(int count);

// A choice's captions, "A 太平洋", in letter order (GBK).
std::vector<std::string> ChoiceCaptions(const std::vector<std::string>& options);
// A true/false question's two buttons.
inline const std::vector<std::string> kTrueFalseCaptions = {"√ 对", "× 错"};

}  // namespace lornel::editor
