// What the tests of SkinH_EL.dll share: the DLL beside the test binary, the
// generated skins, and the child process the restyling tests run in.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "skinlib/format/skin_format.h"

namespace lornel::test::skin {

using AttachFn = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);
using Bytes = std::vector<unsigned char>;

inline std::wstring ExeDir() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir = path;
  return dir.substr(0, dir.find_last_of(L'\\'));
}

inline Bytes ReadWhole(const std::wstring& path) {
  Bytes bytes;
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  const DWORD size = GetFileSize(file, nullptr);
  bytes.resize(size);
  DWORD read = 0;
  if (size && !ReadFile(file, bytes.data(), size, &read, nullptr)) read = 0;
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

// The generated skins lie in the build tree: two folders up from the test
// binary, or where the build says (a Unix path, reached through drive Z:).
inline Bytes SkinBytes(int number) {
  wchar_t name[32];
  std::swprintf(name, 32, L"skin%02d.she", number);
  Bytes bytes = ReadWhole(ExeDir() + L"\\..\\..\\skinlib\\skins\\" + name);
  if (bytes.empty()) {
    std::string dir = LORNEL_SKIN_DIR;
    bytes = ReadWhole(L"Z:" + std::wstring(dir.begin(), dir.end()) + L"/" + name);
  }
  return bytes;
}

inline lornel::skin::SkinData Parsed(const Bytes& bytes) {
  lornel::skin::SkinData skin{};
  EXPECT_EQ(lornel::skin::ParseSkin(bytes.data(), static_cast<long long>(bytes.size()), &skin),
            lornel::skin::ParseError::kNone);
  return skin;
}

// Attaching changes the process for good (the thread's hook, the redirected
// imports), so each restyling suite runs alone in a child process of the test
// binary; in the parent its tests skip.
// A client pixel as painted now.
inline COLORREF Pixel(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

inline bool InSkinChild() { return GetEnvironmentVariableW(L"LORNEL_SKIN_CHILD", nullptr, 0) != 0; }

inline void RunSuiteInChild(const std::wstring& suite) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_filter=" + suite + L".*";
  SetEnvironmentVariableW(L"LORNEL_SKIN_CHILD", L"1");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(exe, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableW(L"LORNEL_SKIN_CHILD", nullptr);
  ASSERT_TRUE(started);
  const DWORD waited = WaitForSingleObject(process.hProcess, 300000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(code, 0u) << "the child process failed (its output is above)";
}

// The entry of the freshly built DLL, or null.
inline AttachFn LoadAttach() {
  HMODULE library = LoadLibraryW((ExeDir() + L"\\SkinH_EL.dll").c_str());
  return library ? reinterpret_cast<AttachFn>(
                       reinterpret_cast<void*>(GetProcAddress(library, "SkinH_AttachRes")))
                 : nullptr;
}

}  // namespace lornel::test::skin
