// Keeps small files up to date whole without making the caller wait: the
// lesson's round file is saved after every scoring step, and a disk that
// flushes slowly must not stall the class's clicks.
#pragma once

#include <string>

namespace lornel::platform {

class FileKeeper {
 public:
  virtual ~FileKeeper() = default;
  // Returns at once; the bytes reach path whole (Files::ReplaceFileWhole) soon
  // after, and of several waiting for one path only the latest is written.
  // Failures are silent: the caller plays on.
  virtual void Keep(const std::string& path, std::string bytes) = 0;
};

}  // namespace lornel::platform
