#include "tests/win32/config/temp_dir.h"

#include <cstdio>
#include <cstring>

#include "platform/win32/text.h"
#include "tests/win32/support/files.h"

namespace lornel::test {

namespace {

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = dir + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(dir.c_str());
}

}  // namespace

TempDir::TempDir() {
  static int counter = 0;
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::wstring dir = std::wstring(base) + L"lornel\x914D\x7F6E" +
                     std::to_wstring(GetCurrentProcessId()) + L"_" +
                     std::to_wstring(++counter);  // "lornel配置<pid>_<n>"
  RemoveTree(dir);
  CreateDirectoryW(dir.c_str(), nullptr);
  path_ = win32::Gbk(dir);
}

TempDir::~TempDir() { RemoveTree(win32::Wide(path_)); }

std::vector<std::string> TempDir::Entries(const std::string& folder) const {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const std::string inside = folder.empty() ? path_ : *this / folder;
  const HANDLE search = FindFirstFileW((win32::Wide(inside) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(win32::Gbk(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::string ReadBytes(const std::string& path) {
  return ReadFileBytes(win32::Wide(path)).value_or(std::string());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  WriteFileBytes(win32::Wide(path), bytes);
}

std::string Oracle(const std::string& path, const std::string& section, const std::string& key) {
  // Zeroed each time: where the last character does not fit, the profile
  // function leaves that byte of the buffer as it was.
  static char buffer[10240];
  std::memset(buffer, 0, sizeof buffer);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, path.c_str());
  return buffer;
}

}  // namespace lornel::test
