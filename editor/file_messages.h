// What the editor tells when a file could not be read or written (GBK).
#pragma once

#include <string>

#include "platform/host.h"

namespace lornel::editor {

std::string ReadProblemText(platform::FileProblem problem, const std::string& path);
// Names the file that refused the save: the file itself, the backup beside
// it, or its folder, which had to take a temporary file first.
std::string WriteProblemText(const platform::FileWrite& write, const std::string& path);

}  // namespace lornel::editor
