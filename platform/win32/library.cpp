#include "platform/win32/library.h"

#include <string>

#include "platform/win32/host.h"
#include "platform/win32/text.h"

namespace lornel::win32 {
namespace {

// The full path in System32, for systems that know no LOAD_LIBRARY_SEARCH_* flags.
HMODULE LoadFromSystemFolder(const std::wstring& name) {
  wchar_t system[MAX_PATH];
  const UINT n = GetSystemDirectoryW(system, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(system, n) + L"\\" + name).c_str());
}

}  // namespace

void HardenLibrarySearch() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Windows 7 without KB2533623 refuses the flag as an invalid parameter.
  if (!module && GetLastError() == ERROR_INVALID_PARAMETER) module = LoadFromSystemFolder(name);
  return module;
}

platform::Handle Win32Host::LoadLibraryAt(const std::string& fullPath) {
  return reinterpret_cast<platform::Handle>(LoadLibraryW(Wide(fullPath).c_str()));
}

platform::Handle Win32Host::LoadLibraryFromSystemDirectories(const std::string& name) {
  const std::wstring wide = Wide(name);
  // The application directory, System32 and added directories only: never the
  // current directory or PATH, where a planted DLL could be waiting.
  HMODULE module = LoadLibraryExW(wide.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  if (!module && GetLastError() == ERROR_INVALID_PARAMETER) module = LoadFromSystemFolder(wide);
  return reinterpret_cast<platform::Handle>(module);
}

void* Win32Host::FindExport(platform::Handle module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

void Win32Host::FreeLibrary(platform::Handle module) {
  ::FreeLibrary(reinterpret_cast<HMODULE>(module));
}

int Win32Host::CallSkinAttach(void* entry, const void* data, int size, const char* text) {
  using Attach = int(__stdcall*)(const void*, int, const char*, int, int, int);
  return reinterpret_cast<Attach>(entry)(data, size, text, 0, 0, 0);
}

}  // namespace lornel::win32
