// The release as a school gets it: both programs run from the folder the zip
// was unpacked into (tests/e2e/release_test.sh unpacks it into a fresh Wine
// prefix and passes --unpacked=DIR). The editor rewrites question 1 of the
// shipped example, and lornel.exe beside it plays that question.
#include <gtest/gtest.h>

#include "quiz/round/points.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;
using quiz::MainId;

TEST(Release, TheUnpackedProgramsPlayAQuestionTheEditorChanged) {
  if (UnpackedRelease().empty()) GTEST_SKIP() << "only with --unpacked=DIR";
  const std::wstring dir = UnpackedRelease();
  {
    EditorProgram e(dir);
    ASSERT_TRUE(e.window) << "lornel-editor.exe did not open";
    EXPECT_EQ(Text(e.Of(editor::TitleBox(1))), "中国的首都是哪座城市？") << "the shipped example";
    SetValue(e.Of(editor::TitleBox(1)), L"法国的首都是哪座城市？");
    SetValue(e.Of(editor::AnswerBox(1)), L"paris");
    ASSERT_TRUE(WaitUntil([&] { return e.Modified(); })) << e.Caption();
    Click(e.Of(EditorId::SaveButton));
    EXPECT_TRUE(WaitUntil([&] { return !e.Modified() || !e.p.MessageBoxes().empty(); }));
    if (auto box = e.p.WaitForMessageBox(0)) FAIL() << "saving asked: " << box->text;
    EXPECT_FALSE(e.Modified()) << e.Caption();
    PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(e.p.WaitForExit(5000), 0u);
  }

  Session s(dir);
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel1)), "法国的首都是哪座城市？");
  s.Press(MainId::GroupRadio1, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio1), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "一");
  s.TypeOnScreen("PARIS");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  Program::Answer(*right, IDOK);
  const std::string scored =
      quiz::Points::Of(test::PointsOf(*ReadBytes(Join(dir, L"wtda.ini")), 1)).Text();
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score1)) == scored; }))
      << "group 1 scored: " << Text(s.Of(MainId::Score1));
}

}  // namespace
}  // namespace lornel::e2e
