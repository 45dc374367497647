// A choice question's options: the file's one value ("太平洋 | 大西洋") and the
// six boxes A to F below the rows, which show the options of one row.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/checks.h"
#include "editor/editor.h"

namespace lornel::editor {

// The options split at "|" and "｜", spaces and tabs at their ends dropped;
// an empty one before the last keeps its place (the board would leave it out
// and shift the letters after it), empty ones at the end go.
std::vector<std::u16string> OptionCells(std::u16string_view value);
// The six boxes' texts: beyond six, the sixth box keeps the rest as it is.
std::array<std::u16string, kOptionCount> BoxCells(std::u16string_view value);
// Options (the boxes, pasted cells) as the file's value: empty ones at the end left out.
std::u16string JoinedOptions(std::span<const std::u16string> options);

// The boxes below the rows show row n: its options for a choice question,
// else a word on what its kind asks for.
void ShowOptions(Editor& editor, int row);

// The options of a choice question in row n that its buttons on the board
// cannot show whole, measured in the smallest type the board uses; saved:
// the quiz as saved.
std::vector<Finding> OptionsCutOff(const Editor& editor, const Quiz& saved, int row);

}  // namespace lornel::editor
