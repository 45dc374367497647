#include "tests/win32/support/unix_shell.h"

#include <windows.h>

#include <cstdlib>

#include "tests/win32/support/files.h"

namespace lornel::test {

std::string UnixPath(const std::wstring& windowsPath) {
  using Convert = char*(CDECL*)(const wchar_t*);
  static const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* unix = convert(windowsPath.c_str());
  if (!unix) return {};
  std::string path = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return path;
}

std::optional<int> RunUnix(const std::string& command, int timeoutMs) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring marker = std::wstring(temp) + L"lornel-unix-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++counter);
  DeleteFileW(marker.c_str());
  const std::string unixMarker = UnixPath(marker);
  if (unixMarker.empty()) return std::nullopt;
  // Written under another name and moved, so that a half-written status is never read.
  const std::string script =
      command + "; echo $? > " + unixMarker + ".part && mv " + unixMarker + ".part " + unixMarker;
  // Linux paths are UTF-8: a Chinese folder name must reach the shell whole.
  std::wstring wide(script.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, script.data(), static_cast<int>(script.size()),
                                  wide.data(), static_cast<int>(wide.size())));
  std::wstring line = L"\"Z:\\bin\\sh\" -c \"" + wide + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi))
    return std::nullopt;
  if (pi.hProcess) CloseHandle(pi.hProcess);
  if (pi.hThread) CloseHandle(pi.hThread);
  std::optional<std::string> status;
  for (DWORD start = GetTickCount();
       !(status = ReadFileBytes(marker)) && GetTickCount() - start < DWORD(timeoutMs);)
    Sleep(10);
  DeleteFileW(marker.c_str());
  if (!status || status->empty()) return std::nullopt;
  return std::atoi(status->c_str());
}

Immutable::Immutable(const std::wstring& path) {
  const std::string unix = UnixPath(path);
  if (unix.empty()) return;
  quoted_ = "'" + unix + "'";
  ok_ = RunUnix("chattr +i " + quoted_ + " 2>/dev/null") == 0;
}

Immutable::~Immutable() {
  if (ok_) RunUnix("chattr -i " + quoted_ + " 2>/dev/null");
}

}  // namespace lornel::test
