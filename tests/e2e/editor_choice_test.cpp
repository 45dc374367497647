// The question editor driven from outside: question 9 of the example made a
// choice question through its 题型 menu and the option boxes, question 5 a
// buzz-in one, saved and reopened; then a choice and a true/false question
// pasted from a spreadsheet with their options. The window and the preview
// of the option buttons are photographed for the README.
#include <gtest/gtest.h>

#include "editor/ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/win32/support/clipboard.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;

// A 题型 or 方式 button pressed and the menu's item chosen by the keyboard
// (Down `item` times, then Enter), as the teacher might.
void PickFromMenu(const EditorProgram& e, EditorId button, int item) {
  Click(e.Of(button));
  ASSERT_TRUE(OpenMenu());
  ParkPointer();
  for (int i = 0; i < item; ++i) PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }, 2000);
}

void ShootScreen(const std::wstring& name) {
  const std::wstring folder = ShotFolder();
  if (!folder.empty()) CaptureScreen(Join(folder, name + L".bmp"));
}

TEST(EditorChoice, SavedReopenedAndPastedWithItsOptions) {
  const std::wstring dir = FolderWithExample(L"editor-choice");
  const std::wstring file = Join(dir, L"wtda.ini");
  {
    EditorProgram e(dir);
    ASSERT_TRUE(e.window);
    PickFromMenu(e, editor::KindButton(9), 2);
    ASSERT_TRUE(WaitUntil([&] { return Text(e.Of(editor::KindButton(9))) == "选择"; }));
    EXPECT_EQ(Text(e.Of(EditorId::OptionsLabel)), "第9题的选项：");
    EXPECT_TRUE(Visible(e.Of(editor::OptionBox(1))));
    const wchar_t* oceans[] = {L"太平洋", L"大西洋", L"印度洋", L"北冰洋"};
    for (int i = 1; i <= 4; ++i) SetValue(e.Of(editor::OptionBox(i)), oceans[i - 1]);
    SetValue(e.Of(editor::AnswerBox(9)), L"A");
    PickFromMenu(e, editor::WayButton(5), 3);
    EXPECT_TRUE(WaitUntil([&] { return Text(e.Of(editor::WayButton(5))) == "抢答"; }));
    SetValue(e.Of(EditorId::BuzzSecondsBox), L"10");
    Click(e.Of(editor::AnswerBox(9)));
    Click(e.Of(EditorId::SaveButton));
    EXPECT_TRUE(WaitUntil([&] { return !e.Modified(); })) << e.Caption();
    EXPECT_TRUE(e.p.MessageBoxes().empty());
    EXPECT_EQ(Profile(file, "题型：", "第九题题型"), "选择");
    EXPECT_EQ(Profile(file, "选项：", "第九题选项"), "太平洋 | 大西洋 | 印度洋 | 北冰洋");
    EXPECT_EQ(Profile(file, "答题方式：", "第五题方式"), "抢答");
    EXPECT_EQ(Profile(file, "抢答：", "抢答时间"), "10");
    Click(e.Of(editor::AnswerBox(9)));
    SettlePaint(e.window);
    ParkPointer();
    DropStaleHotLooks(e.window);
    ShootScreen(L"editor");

    // The preview: the board's four buttons where its keys are.
    Click(e.Of(EditorId::PreviewButton));
    HWND preview = nullptr;
    WaitUntil([&] {
      return (preview = FindWindowW(L"LornelWindow",
                                    Wide("预览：第九题 - Lornel 题目编辑器").c_str())) != nullptr;
    });
    ASSERT_TRUE(preview);
    auto option = [&](int i) { return Program::Control(preview, int(editor::OptionButton(i))); };
    EXPECT_EQ(Text(option(1)), "A 太平洋");
    EXPECT_EQ(Text(option(4)), "D 北冰洋");
    EXPECT_TRUE(Visible(option(4)));
    EXPECT_FALSE(Visible(option(5)));
    EXPECT_EQ(GetWindowLongW(option(1), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW)
        << "painted as the board paints its options";
    EXPECT_EQ(Text(Program::Control(preview, int(editor::PreviewId::AnswerNote))),
              "答案：A 太平洋");
    SettlePaint(preview);
    ParkPointer();
    DropStaleHotLooks(preview);
    ShootScreen(L"editor-preview");
    Click(Program::Control(preview, int(editor::PreviewId::CloseButton)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(preview); }));
    PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(e.p.WaitForExit(5000), 0u);
  }

  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  EXPECT_EQ(Text(e.Of(editor::KindButton(9))), "选择");
  EXPECT_EQ(Text(e.Of(editor::WayButton(5))), "抢答");
  Click(e.Of(editor::TitleBox(9)));
  EXPECT_TRUE(WaitUntil([&] { return Text(e.Of(editor::OptionBox(2))) == "大西洋"; }));
  // Rows 13 and 14 from a spreadsheet: options make the first a choice
  // question, the bare 对 the second a true/false one.
  ASSERT_TRUE(test::PutOnClipboard(
      L"哪种动物是哺乳动物？\tb\t鲨鱼\t鲸\t金枪鱼\r\n地球绕着太阳转。\t对\r\n"));
  Click(e.Of(editor::TitleBox(13)));
  Click(e.Of(EditorId::PasteButton));
  auto replace = e.p.WaitForMessageBox();
  ASSERT_TRUE(replace);
  Program::Answer(*replace, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return Text(e.Of(editor::KindButton(14))) == "判断"; }));
  EXPECT_EQ(Text(e.Of(editor::KindButton(13))), "选择");
  EXPECT_EQ(Text(e.Of(EditorId::OptionsLabel)), "第13题的选项：");
  EXPECT_EQ(Text(e.Of(editor::OptionBox(3))), "金枪鱼");
  Click(e.Of(EditorId::SaveButton));
  EXPECT_TRUE(WaitUntil([&] { return !e.Modified(); })) << e.Caption();
  EXPECT_EQ(Profile(file, "题型：", "第十三题题型"), "选择");
  EXPECT_EQ(Profile(file, "选项：", "第十三题选项"), "鲨鱼 | 鲸 | 金枪鱼");
  EXPECT_EQ(Profile(file, "答案信息：", "第十三题答案"), "b");
  EXPECT_EQ(Profile(file, "题型：", "第十四题题型"), "判断");
  EXPECT_EQ(Profile(file, "选项：", "第九题选项"), "太平洋 | 大西洋 | 印度洋 | 北冰洋");
  PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(e.p.WaitForExit(5000), 0u);
}

}  // namespace
}  // namespace lornel::e2e
