// Win32 implementations of the Host's file functions, for GBK paths. They
// call the W functions, so paths work whatever the system's ANSI code page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace lornel::win32 {

// A find-first-file query: any entry counts, a directory too.
bool PathExists(const std::string& path);
// The bytes of a regular file; nullopt for a directory, a missing or locked
// file, or one too large to hold (beyond 512 MiB).
std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes bytes to "<path>.~tmp<pid>" beside path, flushes it and moves it to
// path only if nothing stands there; false, with no temporary left, otherwise.
// Temporaries that killed writers left are removed first; those of a writer
// that still runs stay.
bool CreateFileAtomically(const std::string& path, std::string_view bytes);
// Create or truncate, write access, no sharing.
bool WriteWholeFile(const std::string& path, std::string_view bytes);
// The hidden attribute alone (not read-only, not archive).
bool SetHiddenAttributeOnly(const std::string& path);
// All of bytes into an open file, in pieces WriteFile can take.
bool WriteAll(HANDLE file, std::string_view bytes);

}  // namespace lornel::win32
