// The question editor driven from outside as a teacher uses it: the example
// file opened, a title and an answer changed, three rows pasted from a
// spreadsheet, saved; lornel.exe in the same folder asks the new question
// and accepts the new answer. An emoji is refused naming its row, and
// closing with unsaved changes asks first. And lornel.exe itself reads the
// example saved as Notepad saves UTF-8, without a byte order mark.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"
#include "tests/e2e/session.h"
#include "tests/win32/support/clipboard.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;
using quiz::MainId;

std::wstring WideText(HWND hwnd) {
  wchar_t buffer[512] = {};
  SendMessageW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

void TypeKeys(const std::string& keys) {
  for (const char c : keys) PressKey(static_cast<WORD>(c));
}

TEST(Editor, EditsTheExampleAndTheProgramAsksTheNewQuestion) {
  ASSERT_FALSE(BuiltEditor().empty()) << "--editor= names lornel-editor.exe";
  const std::wstring dir = FolderWithExample(L"editor");
  const std::wstring file = Join(dir, L"wtda.ini");
  const auto example = ReadBytes(file);
  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  EXPECT_EQ(e.Caption(), Gbk(file) + " - Lornel 题目编辑器");
  EXPECT_EQ(Text(e.Of(editor::TitleBox(1))), "中国的首都是哪座城市？");
  EXPECT_EQ(Text(e.Of(EditorId::CountdownBox)), "30");

  // A title set as UI automation sets it, an answer typed on the keyboard.
  SetValue(e.Of(editor::TitleBox(1)), L"法国的首都是哪座城市？");
  Click(e.Of(editor::AnswerBox(1)));
  SendMessageW(e.Of(editor::AnswerBox(1)), EM_SETSEL, 0, -1);
  TypeKeys("PARIS");
  EXPECT_TRUE(WaitUntil([&] { return Text(e.Of(editor::AnswerBox(1))) == "paris"; }));
  EXPECT_TRUE(WaitUntil([&] { return e.Modified(); })) << e.Caption();

  // The preview of question 1, in the question label's size and font.
  Click(e.Of(editor::TitleBox(1)));
  Click(e.Of(EditorId::PreviewButton));
  HWND preview = nullptr;
  WaitUntil([&] {
    return (preview = FindWindowW(L"LornelWindow",
                                  Wide("预览：第一题 - Lornel 题目编辑器").c_str())) != nullptr;
  });
  ASSERT_TRUE(preview);
  const HWND label = Program::Control(preview, static_cast<int>(editor::PreviewId::QuestionLabel));
  EXPECT_EQ(Text(label), "法国的首都是哪座城市？");
  EXPECT_EQ(Text(Program::Control(preview, static_cast<int>(editor::PreviewId::FitNote))),
            "题目可以完整显示。");
  Click(Program::Control(preview, static_cast<int>(editor::PreviewId::CloseButton)));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(preview); }));

  // Three rows from a spreadsheet into rows 12 to 14, which already hold questions.
  ASSERT_TRUE(
      test::PutOnClipboard(L"小狗怎么叫？\tWOOF\r\n一加一等于几？\t①\r\n\"两\n行\"\tcat\r\n"));
  Click(e.Of(editor::TitleBox(12)));
  Click(e.Of(EditorId::PasteButton));
  auto replace = e.p.WaitForMessageBox();
  ASSERT_TRUE(replace);
  EXPECT_NE(replace->text.find("第12题到第14题已有内容"), std::string::npos) << replace->text;
  Program::Answer(*replace, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return Text(e.Of(editor::TitleBox(14))) == "两 行"; }));
  EXPECT_EQ(Text(e.Of(editor::TitleBox(12))), "小狗怎么叫？");
  EXPECT_EQ(Text(e.Of(editor::AnswerBox(12))), "WOOF");
  EXPECT_EQ(Text(e.Of(editor::AnswerBox(13))), "①");

  // Saving warns about the answer the on-screen keys cannot type, even with
  // the sample's pinyin and digit layer (row 13 has no other answers to fall back on).
  Click(e.Of(EditorId::SaveButton));
  auto warning = e.p.WaitForMessageBox();
  ASSERT_TRUE(warning);
  EXPECT_NE(warning->text.find("第13题答案：屏幕键盘打不出“①”"), std::string::npos)
      << warning->text;
  Program::Answer(*warning, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return !e.Modified(); })) << e.Caption();
  EXPECT_EQ(ReadBytes(file + L".bak"), example);
  EXPECT_EQ(Profile(file, "题目信息：", "第一题题目"), "法国的首都是哪座城市？");
  EXPECT_EQ(Profile(file, "答案信息：", "第一题答案"), "paris");
  EXPECT_EQ(Profile(file, "题目信息：", "第十四题题目"), "两 行");
  EXPECT_EQ(Profile(file, "题目信息：", "第二题题目"), "“苹果”的英文单词是什么？");
  // Saved: closing asks nothing.
  PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(e.p.WaitForExit(5000), 0u);

  Session s(dir);
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel1)), "法国的首都是哪座城市？");
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  s.TypeOnScreen("PARIS");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::CorrectAnswer)) == "paris"; }));
}

TEST(Editor, AnEmojiIsRefusedAndClosingWithChangesAsksFirst) {
  const std::wstring dir = FolderWithExample(L"editor-emoji");
  const std::wstring file = Join(dir, L"wtda.ini");
  const auto before = ReadBytes(file);
  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  SetValue(e.Of(editor::TitleBox(5)), L"笑一个\U0001F600");
  EXPECT_EQ(WideText(e.Of(editor::TitleBox(5))), L"笑一个\U0001F600");
  Click(e.Of(EditorId::SaveButton));
  auto error = e.p.WaitForMessageBox();
  ASSERT_TRUE(error);
  EXPECT_NE(error->text.find("第5题题目：第4个字符（U+1F600）无法保存"), std::string::npos)
      << error->text;
  EXPECT_FALSE(error->hasYes);
  Program::Answer(*error, IDOK);
  EXPECT_EQ(ReadBytes(file), before);

  Click(e.Of(editor::AnswerBox(2)));
  TypeKeys("X");
  EXPECT_TRUE(WaitUntil([&] { return e.Modified(); })) << e.Caption();
  // The close box: Cancel keeps the window, No closes it without saving.
  PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  auto ask = e.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  EXPECT_NE(ask->text.find("题目已经修改。要保存到"), std::string::npos) << ask->text;
  EXPECT_TRUE(ask->hasYes && ask->hasNo && GetDlgItem(ask->hwnd, IDCANCEL));
  Program::Answer(*ask, IDCANCEL);
  Pause(300);
  EXPECT_TRUE(IsWindowVisible(e.window));
  PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ask = e.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  Program::Answer(*ask, IDNO);
  EXPECT_EQ(e.p.WaitForExit(5000), 0u);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(FileExists(file + L".bak"));
}

TEST(Editor, TheProgramReadsTheExampleSavedAsUtf8WithoutAMark) {
  const auto example = ReadBytes(ExampleFile());
  ASSERT_TRUE(example);
  const std::wstring wide = Wide(*example);
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  Session s(L"utf8", utf8);
  s.PressStart();
  EXPECT_TRUE(s.p.MessageBoxes().empty()) << "no repair exit: the points value was read";
  s.Press(MainId::QuestionButton2, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel2)), "“苹果”的英文单词是什么？");
}

}  // namespace
}  // namespace lornel::e2e
