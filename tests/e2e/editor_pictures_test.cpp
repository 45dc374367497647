// The editor's new values saved by the real program: a picture chosen in the
// Open dialog from another folder lands in "图片" beside wtda.ini, and the
// other answers, a question's own seconds and a switch reach the file.
#include <gtest/gtest.h>

#include "editor/ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;

// The file name box of the Open dialog: an edit in the combo box cmb13, or edt1.
HWND FileNameBox(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, 0x47C)) {
    if (HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr)) return edit;
    return combo;
  }
  return GetDlgItem(dialog, 0x480);
}

TEST(EditorPictures, APictureFromAnotherFolderIsCopiedAndTheNewValuesSaved) {
  ASSERT_FALSE(BuiltEditor().empty()) << "--editor= names lornel-editor.exe";
  const std::wstring dir = FolderWithExample(L"editor-pictures");
  const std::wstring file = Join(dir, L"wtda.ini");
  const std::wstring elsewhere = FreshDirectory(L"editor-pictures-album");
  const std::string cat = "\xFF\xD8\xFF\xE0 a cat";
  WriteBytes(Join(elsewhere, Wide("猫.jpg")), cat);
  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  EXPECT_FALSE(Enabled(e.Of(editor::PictureClear(2))));
  // The sample turns pinyin on; the teacher turns it off.
  EXPECT_EQ(SendMessageW(e.Of(EditorId::PinyinCheck), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(e.Of(EditorId::SoundCheck), BM_GETCHECK, 0, 0), BST_CHECKED);

  Click(e.Of(editor::PictureButton(2)));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (dialog = FindWindowW(L"#32770", Wide("选择题目图片").c_str())) != nullptr; }));
  HWND name = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (name = FileNameBox(dialog)) != nullptr; }));
  SetValue(name, Join(elsewhere, Wide("猫.jpg")));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return Text(e.Of(editor::PictureName(2))) == "猫.jpg"; }))
      << Text(e.Of(editor::PictureName(2)));
  EXPECT_EQ(ReadBytes(Join(dir, Wide("图片\\猫.jpg"))), cat);
  EXPECT_TRUE(Enabled(e.Of(editor::PictureClear(2))));

  SetValue(e.Of(editor::OtherAnswersBox(1)), L"Beijing|" + Wide("北京市"));
  SetValue(e.Of(editor::OwnCountdownBox(1)), L"45");
  Click(e.Of(EditorId::PinyinCheck));
  EXPECT_TRUE(WaitUntil([&] { return e.Modified(); })) << e.Caption();
  Click(e.Of(EditorId::SaveButton));
  // Without pinyin the Chinese answers need a physical keyboard: saved all the same.
  auto warning = e.p.WaitForMessageBox();
  ASSERT_TRUE(warning);
  EXPECT_NE(warning->text.find("屏幕键盘打不出"), std::string::npos) << warning->text;
  Program::Answer(*warning, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return !e.Modified(); }, 8000)) << e.Caption();
  EXPECT_EQ(Profile(file, "题目图片：", "第二题图片"), "图片\\猫.jpg");
  EXPECT_EQ(Profile(file, "其他答案：", "第一题其他答案"), "Beijing|北京市");
  EXPECT_EQ(Profile(file, "每题倒计时：", "第一题倒计时"), "45");
  EXPECT_EQ(Profile(file, "判题方式：", "拼音作答"), "0");
  EXPECT_EQ(Profile(file, "声音：", "开启声音"), "1");  // the sample's, untouched
  PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(e.p.WaitForExit(5000), 0u);
}

}  // namespace
}  // namespace lornel::e2e
