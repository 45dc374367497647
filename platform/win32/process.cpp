// The Host's view of this process: its file, its current directory, its end.
#include <windows.h>

#include <vector>

#include "platform/win32/host.h"
#include "platform/win32/text.h"

namespace lornel::win32 {

platform::LocalTime Win32Host::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
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

}  // namespace lornel::win32
