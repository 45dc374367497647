// The system's Open dialog for a question file and for a question's picture.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace lornel::win32 {

// Starts at `path` (GBK), owned by `owner`. nullopt when cancelled; an empty
// path when the chosen name cannot be written in GBK (the program cannot use it).
std::optional<std::string> AskOpenQuestionFile(HWND owner, const std::string& path);
// The same for a question's picture, starting in `folder`.
std::optional<std::string> AskOpenPictureFile(HWND owner, const std::string& folder);

}  // namespace lornel::win32
