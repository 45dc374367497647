// The countdown, its time-out and the reveal guard.
#include "quiz/countdown.h"

#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class CountdownTest : public QuizTest {
 protected:
  void StartCountingFrom(const std::string& value, int n = 1) {
    quiz.countdown = value;
    StartWith(quiz);
    Open(n);
    Confirm();
  }
  void SetCountdown(const std::string& value) {
    quiz.countdown = value;
    Rewrite(quiz);
  }
  int Bar() { return rt.main.ShownPosition(int(Id::CountdownBar)); }
  int BarMax() { return rt.main.RangeMax(int(Id::CountdownBar)); }
  int Remaining() { return rt.main.Position(int(Id::CountdownBar)); }
  // Milliseconds from now until "回答超时！！" opens (-1: not within the limit).
  int MillisecondsToTimeOut(int limit) {
    for (int t = 0; t <= limit; t += 10) {
      if (!rt.host.messages.empty() && rt.host.messages.back().text == "回答超时！！") return t;
      rt.Advance(10);
    }
    return -1;
  }
};

TEST_F(CountdownTest, TenSecondsCountDownThenTimeOutWithoutPoints) {
  StartCountingFrom("10");
  std::vector<std::string> shown;
  for (int s = 0; s <= 10; ++s) {
    shown.push_back(rt.Text(Id::CountdownNumber));
    rt.Advance(1000);
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{"0", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
  ASSERT_EQ(rt.host.messages.size(), 1u);
  const auto& m = rt.host.messages[0];
  EXPECT_EQ(m.text, "回答超时！！");
  EXPECT_EQ(m.title, "很遗憾！");
  EXPECT_EQ(m.flags, 0x40u | kTaskModal);
  rt.Advance(100);
  EXPECT_FALSE(PanelVisible(1));
  EXPECT_FALSE(ButtonEnabled(1));
  EXPECT_TRUE(Locked(1));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_FALSE(rt.Enabled(Id::CheckButton));
  for (int g = 1; g <= kGroupCount; ++g) EXPECT_EQ(Score(g), "0");
}

TEST_F(CountdownTest, TheTimeOutComesOneSecondAfterZeroAndKeepsTheQuestionUpWhileOpen) {
  StartCountingFrom("3", 2);
  bool questionUp = false, countdownStopped = false, scanIdle = false;
  rt.host.answerer = [&](const fake::ShownMessage&) {
    rt.Advance(2500);  // no second time-out while the message is open
    questionUp = PanelVisible(2) && !ButtonEnabled(1);
    countdownStopped = Interval(Id::CountdownTimer) == 0;
    scanIdle = Interval(Id::LockScanTimer) == 0 && !Locked(2);
    return platform::MessageResult::Ok;
  };
  rt.Advance(3990);
  EXPECT_TRUE(rt.host.messages.empty());
  rt.Advance(10);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答超时！！"});
  EXPECT_TRUE(questionUp);
  EXPECT_TRUE(countdownStopped);
  EXPECT_TRUE(scanIdle);
  rt.Advance(20);
  EXPECT_TRUE(Locked(2));
  EXPECT_EQ(rt.host.mostOpenAtOnce, 1);
}

// The empty-answer hint changes nothing, so the countdown runs on beneath it.
TEST_F(CountdownTest, TimeRunsOutUnderTheEmptyAnswerHint) {
  allowedOpenAtOnce = 2;
  StartCountingFrom("2", 5);
  rt.host.answerer = [&](const fake::ShownMessage& m) {
    if (m.text == "答案这么空合适嘛？") rt.Advance(5000);
    return platform::MessageResult::Ok;
  };
  Check();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"答案这么空合适嘛？", "回答超时！！"}));
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  EXPECT_TRUE(Locked(5));
  EXPECT_FALSE(rt.Enabled(Id::CheckButton));
}

TEST_F(CountdownTest, TheBarShowsTheOldLengthInTheFirstSecond) {
  StartCountingFrom("10");
  EXPECT_EQ(Remaining(), 10);
  EXPECT_EQ(BarMax(), 10);
  EXPECT_EQ(Bar(), 0);  // first countdown of the run: empty
  rt.Advance(1000);
  EXPECT_EQ(Bar(), 9);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  Confirm();
  EXPECT_EQ(Bar(), 10);  // same length again: full
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "9");
  rt.Advance(1000);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  SetCountdown("20");
  Confirm();
  EXPECT_EQ(Bar(), 10);  // min(new length, previous maximum)
  EXPECT_EQ(BarMax(), 20);
  rt.Advance(1000);
  EXPECT_EQ(Bar(), 19);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  SetCountdown("5");
  Confirm();
  EXPECT_EQ(Bar(), 5);
}

TEST_F(CountdownTest, ZeroSwitchesTheCountdownOffAndKeepsTheRevealUsable) {
  StartCountingFrom("0");
  rt.Advance(60000);
  EXPECT_TRUE(rt.host.messages.empty());
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  EXPECT_EQ(Interval(Id::RevealGuard), 0);
  EXPECT_EQ(BarMax(), 0);
  EXPECT_EQ(Bar(), 0);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "0");
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
}

// Only the text "0" switches it off; anything else that reads 0 times out at once.
class ZeroSecondTest : public CountdownTest, public testing::WithParamInterface<const char*> {};

TEST_P(ZeroSecondTest, TimesOutOneSecondAfterTheConfirmation) {
  StartCountingFrom(GetParam());
  EXPECT_EQ(MillisecondsToTimeOut(5000), 1000);
}

INSTANTIATE_TEST_SUITE_P(Values, ZeroSecondTest, testing::Values("00", "abc", "-5", "0.0"));

TEST_F(CountdownTest, FullWidthDigitsCount) {
  StartCountingFrom("３");  // A3 B3
  EXPECT_EQ(BarMax(), 3);
  EXPECT_EQ(MillisecondsToTimeOut(10000), 4000);
}

TEST_F(CountdownTest, LengthsAbove32767AreCut) {
  StartCountingFrom("40000");
  EXPECT_EQ(Remaining(), 32767);
  EXPECT_EQ(BarMax(), 32767);
  rt.Advance(1000);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "32766");
}

TEST_F(CountdownTest, AGroupChangeStopsItAndTheNextConfirmationStartsFromTheFullLength) {
  StartCountingFrom("10");
  rt.Advance(3000);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  rt.Advance(20000);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "7");
  EXPECT_TRUE(rt.host.messages.empty());
  Confirm();
  EXPECT_EQ(Remaining(), 10);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "7");  // the display lags one second
  rt.Advance(1000);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "9");
  EXPECT_EQ(MillisecondsToTimeOut(20000), 10000);
}

TEST_F(CountdownTest, TheRevealGuardOutlastsTheCountdownForTheRestOfTheRun) {
  StartCountingFrom("2");
  rt.Advance(10);
  EXPECT_FALSE(rt.Enabled(Id::RevealButton));
  EXPECT_EQ(MillisecondsToTimeOut(5000), 2990);
  rt.Advance(10);  // the time-out's enabling lasts one tick of the guard at most
  EXPECT_FALSE(rt.Enabled(Id::NextQuestionButton));
  SetCountdown("0");
  AnswerCorrectly(3);
  rt.Advance(10);
  EXPECT_FALSE(rt.Enabled(Id::NextQuestionButton));
  EXPECT_FALSE(rt.Enabled(Id::RevealButton));
  EXPECT_FALSE(rt.Click(Id::RevealButton));
  EXPECT_TRUE(rt.shell.ctx.round.revealGuard);
}

}  // namespace
}  // namespace lornel::quiz
