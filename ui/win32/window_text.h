// The one way the backend reads a window's text (caption or edit contents).
#pragma once

#include <windows.h>

#include <string>

namespace lornel::win32 {

std::wstring WindowText(HWND hwnd);

}  // namespace lornel::win32
