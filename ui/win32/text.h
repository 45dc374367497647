// The Win32 boundary: texts are GBK inside the program and UTF-16 for the W
// functions, so windows read right whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace lornel::win32 {

std::wstring Wide(std::string_view gbk);
std::string Gbk(std::wstring_view wide);

}  // namespace lornel::win32
