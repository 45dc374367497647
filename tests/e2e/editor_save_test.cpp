// The question editor saving onto a file that cannot be written: refused
// with a message naming that file, and nothing left beside it; a hidden
// file stays hidden after a save.
#include <gtest/gtest.h>

#include "editor/ids.h"
#include "tests/e2e/abuse_support.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"
#include "tests/win32/support/unix_shell.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;

TEST(EditorSave, AnImmutableFileIsRefusedByNameAndAHiddenOneStaysHidden) {
  ASSERT_FALSE(BuiltEditor().empty()) << "--editor= names lornel-editor.exe";
  const std::wstring dir = FolderWithExample(L"editor-save");
  const std::wstring file = Join(dir, L"wtda.ini");
  const auto example = ReadBytes(file);
  EditorProgram editor(dir);
  ASSERT_TRUE(editor.window);
  Program& p = editor.p;
  const HWND title = editor.Of(editor::TitleBox(1));
  const HWND save = editor.Of(EditorId::SaveButton);
  SetValue(title, L"新的题目");
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
  PostMessageW(editor.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(p.WaitForExit(5000), 0u);
}

}  // namespace
}  // namespace lornel::e2e
