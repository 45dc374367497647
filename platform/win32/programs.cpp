// Other programs: the same file by another spelling, starting an executable
// in its own folder, and finding and raising the window of one that runs.
#include <windows.h>

#include <vector>

#include "platform/win32/host.h"
#include "platform/win32/owned.h"
#include "platform/win32/text.h"

namespace lornel::win32 {
namespace {

std::wstring FullPath(const std::wstring& path) {
  const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  if (written == 0 || written >= n) return path;
  full.resize(written);
  return full;
}

// Opened for no access at all, which neither a sharing mode nor a
// read-only file refuses; folders need FILE_FLAG_BACKUP_SEMANTICS.
bool Identity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION* info) {
  OwnedFile file(CreateFileW(path.c_str(), 0,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file && GetFileInformationByHandle(file.get(), info);
}

bool SameWidePath(const std::wstring& a, const std::wstring& b) {
  const std::wstring fullA = FullPath(a), fullB = FullPath(b);
  if (CompareStringOrdinal(fullA.c_str(), -1, fullB.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
  BY_HANDLE_FILE_INFORMATION infoA, infoB;
  return Identity(fullA, &infoA) && Identity(fullB, &infoB) &&
         infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
         infoA.nFileIndexHigh == infoB.nFileIndexHigh && infoA.nFileIndexLow == infoB.nFileIndexLow;
}

std::wstring ImageOf(DWORD pid) {
  OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return {};
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = static_cast<DWORD>(buffer.size());
    if (QueryFullProcessImageNameW(process.get(), 0, buffer.data(), &n))
      return std::wstring(buffer.data(), n);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

struct Search {
  std::wstring path, windowClass, title;
  HWND found = nullptr;
};

BOOL CALLBACK Consider(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  wchar_t text[128];
  // A second copy hides its main window behind the notice: only a shown one counts.
  if (!IsWindowVisible(hwnd)) return TRUE;
  if (GetClassNameW(hwnd, text, 128) == 0 || search->windowClass != text) return TRUE;
  text[0] = L'\0';
  GetWindowTextW(hwnd, text, 128);
  if (search->title != text) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const std::wstring image = ImageOf(pid);
  if (image.empty() || !SameWidePath(image, search->path)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

bool Win32Host::SameFile(const std::string& a, const std::string& b) {
  return SameWidePath(Wide(a), Wide(b));
}

bool Win32Host::StartProgram(const std::string& path, const std::string& directory) {
  const std::wstring application = Wide(path);
  std::wstring commandLine = L"\"" + application + L"\"";  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Wide(directory).c_str(), &startup, &started))
    return false;
  OwnedHandle process(started.hProcess), thread(started.hThread);
  WaitForInputIdle(process.get(), 10000);
  return true;
}

platform::Handle Win32Host::FindProgramWindow(const std::string& path,
                                              const std::string& windowClass,
                                              const std::string& title) {
  Search search{Wide(path), Wide(windowClass), Wide(title)};
  EnumWindows(Consider, reinterpret_cast<LPARAM>(&search));
  return reinterpret_cast<platform::Handle>(search.found);
}

void Win32Host::BringWindowToFront(platform::Handle window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  // Allowed: the editor is the foreground process when its button is pressed.
  SetForegroundWindow(hwnd);
}

}  // namespace lornel::win32
