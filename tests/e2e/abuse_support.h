// What the abuse tests need beyond the driver: Linux commands run from the
// Windows side (a read-only directory is made on the Linux side), the
// processes the program started (the editor of the repair exit), directory
// listings, and message boxes answered without waiting.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/win32/support/unix_shell.h"

namespace lornel::e2e {

using test::RunUnix;
using test::UnixPath;

// A directory in which nothing can be created, renamed or deleted, for as long
// as the object lives. How: the Linux immutable attribute (which stops root
// too), or a read-only bind mount of the directory onto itself (a read-only
// medium). ok() is false when this machine allows neither; why() says so.
class ReadOnlyDirectory {
 public:
  enum class Way { Immutable, ReadOnlyMount };
  ReadOnlyDirectory(const std::wstring& dir, Way way);
  ~ReadOnlyDirectory();
  ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
  ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;
  bool ok() const { return ok_; }
  const std::string& why() const { return why_; }

 private:
  std::string unix_;
  Way way_;
  bool ok_ = false;
  std::string why_;
};

// Names in a directory ("." and ".." left out), with their sizes.
std::vector<std::pair<std::wstring, unsigned long long>> Listing(const std::wstring& dir);
std::set<std::wstring> Names(const std::wstring& dir);

// Deletes a test's directory and what is in it (attributes cleared first).
void RemoveTree(const std::wstring& dir);

// Every process that pid started, and what those started, still running;
// not Wine's own (the virtual desktop's explorer.exe is started by the first
// program that shows a window: ending it would end the desktop under the
// programs that come after).
std::vector<DWORD> Descendants(DWORD pid);
// Ends them, by id (the editor that the repair exit opened, or its dialogs).
void EndDescendants(DWORD pid);

// A number from the environment; fallback when it is unset or empty.
inline int EnvNumber(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

// Presses a button of a message box and returns at once.
void PressBoxButton(HWND box, int button);
// Text of a message box (its static text), GBK.
std::string BoxText(HWND box);

}  // namespace lornel::e2e
