#include "platform/win32/files.h"

#include <shlobj.h>

#include "platform/win32/host.h"
#include "platform/win32/owned.h"
#include "platform/win32/text.h"

namespace lornel::win32 {
namespace {

constexpr unsigned long long kMaxReadBytes = 512ull << 20;

}  // namespace

platform::FileProblem ProblemOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return platform::FileProblem::Missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
      return platform::FileProblem::Denied;
    default:
      return platform::FileProblem::Failed;
  }
}

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAW found;
  return bool(OwnedFind{FindFirstFileW(Wide(path).c_str(), &found)});
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory cannot be opened at all.
  const OwnedFile file{CreateFileW(
      Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)};
  if (!file) return std::nullopt;
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > kMaxReadBytes)
    return std::nullopt;
  // Memory for the bytes comes from operator new, which ends the program with
  // the fatal report when there is none: nothing to catch here.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  // Read to the end rather than to the size seen: an editor may be saving.
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    if (bytes.size() + got > kMaxReadBytes) return std::nullopt;
    bytes.append(buffer, got);
  }
  return bytes;
}

platform::FileRead ReadFileChecked(const std::string& path) {
  const std::wstring wide = Wide(path);
  WIN32_FILE_ATTRIBUTE_DATA about{};
  if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &about))
    return {ProblemOf(GetLastError()), {}};
  if (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    return {platform::FileProblem::Directory, {}};
  const unsigned long long size =
      static_cast<unsigned long long>(about.nFileSizeHigh) << 32 | about.nFileSizeLow;
  if (size > kMaxReadBytes) return {platform::FileProblem::TooLarge, {}};
  if (auto bytes = ReadWholeFile(path)) return {platform::FileProblem::None, std::move(*bytes)};
  // Say why: open it again the way the reader does.
  const OwnedFile probe{CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (!probe) return {ProblemOf(GetLastError()), {}};
  return {platform::FileProblem::Failed, {}};  // grew past the limit, or failed while reading
}

bool SetHiddenAttributeOnly(const std::string& path) {
  return !path.empty() && SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN) != FALSE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 20) ? (1u << 20) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool Win32Host::PathExists(const std::string& path) { return win32::PathExists(path); }
std::optional<std::string> Win32Host::ReadWholeFile(const std::string& path) {
  return win32::ReadWholeFile(path);
}
platform::FileRead Win32Host::ReadFileChecked(const std::string& path) {
  return win32::ReadFileChecked(path);
}
bool Win32Host::SetHiddenAttributeOnly(const std::string& path) {
  return win32::SetHiddenAttributeOnly(path);
}
bool Win32Host::CreateFolder(const std::string& path) {
  if (path.empty()) return false;
  const std::wstring wide = Wide(path);
  if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
bool Win32Host::ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  return win32::ReplaceFileWhole(path, bytes);
}

// %LOCALAPPDATA% costs nothing to read; Windows XP has no such variable, and
// SHGetFolderPathW (which loads the shell's folder code) finds it there.
std::string Win32Host::LocalAppDataFolder() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
  if ((length == 0 || length >= MAX_PATH) &&
      FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return {};
  const std::wstring wide = folder;
  const std::string gbk = Gbk(wide);
  // A user name that GBK cannot hold: no folder rather than another one.
  return Wide(gbk) == wide ? gbk : std::string();
}

bool Win32Host::CreateFileAtomically(const std::string& path, std::string_view bytes) {
  return win32::CreateFileAtomically(path, bytes);
}
platform::FileWrite Win32Host::ReplaceFileKeepingBackup(const std::string& path,
                                                        std::string_view bytes,
                                                        const std::string& backupPath) {
  return win32::ReplaceFileKeepingBackup(path, bytes, backupPath);
}

}  // namespace lornel::win32
