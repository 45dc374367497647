// What window a row of a control table becomes: its class and styles.
#pragma once

#include <windows.h>

#include "ui/table.h"

namespace lornel::win32 {

const wchar_t* ClassOf(ui::Kind kind);
// The styles of the row's kind beyond WS_CHILD, visibility, enabling and tab stop.
DWORD KindStyle(const ui::Row& row);
DWORD KindExStyle(const ui::Row& row);

}  // namespace lornel::win32
