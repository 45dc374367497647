// The control tables of the question editor's two windows: pure data, rows in
// table order.
#pragma once

#include "ui/table.h"

namespace lornel::editor {

const ui::Table& EditorTable();   // rows indexed by EditorId
const ui::Table& PreviewTable();  // the preview of a question, rows indexed by PreviewId

}  // namespace lornel::editor
