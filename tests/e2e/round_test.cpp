// A whole round played on the real program: questions opened from the board,
// groups confirmed, answers typed on the on-screen keyboard, the shake, a
// correct answer, a time-out, and the reveal with No and with Yes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tests/e2e/driver.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

const test::QuizFile kRoundQuiz{
    .titles = {"用英语打个招呼", "中国的首都是哪里？", "一年有几个月？"},
    .answers = {"Hello", "北京", "12"}};

TEST(Round, RevealCorrectAnswerShakeAndTimeOut) {
  Session s(L"round", kRoundQuiz.Bytes());
  s.PressStart();
  ASSERT_FALSE(Visible(s.Of(MainId::StartCover)));

  // Question 2, no countdown: the teacher reveals, first with No, then with Yes.
  // The question's panel and the group panel come up in one handler; wait for both.
  s.Press(MainId::QuestionButton2, [&] {
    return Visible(s.Of(MainId::GroupPanel)) && Visible(s.Of(MainId::QuestionPanel2));
  });
  EXPECT_TRUE(Visible(s.Of(MainId::QuestionPanel2)));
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel2)), "中国的首都是哪里？");
  EXPECT_TRUE(Visible(s.Of(MainId::GroupPanel)));
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_FALSE(Visible(s.Of(MainId::GroupPanel)));
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "一");
  s.Press(MainId::RevealButton);
  auto ask = s.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  EXPECT_EQ(ask->text, "确定显示答案吗？");
  EXPECT_EQ(ask->title, "小提示");
  EXPECT_TRUE(ask->hasYes && ask->hasNo);
  Program::Answer(*ask, IDNO);
  EXPECT_TRUE(Visible(s.Of(MainId::AnswerCover)));
  s.Press(MainId::RevealButton);
  ask = s.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  Program::Answer(*ask, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(s.Of(MainId::AnswerCover)); }));
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "北京");
  EXPECT_TRUE(Enabled(s.Of(MainId::NextQuestionButton)));
  s.Press(MainId::NextQuestionButton, [&] { return !Visible(s.Of(MainId::QuestionPanel2)); });
  EXPECT_FALSE(Visible(s.Of(MainId::QuestionPanel2)));
  // Locked by its timer's next tick, which a loaded machine may hold back.
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::QuestionButton2)); }))
      << "question 2 is locked";

  // Question 1 for group three: a wrong answer shakes the box, then the right one.
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::GroupRadio3, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio3), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "三");
  s.TypeOnScreen("HELP");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "help");
  Click(s.Of(MainId::CheckButton));
  // Sampled faster than the 50 ms steps of the shake, until the box has moved
  // and is back: the shake starts whenever the loaded machine gets to it.
  std::set<int> lefts;
  for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
    const int left = RectInParent(s.Of(MainId::AnswerBox)).left;
    lefts.insert(left);
    if (lefts.size() > 1 && left == 80) break;
    Sleep(5);
  }
  EXPECT_TRUE(lefts.count(75) || lefts.count(85) || lefts.count(74)) << "the box shook";
  EXPECT_EQ(RectInParent(s.Of(MainId::AnswerBox)).left, 80);
  EXPECT_TRUE(s.p.MessageBoxes().empty()) << "a wrong answer shows no message";
  s.TypeOnScreen("\b\bLLO");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hello");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  EXPECT_EQ(right->title, "恭喜");
  // The lock scan acts while the message is still open.
  Pause(300);
  EXPECT_FALSE(Enabled(s.Of(MainId::QuestionButton1)));
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score3)) == "1"; }));
  EXPECT_FALSE(Visible(s.Of(MainId::AnswerCover)));
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "Hello");
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::AnsweringScore)) == "1"; }, 10000));
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::QuestionButton1)); }))
      << "question 1 stays locked";

  // The countdown value is changed in the file while the program runs.
  test::QuizFile timed = kRoundQuiz;
  timed.countdown = "3";
  s.WriteConfig(timed.Bytes());
  s.Press(MainId::QuestionButton3, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_TRUE(WaitUntil([&] { return std::atoi(Text(s.Of(MainId::CountdownNumber)).c_str()) <= 2; },
                        10000));
  s.Screenshot(L"round");
  auto late = s.p.WaitForMessageBox(6000);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->text, "回答超时！！");
  EXPECT_EQ(late->title, "很遗憾！");
  EXPECT_EQ(Text(s.Of(MainId::CountdownNumber)), "0");
  Program::Answer(*late, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::QuestionButton3)); }));
  EXPECT_EQ(Text(s.Of(MainId::Score3)), "1") << "no points for a time-out";
  EXPECT_FALSE(Enabled(s.Of(MainId::RevealButton))) << "no reveal after a countdown has run";
}

TEST(Round, OnScreenKeysTypeIntoTheAnswerBox) {
  Session s(L"keys", kRoundQuiz.Bytes());
  s.PressStart();
  s.TypeOnScreen("HELLO");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hello");
  s.TypeOnScreen("\b");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hell");
  s.TypeOnScreen(",.");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hell,.");
  s.TypeOnScreen("\n");  // Enter checks nothing
  Pause(300);
  EXPECT_TRUE(s.p.MessageBoxes().empty());
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hell,.");
}

}  // namespace
}  // namespace lornel::e2e
