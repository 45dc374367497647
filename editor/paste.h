// Rows copied from a spreadsheet (Excel, WPS): one row per line, cells split
// by TAB, and a cell that holds a line break, a quote or a TAB put in double
// quotes with its own quotes doubled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lornel::editor {

using PastedRow = std::vector<std::u16string>;

// Lines end with CR LF, LF or CR; the line end after the last row is no row
// of its own, and neither are empty rows at the end. A quoted cell that is
// never closed runs to the end of the text.
std::vector<PastedRow> ParseSpreadsheetRows(std::u16string_view text);

// Question, answer and options of a pasted row: the cells 题目, 答案, then
// 选项A to 选项F, each line break in them a space (a value is one line of the
// file). A first row that names the columns is no question.
struct QuestionRow {
  std::u16string title, answer;
  std::vector<std::u16string> options;  // empty cells at the end left out
  bool hasAnswer = false;               // the row had a second cell
};
std::vector<QuestionRow> AsQuestionRows(const std::vector<PastedRow>& rows);

}  // namespace lornel::editor
