// Win32 implementations of the Host's file functions, for GBK paths. They
// call the W functions, so paths work whatever the system's ANSI code page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/host.h"

namespace lornel::win32 {

// A find-first-file query: any entry counts, a directory too.
bool PathExists(const std::string& path);
// The bytes of a regular file; nullopt for a directory, a missing or locked
// file, or one too large to hold (beyond 512 MiB).
std::optional<std::string> ReadWholeFile(const std::string& path);
// As ReadWholeFile, saying why a file cannot be read.
platform::FileRead ReadFileChecked(const std::string& path);
// The hidden attribute alone (not read-only, not archive).
bool SetHiddenAttributeOnly(const std::string& path);
// All of bytes into an open file, in pieces WriteFile can take.
bool WriteAll(HANDLE file, std::string_view bytes);
platform::FileProblem ProblemOf(DWORD error);

// The one atomic writer (replace.cpp). Both write bytes to "<path>.~tmp<pid>"
// (or "<path>.~tmp<pid>.<n>") beside path, flush it, and only then put it in
// place; temporaries that killed writers left are removed first.
//
// Moves the temporary to path only if nothing stands there; false, with no
// temporary left, otherwise.
bool CreateFileAtomically(const std::string& path, std::string_view bytes);
// Puts the temporary in path's place, the file there becoming backupPath,
// with path's attributes kept; refused, nothing has changed.
bool ReplaceFileWhole(const std::string& path, std::string_view bytes);
platform::FileWrite ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                             const std::string& backupPath);

}  // namespace lornel::win32
