#include "tests/win32/support/files.h"

#include <windows.h>

namespace lornel::test {

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(f);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  const bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
                  put == bytes.size();
  CloseHandle(f);
  return ok;
}

std::wstring Join(const std::wstring& dir, const std::wstring& name) {
  return !dir.empty() && dir.back() == L'\\' ? dir + name : dir + L"\\" + name;
}

std::wstring FreshDirectory(const std::wstring& base, const std::wstring& tag) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring parent = Join(temp, base);
  CreateDirectoryW(parent.c_str(), nullptr);
  for (;;) {
    const std::wstring dir = Join(parent, tag + L"-" + std::to_wstring(GetCurrentProcessId()) +
                                              L"-" + std::to_wstring(++counter));
    if (CreateDirectoryW(dir.c_str(), nullptr)) return dir;
  }
}

void RemoveFlatDirectory(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(Join(dir, L"*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::wstring file = Join(dir, found.cFileName);
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(file.c_str());
    } while (FindNextFileW(h, &found));
    FindClose(h);
  }
  RemoveDirectoryW(dir.c_str());
}

}  // namespace lornel::test
