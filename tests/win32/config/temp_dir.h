// A fresh directory with a Chinese name under the temporary directory,
// removed with its contents at the end of a test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lornel::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }  // GBK, no trailing backslash
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  // Names of the entries in the directory, or in a folder inside it, "." and
  // ".." left out.
  std::vector<std::string> Entries(const std::string& folder = {}) const;

 private:
  std::string path_;
};

std::string ReadBytes(const std::string& path);  // "" when missing
void WriteBytes(const std::string& path, const std::string& bytes);

// What Windows' own GetPrivateProfileStringA reads: the oracle of our INI reader.
std::string Oracle(const std::string& path, const std::string& section, const std::string& key);

}  // namespace lornel::test
