#include "ui/win32/files.h"

#include <windows.h>

#include <cwchar>

#include "ui/win32/text.h"

namespace lornel::win32 {

namespace {

constexpr unsigned long long kMaxReadBytes = 512ull << 20;

struct FileHandle {
  HANDLE h;
  ~FileHandle() {
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
  }
};

// The process id in the name of a temporary, "<prefix><pid>" or
// "<prefix><pid>.<n>"; 0 for any other name.
DWORD WriterOf(const wchar_t* name, const std::wstring& prefix) {
  if (_wcsnicmp(name, prefix.c_str(), prefix.size()) != 0) return 0;
  const wchar_t* digits = name + prefix.size();
  if (*digits < L'0' || *digits > L'9') return 0;
  wchar_t* end = nullptr;
  const unsigned long pid = wcstoul(digits, &end, 10);
  if (end[0] == L'.' && end[1] >= L'0' && end[1] <= L'9') wcstoul(end + 1, &end, 10);
  return *end == L'\0' ? static_cast<DWORD>(pid) : 0;
}

bool IsRunning(DWORD pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  // A process that is not ours to open is still running.
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  ::CloseHandle(process);
  return running;
}

// The temporaries that killed writers left beside target. That of a writer
// still running may be in the middle of its write and stays (held open without
// sharing, it could not be deleted anyway); an id that another process took
// again only keeps a leftover until a later write.
void RemoveLeftovers(const std::wstring& target) {
  const std::size_t slash = target.find_last_of(L"\\/");
  const std::wstring folder = target.substr(0, slash == std::wstring::npos ? 0 : slash + 1);
  const std::wstring prefix = target.substr(folder.size()) + L".~tmp";
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((target + L".~tmp*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const DWORD writer = WriterOf(found.cFileName, prefix);
    if (writer == 0 || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    // Ours are never being written now: the write runs to its end on this thread.
    if (writer == GetCurrentProcessId() || !IsRunning(writer))
      DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(Wide(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory cannot be opened at all.
  FileHandle file{CreateFileW(
      Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return std::nullopt;
  if (GetFileType(file.h) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.h, &size) || size.QuadPart < 0 ||
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
    if (!ReadFile(file.h, buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    if (bytes.size() + got > kMaxReadBytes) return std::nullopt;
    bytes.append(buffer, got);
  }
  return bytes;
}

bool CreateFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  const std::wstring target = Wide(path);
  RemoveLeftovers(target);
  // Beside the target, so that the move is a rename within one volume.
  std::wstring temp;
  FileHandle file{INVALID_HANDLE_VALUE};
  for (int attempt = 0; attempt < 16 && file.h == INVALID_HANDLE_VALUE; ++attempt) {
    temp = target + L".~tmp" + std::to_wstring(GetCurrentProcessId());
    if (attempt > 0) temp += L"." + std::to_wstring(attempt);
    file.h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    if (file.h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS &&
        GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
  }
  if (file.h == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file.h, bytes) && FlushFileBuffers(file.h);
  ::CloseHandle(file.h);
  file.h = INVALID_HANDLE_VALUE;
  // No MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile is kept.
  if (written && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temp.c_str());
  return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  FileHandle file{CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return false;
  return WriteAll(file.h, bytes);
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

}  // namespace lornel::win32
