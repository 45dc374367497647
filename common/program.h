// Where a program of ours runs from: the folder and name of its executable.
#pragma once

#include <string>

#include "config/path.h"

namespace lornel::common {

struct ProgramPaths {
  std::string directory;  // without a trailing backslash
  std::string fileName;   // extension included
};

// Splits a module path after its last folder (config/path.h); a path without
// a separator is all name.
inline ProgramPaths SplitModulePath(const std::string& fullPath) {
  return {config::FolderOf(fullPath), config::FileNameOf(fullPath)};
}

}  // namespace lornel::common
