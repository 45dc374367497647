// The one atomic writer of both programs: the default wtda.ini and the skin
// library (never over a file), the editor's save (over the file, keeping the
// previous one as a backup) and the lesson's round file (over the file).
#include <cwchar>

#include "platform/win32/files.h"
#include "platform/win32/owned.h"
#include "platform/win32/text.h"

namespace lornel::win32 {
namespace {

using platform::FileAt;
using platform::FileProblem;
using platform::FileWrite;

// A file another program holds for a moment (the quiz while it reads a
// value, a virus scanner after a write) is waited for: 20 x 50 ms.
constexpr int kRetries = 20;
constexpr DWORD kRetryMs = 50;

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
  const OwnedHandle process{OpenProcess(SYNCHRONIZE, FALSE, pid)};
  // A process that is not ours to open is still running.
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

// Deletes a file whatever its read-only mark (DeleteFileW refuses one that has it).
void Remove(const std::wstring& path) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path.c_str());
}

// The temporaries that killed writers left beside file. That of a writer
// still running may be in the middle of its write and stays (held open without
// sharing, it could not be deleted anyway); an id that another process took
// again only keeps a leftover until a later write.
void RemoveLeftovers(const std::wstring& file) {
  const std::size_t slash = file.find_last_of(L"\\/");
  const std::wstring folder = file.substr(0, slash == std::wstring::npos ? 0 : slash + 1);
  const std::wstring prefix = file.substr(folder.size()) + L".~tmp";
  WIN32_FIND_DATAW found;
  const OwnedFind search{FindFirstFileW((file + L".~tmp*").c_str(), &found)};
  if (!search) return;
  do {
    const DWORD writer = WriterOf(found.cFileName, prefix);
    if (writer == 0 || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    // Ours are never being written now: a write runs to its end on one thread.
    if (writer == GetCurrentProcessId() || !IsRunning(writer)) Remove(folder + found.cFileName);
  } while (FindNextFileW(search.get(), &found));
}

// A free name "<file>.~tmp<pid>[.<n>]" taken by a new file of bytes, written
// and flushed; "" with the reason in error when the folder takes none.
std::wstring WriteTemporary(const std::wstring& file, std::string_view bytes, DWORD& error) {
  const std::wstring base = file + L".~tmp" + std::to_wstring(GetCurrentProcessId());
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::wstring name = attempt == 0 ? base : base + L"." + std::to_wstring(attempt);
    OwnedFile temp{CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!temp) {
      error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return {};
    }
    if (WriteAll(temp.get(), bytes) && FlushFileBuffers(temp.get())) return name;
    error = GetLastError();
    temp.Reset();
    DeleteFileW(name.c_str());
    return {};
  }
  error = ERROR_FILE_EXISTS;
  return {};
}

// A free name for the earlier backup while the new one is made.
std::wstring AsideName(const std::wstring& backup) {
  const std::wstring base = backup + L".~tmp" + std::to_wstring(GetCurrentProcessId());
  std::wstring name = base;
  for (int n = 1; n < 16 && GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; ++n)
    name = base + L"." + std::to_wstring(n);
  return name;
}

