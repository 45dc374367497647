// A whole round played on the real program: questions opened from the board,
// groups confirmed, answers typed on the on-screen keyboard, the shake, a
// correct answer, a time-out, and the reveal with No and with Yes.
#include <gtest/gtest.h>

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
  ASSERT_FALSE(Visible(s.Of(MainId::分组框21)));

  // Question 2, no countdown: the teacher reveals, first with No, then with Yes.
  // The question's panel and the group panel come up in one handler; wait for both.
  s.Press(MainId::按钮2,
          [&] { return Visible(s.Of(MainId::分组框3)) && Visible(s.Of(MainId::分组框8)); });
  EXPECT_TRUE(Visible(s.Of(MainId::分组框8)));
  EXPECT_EQ(Text(s.Of(MainId::标签2)), "中国的首都是哪里？");
  EXPECT_TRUE(Visible(s.Of(MainId::分组框3)));
  s.Press(MainId::按钮15, [&] { return !Visible(s.Of(MainId::分组框3)); });
  EXPECT_FALSE(Visible(s.Of(MainId::分组框3)));
  EXPECT_EQ(Text(s.Of(MainId::透明标签10)), "一");
  s.Press(MainId::按钮50);
  auto ask = s.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  EXPECT_EQ(ask->text, "确定显示答案吗？");
  EXPECT_EQ(ask->title, "小提示");
  EXPECT_TRUE(ask->hasYes && ask->hasNo);
  Program::Answer(*ask, IDNO);
  EXPECT_TRUE(Visible(s.Of(MainId::图片框1)));
  s.Press(MainId::按钮50);
  ask = s.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  Program::Answer(*ask, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(s.Of(MainId::图片框1)); }));
  EXPECT_EQ(Text(s.Of(MainId::标签18)), "北京");
  EXPECT_TRUE(Enabled(s.Of(MainId::按钮49)));
  s.Press(MainId::按钮49, [&] { return !Visible(s.Of(MainId::分组框8)); });
  EXPECT_FALSE(Visible(s.Of(MainId::分组框8)));
  // Locked by its timer's next tick, which a loaded machine may hold back.
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::按钮2)); })) << "question 2 is locked";

  // Question 1 for group three: a wrong answer shakes the box, then the right one.
  s.Press(MainId::按钮1, [&] { return Visible(s.Of(MainId::分组框3)); });
  s.Press(MainId::单选框3,
          [&] { return SendMessageW(s.Of(MainId::单选框3), BM_GETCHECK, 0, 0) == BST_CHECKED; });
  s.Press(MainId::按钮15, [&] { return !Visible(s.Of(MainId::分组框3)); });
  EXPECT_EQ(Text(s.Of(MainId::透明标签10)), "三");
  s.TypeOnScreen("HELP");
  EXPECT_EQ(Text(s.Of(MainId::编辑框1)), "help");
  Click(s.Of(MainId::按钮47));
  std::set<int> lefts;  // sampled faster than the 50 ms steps of the shake
  for (DWORD end = GetTickCount() + 1000; GetTickCount() < end;) {
    lefts.insert(RectInParent(s.Of(MainId::编辑框1)).left);
    Sleep(5);
  }
  EXPECT_TRUE(lefts.count(75) || lefts.count(85) || lefts.count(74)) << "the box shook";
  EXPECT_EQ(RectInParent(s.Of(MainId::编辑框1)).left, 80);
  EXPECT_TRUE(s.p.MessageBoxes().empty()) << "a wrong answer shows no message";
  s.TypeOnScreen("\b\bLLO");
  EXPECT_EQ(Text(s.Of(MainId::编辑框1)), "hello");
  Click(s.Of(MainId::按钮47));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  EXPECT_EQ(right->title, "恭喜");
  // The lock scan acts while the message is still open.
  Pause(300);
  EXPECT_FALSE(Enabled(s.Of(MainId::按钮1)));
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::透明标签4)) == "1"; }));
  EXPECT_FALSE(Visible(s.Of(MainId::图片框1)));
  EXPECT_EQ(Text(s.Of(MainId::标签18)), "Hello");
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::透明标签11)) == "1"; }, 2500));
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::按钮1)); }))
      << "question 1 stays locked";

  // The countdown value is changed in the file while the program runs.
  test::QuizFile timed = kRoundQuiz;
  timed.countdown = "3";
  s.WriteConfig(timed.Bytes());
  s.Press(MainId::按钮3, [&] { return Visible(s.Of(MainId::分组框3)); });
  s.Press(MainId::按钮15, [&] { return !Visible(s.Of(MainId::分组框3)); });
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::标签15)) == "2"; }, 2500));
  s.Screenshot(L"round");
  auto late = s.p.WaitForMessageBox(6000);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->text, "回答超时！！");
  EXPECT_EQ(late->title, "很遗憾！");
  EXPECT_EQ(Text(s.Of(MainId::标签15)), "0");
  Program::Answer(*late, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::按钮3)); }));
  EXPECT_EQ(Text(s.Of(MainId::透明标签4)), "1") << "no points for a time-out";
  EXPECT_FALSE(Enabled(s.Of(MainId::按钮50))) << "no reveal after a countdown has run";
}

TEST(Round, OnScreenKeysTypeIntoTheAnswerBox) {
  Session s(L"keys", kRoundQuiz.Bytes());
  s.PressStart();
  s.TypeOnScreen("HELLO");
  EXPECT_EQ(Text(s.Of(MainId::编辑框1)), "hello");
  s.TypeOnScreen("\b");
  EXPECT_EQ(Text(s.Of(MainId::编辑框1)), "hell");
  s.TypeOnScreen(",.");
  EXPECT_EQ(Text(s.Of(MainId::编辑框1)), "hell,.");
  s.TypeOnScreen("\n");  // Enter checks nothing
  Pause(300);
  EXPECT_TRUE(s.p.MessageBoxes().empty());
  EXPECT_EQ(Text(s.Of(MainId::编辑框1)), "hell,.");
}

}  // namespace
}  // namespace lornel::e2e
