// What the question editor needs of the platform beyond the program's own
// file functions: why a file cannot be read, replacing a file while keeping
// the previous one, and the clipboard's text.
#include <windows.h>

#include "ui/win32/files.h"
#include "ui/win32/host.h"
#include "ui/win32/text.h"

namespace lornel::win32 {
namespace {

constexpr unsigned long long kMaxReadBytes = 512ull << 20;

ui::FileProblem ProblemOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ui::FileProblem::Missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return ui::FileProblem::Denied;
    default:
      return ui::FileProblem::Failed;
  }
}

}  // namespace

ui::FileRead Win32Host::ReadFileChecked(const std::string& path) {
  const std::wstring wide = Wide(path);
  WIN32_FILE_ATTRIBUTE_DATA about{};
  if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &about))
    return {ProblemOf(GetLastError()), {}};
  if (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return {ui::FileProblem::Directory, {}};
  const unsigned long long size =
      static_cast<unsigned long long>(about.nFileSizeHigh) << 32 | about.nFileSizeLow;
  if (size > kMaxReadBytes) return {ui::FileProblem::TooLarge, {}};
  if (auto bytes = win32::ReadWholeFile(path)) return {ui::FileProblem::None, std::move(*bytes)};
  // Say why: open it again the way the reader does.
  HANDLE probe = CreateFileW(wide.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return {ProblemOf(GetLastError()), {}};
  ::CloseHandle(probe);
  return {ui::FileProblem::Failed, {}};  // grew past the limit, or failed while reading
}

ui::FileProblem Win32Host::ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                                    const std::string& backupPath) {
  const std::wstring target = Wide(path), backup = Wide(backupPath);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ui::FileProblem::Directory;
  // Beside the target, so that the move is a rename within one volume.
  const std::wstring temp = target + L".~tmp" + std::to_wstring(GetCurrentProcessId());
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ProblemOf(GetLastError());
  const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  const DWORD writeError = GetLastError();
  ::CloseHandle(file);
  auto fail = [&](DWORD error) {
    DeleteFileW(temp.c_str());
    return ProblemOf(error);
  };
  if (!written) return fail(writeError);
  // A copy, so that the file stays at path until the rename replaces it.
  if (exists && !CopyFileW(target.c_str(), backup.c_str(), FALSE)) return fail(GetLastError());
  // A file open elsewhere cannot be renamed over, even when opened with
  // FILE_SHARE_DELETE; the program holds wtda.ini only for the moment of a
  // read (and Notepad not at all), so a few short waits outlast it.
  const DWORD how = MOVEFILE_WRITE_THROUGH | (exists ? MOVEFILE_REPLACE_EXISTING : 0);
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(temp.c_str(), target.c_str(), how)) return ui::FileProblem::None;
    const DWORD error = GetLastError();
    const bool busy = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
    if (!busy || attempt == 20) return fail(error);
    Sleep(50);
  }
}

std::optional<std::u16string> Win32Host::ClipboardText() {
  // Another program may hold the clipboard for a moment.
  bool open = false;
  for (int attempt = 0; attempt < 10 && !(open = OpenClipboard(nullptr) != FALSE); ++attempt)
    Sleep(20);
  if (!open) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      const std::size_t limit = GlobalSize(data) / sizeof(char16_t);
      std::size_t length = 0;
      while (length < limit && units[length]) ++length;
      text = std::u16string(units, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace lornel::win32
