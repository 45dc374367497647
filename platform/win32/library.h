// Loading DLLs without letting a planted copy in the current directory or on
// PATH be picked up.
#pragma once

#include <windows.h>

namespace lornel::win32 {

// Once, first thing in a process: later bare-name loads search only the
// application directory, System32 and added directories. Looked up at run
// time; Windows 7 without KB2533623 has no SetDefaultDllDirectories.
void HardenLibrarySearch();

// A system DLL by bare name ("comdlg32.dll"), from System32 only; nullptr
// when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace lornel::win32
