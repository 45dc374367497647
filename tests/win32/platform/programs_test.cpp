// The Host's look at other programs on Win32 under Wine: one file by other
// spellings, a failed start, and a program's window found and raised.
#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/host.h"
#include "platform/win32/text.h"
#include "tests/win32/config/temp_dir.h"

namespace lornel::win32 {
namespace {

using test::TempDir;

TEST(Win32Programs, SameFileByAnotherSpelling) {
  TempDir dir;
  Win32Host host;
  const std::string file = dir / "wtda.ini";
  test::WriteBytes(file, "x");
  test::WriteBytes(dir / "other.ini", "x");
  CreateDirectoryW(Wide(dir / "子目录").c_str(), nullptr);
  const std::string upper = dir.path() + "\\WTDA.INI";
  EXPECT_TRUE(host.SameFile(file, upper));
  EXPECT_TRUE(host.SameFile(file, dir / "子目录\\..\\.\\wtda.ini"));
  EXPECT_FALSE(host.SameFile(file, dir / "other.ini"));
  ASSERT_TRUE(CreateHardLinkW(Wide(dir / "link.ini").c_str(), Wide(file).c_str(), nullptr));
  EXPECT_TRUE(host.SameFile(file, dir / "link.ini"));
  // Files not yet written compare by name.
  EXPECT_TRUE(host.SameFile(dir / "new.ini", dir.path() + "\\NEW.ini"));
  EXPECT_FALSE(host.SameFile(dir / "new.ini", dir / "new2.ini"));
  EXPECT_FALSE(host.StartProgram(dir / "lornel.exe", dir.path()));
}

TEST(Win32Programs, FindsAShownWindowOfThisProgramAndRestoresIt) {
  Win32Host host;
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LornelFindMe";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(L"LornelFindMe", L"找我", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(window);
  const std::string self = host.ModuleFileName();
  EXPECT_EQ(host.FindProgramWindow(self, "LornelFindMe", "找我"), 0u);  // not shown yet
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_EQ(host.FindProgramWindow(self, "LornelFindMe", "找我"),
            reinterpret_cast<platform::Handle>(window));
  EXPECT_EQ(host.FindProgramWindow(self + ".other", "LornelFindMe", "找我"), 0u);
  EXPECT_EQ(host.FindProgramWindow(self, "LornelFindMe", "别的"), 0u);
  host.BringWindowToFront(reinterpret_cast<platform::Handle>(window));
  EXPECT_FALSE(IsIconic(window));
  DestroyWindow(window);
}

}  // namespace
}  // namespace lornel::win32
