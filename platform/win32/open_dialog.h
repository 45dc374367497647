// The system's Open dialog for a question file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace lornel::win32 {

// Starts at `path` (GBK), owned by `owner`. nullopt when cancelled; an empty
// path when the chosen name cannot be written in GBK (the program cannot use it).
std::optional<std::string> AskOpenQuestionFile(HWND owner, const std::string& path);

}  // namespace lornel::win32
