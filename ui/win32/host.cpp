#include "ui/win32/host.h"

#include <windows.h>
#include <shellapi.h>

#include <iterator>
#include <vector>

#include "ui/win32/files.h"
#include "ui/win32/text.h"

namespace lornel::win32 {

ui::MessageResult Win32Host::ShowMessageBox(std::string_view text, std::string_view title,
                                            unsigned flags, ui::Handle owner) {
  HWND ownerWindow = reinterpret_cast<HWND>(owner);
  // On the stack: the fatal report (at most 1023 bytes) comes here when memory has run out.
  wchar_t wideText[1024], wideTitle[64];
  if (WideInto(text, wideText, std::size(wideText)) &&
      WideInto(title, wideTitle, std::size(wideTitle)))
    return static_cast<ui::MessageResult>(MessageBoxW(ownerWindow, wideText, wideTitle, flags));
  return static_cast<ui::MessageResult>(
      MessageBoxW(ownerWindow, Wide(text).c_str(), Wide(title).c_str(), flags));
}

void Win32Host::ShellOpen(const std::string& path) {
  ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, L"", SW_SHOWNORMAL);
}

void Win32Host::InjectKey(int virtualKey, bool release) {
  keybd_event(static_cast<BYTE>(virtualKey), 0, release ? KEYEVENTF_KEYUP : 0, 0);
}

bool Win32Host::PathExists(const std::string& path) { return win32::PathExists(path); }
std::optional<std::string> Win32Host::ReadWholeFile(const std::string& path) {
  return win32::ReadWholeFile(path);
}
bool Win32Host::CreateFileAtomically(const std::string& path, std::string_view bytes) {
  return win32::CreateFileAtomically(path, bytes);
}
bool Win32Host::WriteWholeFile(const std::string& path, std::string_view bytes) {
  return win32::WriteWholeFile(path, bytes);
}
bool Win32Host::SetHiddenAttributeOnly(const std::string& path) {
  return win32::SetHiddenAttributeOnly(path);
}

std::string Win32Host::ModuleFileName() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return Gbk(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

bool Win32Host::ChangeDirectory(const std::string& path) {
  return SetCurrentDirectoryW(Wide(path).c_str()) != FALSE;
}

std::string Win32Host::CurrentDirectory() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, buffer);
  // At most 260 characters; a longer directory counts as a failed call.
  if (n == 0 || n > MAX_PATH) return {};
  return Gbk(std::wstring_view(buffer, n));
}

void Win32Host::ExitProcess(int code) { ::ExitProcess(static_cast<UINT>(code)); }

ui::Handle Win32Host::OpenNamedMutex(const std::string& name) {
  return reinterpret_cast<ui::Handle>(OpenMutexW(MUTEX_MODIFY_STATE, FALSE, Wide(name).c_str()));
}

ui::MutexResult Win32Host::CreateNamedMutex(const std::string& name) {
  HANDLE handle = CreateMutexW(nullptr, TRUE, Wide(name).c_str());
  const bool existed = handle && GetLastError() == ERROR_ALREADY_EXISTS;
  return {reinterpret_cast<ui::Handle>(handle), existed};
}

void Win32Host::CloseHandle(ui::Handle handle) { ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

ui::Handle Win32Host::LoadLibraryAt(const std::string& fullPath) {
  return reinterpret_cast<ui::Handle>(LoadLibraryW(Wide(fullPath).c_str()));
}

ui::Handle Win32Host::LoadLibraryFromSystemDirectories(const std::string& name) {
  const std::wstring wide = Wide(name);
  // The application directory, System32 and added directories only: never the
  // current directory or PATH, where a planted DLL could be waiting.
  HMODULE module = LoadLibraryExW(wide.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {
    // Systems without the safe search flags: System32 by its full path.
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
      module = LoadLibraryW((std::wstring(system, n) + L"\\" + wide).c_str());
  }
  return reinterpret_cast<ui::Handle>(module);
}

void* Win32Host::FindExport(ui::Handle module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

void Win32Host::FreeLibrary(ui::Handle module) { ::FreeLibrary(reinterpret_cast<HMODULE>(module)); }

int Win32Host::CallSkinAttach(void* entry, const void* data, int size, const char* text) {
  using Attach = int(__stdcall*)(const void*, int, const char*, int, int, int);
  return reinterpret_cast<Attach>(entry)(data, size, text, 0, 0, 0);
}

}  // namespace lornel::win32
