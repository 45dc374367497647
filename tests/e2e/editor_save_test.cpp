// The question editor saving onto a file that cannot be written: refused
// with a message naming that file, and nothing left beside it; a hidden
// file stays hidden after a save.
#include <gtest/gtest.h>

#include "editor/ids.h"
#include "tests/e2e/abuse_support.h"
#include "tests/e2e/driver.h"
#include "tests/win32/support/unix_shell.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;

struct Found {
  DWORD pid;
  HWND window = nullptr;
};

BOOL CALLBACK FindEditorWindow(HWND hwnd, LPARAM data) {
  auto* f = reinterpret_cast<Found*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (pid != f->pid || !IsWindowVisible(hwnd) || std::wstring(cls) != L"LornelWindow") return TRUE;
  f->window = hwnd;
  return FALSE;
}

TEST(EditorSave, AnImmutableFileIsRefusedByNameAndAHiddenOneStaysHidden) {
  ASSERT_FALSE(BuiltEditor().empty()) << "--editor= names lornel-editor.exe";
  const std::wstring dir = FreshDirectory(L"editor-save");
  const std::wstring file = Join(dir, L"wtda.ini");
  const auto example = ReadBytes(ExampleFile());
  ASSERT_TRUE(example);
  WriteBytes(file, *example);
  Program p = Program::StartCopyOf(BuiltEditor(), dir, L"lornel-editor.exe");
  Found f{p.pid()};
  WaitUntil([&] { return EnumWindows(FindEditorWindow, reinterpret_cast<LPARAM>(&f)), f.window; },
            15000);
  ASSERT_TRUE(f.window);
  p.WaitForInputIdle();
  const HWND title = Program::Control(f.window, static_cast<int>(editor::TitleBox(1)));
  const HWND save = Program::Control(f.window, static_cast<int>(EditorId::SaveButton));
  SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"新的题目"));
  {
    test::Immutable immutable(file);
    ASSERT_TRUE(immutable.ok()) << "chattr +i is not allowed here";
    Click(save);
    auto refused = p.WaitForMessageBox();
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("没有权限写入“" + Gbk(file) + "”"), std::string::npos)
        << refused->text;
    Program::Answer(*refused, IDOK);
  }
  EXPECT_EQ(ReadBytes(file), example);
  for (const std::wstring& name : Names(dir))
    EXPECT_NE(name.rfind(L"wtda.ini.", 0), 0u) << Gbk(name);

  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
  Click(save);
  EXPECT_TRUE(WaitUntil(
      [&] { return ReadBytes(file).value_or("").find("新的题目") != std::string::npos; }));
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(ReadBytes(file + L".bak"), example);
  PostMessageW(f.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(p.WaitForExit(5000), 0u);
}

}  // namespace
}  // namespace lornel::e2e
