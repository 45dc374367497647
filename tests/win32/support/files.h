// Whole files and scratch directories for the Windows test programs (tests,
// end-to-end driver, benchmarks), by UTF-16 path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lornel::test {

// Read to the end, not by size: /proc files reached through Z: report size 0.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);

// dir and name with one backslash between them.
std::wstring Join(const std::wstring& dir, const std::wstring& name);
// A new empty directory %TEMP%\base\tag-<pid>-<n>.
std::wstring FreshDirectory(const std::wstring& base, const std::wstring& tag);
// Removes the files of dir (hidden and read-only ones too), then dir itself.
void RemoveFlatDirectory(const std::wstring& dir);

}  // namespace lornel::test
