// Paths in GBK, split as Windows splits them once it has turned them into
// UTF-16: '\' and '/' both end a folder, and a byte 0x5C that is the second
// byte of a character (乗 is 81 5C) ends nothing. A path keeps its own '/'
// where it stands; new paths are joined with '\'.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lornel::config {

// Where the last name of path begins: just after its last separator; 0 when it has none.
std::size_t NameStart(std::string_view path);
// The folder without its last separator ("" for a bare name), and the name.
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
// "C:\..." and "c:name" (a drive), "\\server\..." and "\root" (either slash).
bool IsAbsolutePath(std::string_view path);
// value relative to the folder that base lies in; an absolute or empty value as it stands.
std::string PathBeside(std::string_view base, std::string_view value);

}  // namespace lornel::config
