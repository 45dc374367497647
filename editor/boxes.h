// The boxes as one Quiz and back, and what the window shows of it: the
// caption, the pictures' names, the box of a field and the row of a control.
#pragma once

#include "config/answer_ways.h"
#include "config/question_kinds.h"
#include "editor/checks.h"
#include "editor/editor.h"

namespace lornel::editor {

// Fills every box; a box that already shows its value is left alone.
void Show(Editor& editor, const Quiz& quiz);
void ShowPicture(Editor& editor, int row);
void UpdateCaption(Editor& editor);
// Row n of a control of the editor, or 0.
int RowOf(int id);
// The control where a field is changed; for an option, row's options shown first.
void FocusField(Editor& editor, Field field);
// How the board reads a kind or a way the editor holds.
config::QuestionKind KindOf(const std::u16string& value);
config::AnswerWay WayOf(const std::u16string& value);
const char16_t* KindName(config::QuestionKind kind);  // u"填空", u"选择", u"判断"
// The captions of row n's 题型 button and of every 方式 button.
void ShowKind(Editor& editor, int row);
void ShowWays(Editor& editor);

}  // namespace lornel::editor
