// Inputs that come right after a step that locks a question or starts a
// countdown, as the monkey found them: Windows delivers input before WM_TIMER,
// so when locks were timers a quick click could land before their tick.
#include "tests/unit/quiz/quiz_fixture.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

class RaceTest : public QuizTest {
 protected:
  int LockedCount() {
    int count = 0;
    for (int n = 1; n <= kQuestionCount; ++n) count += Locked(n);
    return count;
  }
  // Question n opened, its group confirmed and let run out (countdown "1"),
  // the time-out closed at once.
  void TimeOutOn(int n) {
    Open(n);
    const std::int64_t confirmed = rt.clock.now();
    Confirm();
    rt.Advance(confirmed + 2000 - rt.clock.now());
    ASSERT_EQ(MessageTexts().back(), "回答超时！！");
  }
};

TEST_F(RaceTest, AQuestionOpenedRightAfterATimeOutLocksOnlyTheOneThatTimedOut) {
  quiz.countdown = "1";
  StartWith(quiz);
  // The box's OK and the click on the board come before the scan's first tick.
  TimeOutOn(4);
  Open(7);
  rt.Advance(50);
  EXPECT_EQ(LockedCount(), 1);
  EXPECT_TRUE(Locked(4));
  EXPECT_TRUE(PanelVisible(7));
  // Question 7 goes on normally, and locks in its turn.
  Confirm();
  Enter("answer7");
  Check();
  rt.Advance(50);
  EXPECT_EQ(LockedCount(), 2);
  EXPECT_TRUE(Locked(7));
}

TEST_F(RaceTest, NextQuestionRightAfterACorrectAnswerStillLocksIt) {
  StartWith(quiz);  // no countdown: "继续选题" is usable
  Open(2);
  Confirm();
  Enter("answer2");
  Check();  // "回答正确！" closed at once
  ASSERT_TRUE(rt.Click(Id::NextQuestionButton));
  rt.Advance(50);
  EXPECT_TRUE(Locked(2));
  EXPECT_FALSE(ButtonEnabled(2));
  EXPECT_EQ(LockedCount(), 1);
}

TEST_F(RaceTest, CancelRightAfterAnOpeningThatFollowedATimeOutKeepsTheLock) {
  quiz.countdown = "1";
  StartWith(quiz);
  TimeOutOn(3);
  Open(5);
  Cancel();
  rt.Advance(50);
  EXPECT_TRUE(Locked(3));
  EXPECT_EQ(LockedCount(), 1);
}

TEST_F(RaceTest, TheRevealIsOverTheMomentACountdownStarts) {
  quiz.countdown = "2";
  StartWith(quiz);
  Open(1);
  Confirm();
  EXPECT_FALSE(rt.Click(Id::RevealButton));
  EXPECT_TRUE(MessageTexts().empty()) << "no question, and no box for the time-out to stack on";
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
  EXPECT_TRUE(rt.Enabled(Id::CheckButton));
}

TEST_F(RaceTest, NextQuestionIsOffTheMomentACountdownStartsOverARevealedQuestion) {
  StartWith(quiz);
  Open(6);
  Confirm();
  ASSERT_TRUE(rt.Click(Id::RevealButton));  // revealed before any countdown: "继续选题" enabled
  ASSERT_TRUE(rt.Enabled(Id::NextQuestionButton));
  quiz.countdown = "2";
  Rewrite(quiz);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  ASSERT_TRUE(rt.Click(Id::ConfirmGroupButton));  // the countdown starts
  EXPECT_FALSE(rt.Click(Id::NextQuestionButton));
  EXPECT_TRUE(PanelVisible(6)) << "the question stays while its countdown runs";
  rt.Advance(3100);
  EXPECT_EQ(MessageTexts().back(), "回答超时！！");
  rt.Advance(50);
  EXPECT_TRUE(Locked(6));
}

// A wrong answer on an empty board (after "重新选题") arms the shake, whose
// first tick says "请选题！". A box shown within those 50 ms ends the shake, so
// that "请选题！" does not come up over it.
class ShakeUnderABoxTest : public RaceTest {
 protected:
  void SetUp() override {
    StartWith(quiz);
    Open(3);
    Cancel();
    Enter("wrong");
    Check();
    ASSERT_EQ(Interval(Id::ShakeTimer), 50);
    HoldMessagesOpen(500);
  }
  void ExpectOnlyBox(const std::string& text) {
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{text});
    EXPECT_EQ(Interval(Id::ShakeTimer), 0);
    EXPECT_EQ(rt.main.Left(int(Id::AnswerBox)), 80);
  }
};

TEST_F(ShakeUnderABoxTest, EmptyAnswerHint) {
  Enter("");
  Check();
  rt.Advance(500);
  ExpectOnlyBox("答案这么空合适嘛？");
}

TEST_F(ShakeUnderABoxTest, RevealQuestion) {
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  rt.Advance(500);
  ExpectOnlyBox("确定显示答案吗？");
}

TEST_F(ShakeUnderABoxTest, GroupChangeOnTheBoard) {
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  rt.Advance(500);
  ExpectOnlyBox("请选题！");
}

TEST_F(ShakeUnderABoxTest, LeftAloneItStillAsksForAQuestion) {
  rt.Advance(500);
  ExpectOnlyBox("请选题！");
}

// Kept as the rules have it: the countdown runs on while the empty-answer hint
// is open, so its time-out shows over the hint.
TEST_F(RaceTest, TheCountdownRunsOnUnderTheEmptyAnswerHint) {
  allowedOpenAtOnce = 2;
  quiz.countdown = "1";
  StartWith(quiz);
  Open(9);
  Confirm();
  // Not HoldMessagesOpen: the box opened inside this one grows the host's list
  // of messages, which moves the element handed in.
  rt.host.answerer = [this](const fake::ShownMessage&) {
    rt.Advance(2500);
    return platform::MessageResult::Ok;
  };
  Enter("");
  Check();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"答案这么空合适嘛？", "回答超时！！"}));
  EXPECT_EQ(rt.host.mostOpenAtOnce, 2);
  rt.Advance(50);
  EXPECT_TRUE(Locked(9));
}

}  // namespace
}  // namespace lornel::quiz
