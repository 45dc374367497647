// Where a program of ours runs from: the folder and name of its executable.
#pragma once

#include <string>

namespace lornel::common {

struct ProgramPaths {
  std::string directory;  // without a trailing backslash
  std::string fileName;   // extension included
};

// Splits a module path at its last backslash; a path without one is all name.
inline ProgramPaths SplitModulePath(const std::string& fullPath) {
  const auto slash = fullPath.find_last_of('\\');
  if (slash == std::string::npos) return {"", fullPath};
  return {fullPath.substr(0, slash), fullPath.substr(slash + 1)};
}

}  // namespace lornel::common
