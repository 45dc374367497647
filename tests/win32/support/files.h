// Whole-file reads and writes for the Windows test programs (tests, end-to-end
// driver, benchmarks), by UTF-16 path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lornel::test {

// Read to the end, not by size: /proc files reached through Z: report size 0.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);

}  // namespace lornel::test
