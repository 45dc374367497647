// The control tables of the question editor's two windows: pure data, rows in
// table order.
#pragma once

#include "ui/table.h"

namespace lornel::editor {

const ui::Table& EditorTable();  // rows indexed by EditorId
// The preview of a question with its option buttons (0: a typed question's),
// rows indexed by PreviewId.
const ui::Table& PreviewTable(int options = 0);

}  // namespace lornel::editor
