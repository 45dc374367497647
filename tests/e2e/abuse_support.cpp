#include "tests/e2e/abuse_support.h"

#include <tlhelp32.h>

#include <map>

namespace lornel::e2e {

ReadOnlyDirectory::ReadOnlyDirectory(const std::wstring& dir, Way way)
    : unix_(UnixPath(dir)), way_(way) {
  if (unix_.empty()) {
    why_ = "not running under Wine";
    return;
  }
  const std::string quoted = "'" + unix_ + "'";
  const std::string command = way == Way::Immutable
                                  ? "chattr +i " + quoted
                                  : "mount --bind " + quoted + " " + quoted +
                                        " && mount -o remount,ro,bind " + quoted + " " + quoted;
  const std::optional<int> status = RunUnix(command + " 2>/dev/null");
  ok_ = status == 0;
  if (!ok_) {
    why_ = "'" + command + "' " +
           (status ? "failed with status " + std::to_string(*status) : "did not run");
    // A mount that was made before the remount failed is taken down again.
    if (way == Way::ReadOnlyMount) RunUnix("umount " + quoted + " 2>/dev/null");
    return;
  }
  // Proof from the Windows side: a new file cannot be made.
  const std::wstring probe = Join(dir, L"probe.tmp");
  HANDLE f = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    CloseHandle(f);
    DeleteFileW(probe.c_str());
    ok_ = false;
    why_ = "the directory still takes new files";
  }
}

ReadOnlyDirectory::~ReadOnlyDirectory() {
  if (unix_.empty()) return;
  const std::string quoted = "'" + unix_ + "'";
  if (way_ == Way::Immutable) {
    RunUnix("chattr -i " + quoted + " 2>/dev/null");
  } else if (ok_) {
    RunUnix("umount " + quoted + " 2>/dev/null");
  }
}

std::vector<std::pair<std::wstring, unsigned long long>> Listing(const std::wstring& dir) {
  std::vector<std::pair<std::wstring, unsigned long long>> entries;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Join(dir, L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back(
        {name, (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

std::set<std::wstring> Names(const std::wstring& dir) {
  std::set<std::wstring> names;
  for (const auto& [name, size] : Listing(dir)) names.insert(name);
  return names;
}

namespace {

bool RemoveTreeOnce(const std::wstring& dir) {
  for (const auto& [name, size] : Listing(dir)) {
    const std::wstring path = Join(dir, name);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveTreeOnce(path);
    } else {
      DeleteFileW(path.c_str());
    }
  }
  return RemoveDirectoryW(dir.c_str()) || !FileExists(dir);
}

}  // namespace

// An executable stays mapped for a moment after its process was ended.
void RemoveTree(const std::wstring& dir) {
  WaitUntil([&] { return RemoveTreeOnce(dir); }, 3000);
}

namespace {

// Wine's services, and the process that draws the virtual desktop: it is a
// child of the first program that showed a window, and ending it takes the
// desktop from every program after. A file window that the program opened
// (explorer.exe too) is the program's own and is ended.
bool WinesOwn(const PROCESSENTRY32W& entry, DWORD desktop) {
  if (entry.th32ProcessID == desktop) return true;
  for (const wchar_t* own : {L"services.exe", L"winedevice.exe", L"plugplay.exe", L"svchost.exe",
                             L"rpcss.exe", L"conhost.exe", L"wineboot.exe"})
    if (_wcsicmp(entry.szExeFile, own) == 0) return true;
  return false;
}

}  // namespace

std::vector<DWORD> Descendants(DWORD pid) {
  DWORD desktop = 0;
  GetWindowThreadProcessId(GetDesktopWindow(), &desktop);
  std::multimap<DWORD, DWORD> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (entry.th32ProcessID != entry.th32ParentProcessID && !WinesOwn(entry, desktop))
      children.insert({entry.th32ParentProcessID, entry.th32ProcessID});
  CloseHandle(snapshot);
  std::vector<DWORD> found;
  std::vector<DWORD> todo{pid};
  while (!todo.empty()) {
    const DWORD parent = todo.back();
    todo.pop_back();
    const auto [first, last] = children.equal_range(parent);
    for (auto it = first; it != last; ++it) {
      found.push_back(it->second);
      todo.push_back(it->second);
    }
  }
  return found;
}

void EndDescendants(DWORD pid) {
  for (DWORD child : Descendants(pid)) {
    HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, child);
    if (!h) continue;
    TerminateProcess(h, 1);
    WaitForSingleObject(h, 5000);
    CloseHandle(h);
  }
}

void PressBoxButton(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

std::string BoxText(HWND box) { return Text(GetDlgItem(box, 0xFFFF)); }

}  // namespace lornel::e2e
