// The boxes as one Quiz and back, and what the window shows of it: the
// caption, the pictures' names, the box of a field and the row of a control.
#pragma once

#include "editor/checks.h"
#include "editor/editor.h"

namespace lornel::editor {

// Fills every box; a box that already shows its value is left alone.
void Show(Editor& editor, const Quiz& quiz);
void ShowPicture(Editor& editor, int row);
void UpdateCaption(Editor& editor);
// Row n of a control of the editor, or 0.
int RowOf(int id);
EditorId BoxOf(Field field);

}  // namespace lornel::editor
