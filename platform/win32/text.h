// The Win32 boundary: texts are GBK inside the program and UTF-16 for the W
// functions, so windows read right whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace lornel::win32 {

std::wstring Wide(std::string_view gbk);
// Into a buffer of the caller's, NUL-terminated, for what must not allocate;
// false (and out empty) when the text does not fit.
bool WideInto(std::string_view gbk, wchar_t* out, std::size_t capacity);
std::string Gbk(std::wstring_view wide);

}  // namespace lornel::win32
