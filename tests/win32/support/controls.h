// The controls of a running program's window, read from outside as a screen
// reader would: found by table id, texts by WM_GETTEXT.
#pragma once

#include <windows.h>

#include <string>

namespace lornel::test {

// The backend gives each control the id 1000 + its row in the control table.
HWND Control(HWND top, int tableId);
// Empty for no window, or when its program does not answer within 2 s.
std::wstring WindowText(HWND hwnd);
bool Visible(HWND hwnd);
bool Enabled(HWND hwnd);

}  // namespace lornel::test
