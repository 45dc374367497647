// The control tables of the two windows: pure data, rows in table order.
#pragma once

#include "ui/table.h"

namespace lornel::ui {

const Table& MainTable();     // rows indexed by MainId
const Table& NoticeTable();   // rows indexed by NoticeId
const Table& EditorTable();   // the question editor, rows indexed by EditorId
const Table& PreviewTable();  // its preview of a question, rows indexed by PreviewId

}  // namespace lornel::ui
