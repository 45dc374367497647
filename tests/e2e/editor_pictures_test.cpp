// The editor's new values saved by the real program: a picture chosen in the
// Open dialog from another folder lands in "图片" beside wtda.ini, shows in
// the preview and then in lornel.exe's question label, and the other
// answers, a question's own seconds and a switch reach the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;
using quiz::MainId;

// The file name box of the Open dialog: an edit in the combo box cmb13, or edt1.
HWND FileNameBox(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, 0x47C)) {
    if (HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr)) return edit;
    return combo;
  }
  return GetDlgItem(dialog, 0x480);
}

// A photo in the label's right part shows many colours; its plain
// background, a caption or the grey note very few.
bool ShowsAPicture(HWND label) {
  SettlePaint(GetAncestor(label, GA_ROOT));
  const Pixels shot = GrabWindow(label);
  std::vector<COLORREF> seen;
  for (int y = shot.height / 4; y < shot.height * 3 / 4; y += 3)
    for (int x = shot.width * 4 / 5; x < shot.width - 4; x += 3)
      if (std::find(seen.begin(), seen.end(), shot.At(x, y)) == seen.end())
        seen.push_back(shot.At(x, y));
  return seen.size() >= 30;
}

TEST(EditorPictures, APictureFromAnotherFolderIsCopiedAndTheNewValuesSaved) {
  ASSERT_FALSE(BuiltEditor().empty()) << "--editor= names lornel-editor.exe";
  const std::wstring dir = FolderWithExample(L"editor-pictures");
  const std::wstring file = Join(dir, L"wtda.ini");
  const std::wstring elsewhere = FreshDirectory(L"editor-pictures-album");
  const auto sample = ReadBytes(ExampleFile().substr(0, ExampleFile().find_last_of(L"\\/") + 1) +
                                Wide("图片\\长江.jpg"));
  ASSERT_TRUE(sample);
  const std::string cat = *sample;
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

  Click(e.Of(editor::TitleBox(2)));
  Click(e.Of(EditorId::PreviewButton));
  HWND preview = nullptr;
  WaitUntil([&] {
    return (preview = FindWindowW(L"LornelWindow",
                                  Wide("预览：第二题 - Lornel 题目编辑器").c_str())) != nullptr;
  });
  ASSERT_TRUE(preview);
  EXPECT_TRUE(
      ShowsAPicture(Program::Control(preview, static_cast<int>(editor::PreviewId::QuestionLabel))));
  Click(Program::Control(preview, static_cast<int>(editor::PreviewId::CloseButton)));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(preview); }));

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

  Session s(dir);
  s.PressStart();
  s.Press(MainId::QuestionButton2, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::GroupRadio3, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio3), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  Pause(500);  // the group panel's place repainted
  EXPECT_TRUE(ShowsAPicture(s.Of(MainId::QuestionLabel2)));
}

}  // namespace
}  // namespace lornel::e2e
