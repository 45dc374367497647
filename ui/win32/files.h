// Win32 implementations of the Host's file functions, for GBK paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lornel::win32 {

bool PathExists(const std::string& path);
std::optional<std::string> ReadWholeFile(const std::string& path);
bool CreateFileAtomically(const std::string& path, std::string_view bytes);
bool WriteWholeFile(const std::string& path, std::string_view bytes);
bool SetHiddenAttributeOnly(const std::string& path);

}  // namespace lornel::win32