bool Busy(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether the file can be replaced at all, asked before anything is made: it
// must open for writing and deletion while others go on reading it. The
// read-only mark refuses it as ReplaceFileW on Windows would (Wine's root
// opens such a file for writing; chattr +i is what stops it there).
DWORD CheckReplaceable(const std::wstring& target, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
  for (int attempt = 0;; ++attempt) {
    const OwnedFile probe{CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (probe) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    // Held without FILE_SHARE_DELETE for a moment; denied is for good.
    if ((error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) || attempt == kRetries)
      return error;
    Sleep(kRetryMs);
  }
}

// ReplaceFileW keeps the target's attributes, security and creation time on
// the new file and makes the old one the backup in the same call. A file held
// without FILE_SHARE_DELETE fails it with ERROR_SHARING_VIOLATION (Wine) or
// ERROR_UNABLE_TO_REMOVE_REPLACED (Windows), having changed nothing.
DWORD Replace(const std::wstring& target, const std::wstring& temp, const std::wstring& backup) {
  for (int attempt = 0;; ++attempt) {
    if (ReplaceFileW(target.c_str(), temp.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr))
      return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
      // The old file already carries the backup's name: back into its place.
      MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
      return error;
    }
    if (!Busy(error) || attempt == kRetries) return error;
    Sleep(kRetryMs);
  }
}

// Wine 8.0's ReplaceFileW gives the new file fresh
// attributes: a hidden wtda.ini would come back plain. Windows keeps them,
// and then this changes nothing.
void KeepMarks(const std::wstring& target, DWORD before) {
  const DWORD kept =
      before & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
  const DWORD now = GetFileAttributesW(target.c_str());
  if (now != INVALID_FILE_ATTRIBUTES && (now & kept) != kept)
    SetFileAttributesW(target.c_str(), (now & ~FILE_ATTRIBUTE_NORMAL) | kept);
}

// A temporary beside path holding bytes, written and flushed, the leftovers of
// killed writers gone; "" (nothing made) when the folder takes none.
std::wstring TemporaryFor(const std::wstring& target, std::string_view bytes) {
  RemoveLeftovers(target);
  DWORD error = 0;
  return WriteTemporary(target, bytes, error);
}

}  // namespace

bool CreateFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  const std::wstring target = Wide(path);
  const std::wstring temp = TemporaryFor(target, bytes);
  if (temp.empty()) return false;
  // No MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile is kept.
  if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temp.c_str());
  return false;
}

bool ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  const std::wstring target = Wide(path);
  const std::wstring temp = TemporaryFor(target, bytes);
  if (temp.empty()) return false;
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(temp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    if (!Busy(GetLastError()) || attempt == kRetries) break;
    Sleep(kRetryMs);
  }
  Remove(temp);
  return false;
}

FileWrite ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                   const std::string& backupPath) {
  if (path.empty() || backupPath.empty()) return {FileProblem::Failed, FileAt::Target};
  const std::wstring target = Wide(path), backup = Wide(backupPath);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists) {
    const DWORD error = GetLastError();
    if (error == ERROR_PATH_NOT_FOUND) return {FileProblem::Missing, FileAt::Folder};
    if (error != ERROR_FILE_NOT_FOUND) return {ProblemOf(error), FileAt::Target};
  } else {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {FileProblem::Directory, FileAt::Target};
    if (const DWORD error = CheckReplaceable(target, attributes))
      return {ProblemOf(error), FileAt::Target};
  }
  const DWORD oldBackup = exists ? GetFileAttributesW(backup.c_str()) : INVALID_FILE_ATTRIBUTES;
  if (oldBackup != INVALID_FILE_ATTRIBUTES && (oldBackup & FILE_ATTRIBUTE_DIRECTORY))
    return {FileProblem::Directory, FileAt::Backup};

  RemoveLeftovers(target);
  RemoveLeftovers(backup);
  DWORD error = 0;
  const std::wstring temp = WriteTemporary(target, bytes, error);
  if (temp.empty()) return {ProblemOf(error), FileAt::Folder};
  if (!exists) {
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
    error = GetLastError();
    DeleteFileW(temp.c_str());
    return {ProblemOf(error), FileAt::Target};
  }

  // The earlier backup steps aside rather than being overwritten: renaming
  // works whatever its read-only or hidden mark (MoveFileExW and ReplaceFileW
  // refuse to write over a read-only one on Windows), and on a failure it
  // comes back exactly as it was.
  std::wstring aside;
  if (oldBackup != INVALID_FILE_ATTRIBUTES) {
    aside = AsideName(backup);
    if (!MoveFileExW(backup.c_str(), aside.c_str(), 0)) {
      error = GetLastError();
      DeleteFileW(temp.c_str());
      return {ProblemOf(error), FileAt::Backup};
    }
  }
  error = Replace(target, temp, backup);
  if (error == ERROR_SUCCESS) {
    if (!aside.empty()) Remove(aside);
    KeepMarks(target, attributes);
    return {};
  }
  // The temporary may have taken the target's read-only mark on the way.
  Remove(temp);
  if (!aside.empty()) MoveFileExW(aside.c_str(), backup.c_str(), 0);
  return {ProblemOf(error), FileAt::Target};
}

}  // namespace lornel::win32
