// Buzz-in and all groups at once on the real program: real key presses on
// the main row and the numeric keypad, the teacher's buttons, the marks.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

std::string BuzzQuiz(const char* seconds) {
  return test::QuizFile{.titles = {"用英语打个招呼", "一年有几个月？", "中国的首都是哪里？"},
                        .answers = {"Hello", "12", "北京"},
                        .countdown = "30"}
             .Bytes() +
         "[答题方式：]\r\n答题方式=抢答\r\n第三题方式=全体\r\n[抢答：]\r\n抢答时间=" + seconds +
         "\r\n犯规扣分=1\r\n答错扣分=1\r\n";
}

bool Checked(HWND toggle) { return SendMessageW(toggle, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST(Buzz, AFoulThenAWonBuzzAWrongAnswerAndTheNextGroupsMakeUp) {
  Session s(L"buzz", BuzzQuiz("30"));
  s.PressStart();
  HWND info = s.Of(MainId::InfoText);
  // "重新选组" greys last as the buzz comes up.
  s.Press(MainId::QuestionButton1, [&] { return !Enabled(s.Of(MainId::ChangeGroupButton)); });
  EXPECT_TRUE(Visible(s.Of(MainId::BuzzPanel)));
  EXPECT_FALSE(Visible(s.Of(MainId::GroupPanel)));
  EXPECT_FALSE(Enabled(s.Of(MainId::KeyQ)) || Enabled(s.Of(MainId::AnswerBox)));
  EXPECT_EQ(Text(info), "准备抢答");
  PressKey('3');
  EXPECT_TRUE(WaitUntil([&] { return Text(info) == "第三组犯规"; })) << Text(info);
  EXPECT_EQ(Text(s.Of(MainId::Score3)), "-1");
  s.Screenshot(L"main-buzz-ready");
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return Text(info) == "抢！"; })) << Text(info);
  PressKey('3');  // out for this question
  PressKey(VK_NUMPAD2);
  PressKey('5');
  PressKey(VK_NUMPAD1);
  ASSERT_TRUE(WaitUntil([&] { return Text(info).find(" · 一 +") != std::string::npos; }))
      << Text(info);
  EXPECT_EQ(Text(info).rfind("抢答顺序：二 · 五 +0.", 0), 0u) << Text(info);
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "二");
  EXPECT_FALSE(Visible(s.Of(MainId::BuzzPanel)));
  EXPECT_TRUE(Enabled(s.Of(MainId::KeyQ)));
  // The winner's own countdown runs.
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::CountdownNumber)) == "29"; }, 2500));
  s.Screenshot(L"main-buzz");

  s.TypeOnScreen("HI");
  Click(s.Of(MainId::CheckButton));
  EXPECT_TRUE(WaitUntil([&] { return Text(info) == "第五组补答"; })) << Text(info);
  EXPECT_EQ(Text(s.Of(MainId::Score2)), "-1");
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "五");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "");
  s.TypeOnScreen("HELLO");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score5)) == "1"; }));
  EXPECT_FALSE(Enabled(s.Of(MainId::QuestionButton1)));
}

TEST(Buzz, TheTeachersButtonsWinAndNoBuzzAtAllEndsTheQuestion) {
  Session s(L"buzz-buttons", BuzzQuiz("2"));
  s.PressStart();
  s.Press(MainId::QuestionButton2, [&] { return Visible(s.Of(MainId::BuzzPanel)); });
  s.Press(MainId::StartBuzzButton, [&] { return Text(s.Of(MainId::InfoText)) == "抢！"; });
  s.Press(MainId::BuzzGroup4, [&] { return Text(s.Of(MainId::AnsweringGroup)) == "四"; });
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "四");
  EXPECT_FALSE(Visible(s.Of(MainId::BuzzPanel)));
  s.TypeOnBoard("12");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score4)) == "1"; }));

  // Nobody buzzes within its 2 seconds.
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::BuzzPanel)); });
  s.Press(MainId::StartBuzzButton);
  auto none = s.p.WaitForMessageBox(6000);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->text, "无人抢答");
  EXPECT_EQ(none->title, "很遗憾！");
  Program::Answer(*none, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(s.Of(MainId::AnswerCover)); }));
  EXPECT_FALSE(Enabled(s.Of(MainId::QuestionButton1)));
}

TEST(AllGroups, TheMarkedGroupsScoreTogether) {
  Session s(L"all-groups", BuzzQuiz("10"));
  s.PressStart();
  s.Press(MainId::QuestionButton3, [&] { return Visible(s.Of(MainId::JudgeButton)); });
  EXPECT_FALSE(Visible(s.Of(MainId::GroupPanel)));
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::CountdownNumber)) == "29"; }, 2500));
  s.Press(MainId::JudgeButton, [&] { return Visible(s.Of(MainId::MarkPanel)); });
  HWND two = s.Of(MainId::MarkToggle2), six = s.Of(MainId::MarkToggle6);
  s.Press(MainId::MarkToggle2, [&] { return Checked(two); });
  s.Press(MainId::MarkToggle6, [&] { return Checked(six); });
  EXPECT_EQ(Text(six), "√ 第六组");
  s.Screenshot(L"main-marks");
  s.Press(MainId::MarkConfirmButton, [&] { return !Visible(s.Of(MainId::MarkPanel)); });
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score6)) == "1"; }));
  EXPECT_EQ(Text(s.Of(MainId::Score2)), "1");
  EXPECT_EQ(Text(s.Of(MainId::Score1)), "0");
  EXPECT_FALSE(Visible(s.Of(MainId::AnswerCover)));
  EXPECT_FALSE(Enabled(s.Of(MainId::QuestionButton3)));
}

}  // namespace
}  // namespace lornel::e2e
