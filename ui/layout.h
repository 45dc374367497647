// The control tables of lornel.exe's two windows: pure data, rows in table order.
#pragma once

#include "ui/table.h"

namespace lornel::ui {

const Table& MainTable();    // rows indexed by MainId
const Table& NoticeTable();  // rows indexed by NoticeId

}  // namespace lornel::ui
