// The countdown's menu and the Pause key: pause and resume, ten seconds more
// or less, what ends a paused countdown, and the greyed items.
#include "quiz/countdown_control.h"

#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using MenuItem = ui::MenuLine;

constexpr int kVkPause = 0x13;
constexpr ui::Colour kBlack = ui::Hex(0x000000), kGrey = ui::Hex(0x808080);
constexpr const char* kWelcome = "欢迎使用！  版本1.1.15.823";
// The menu's lines, top down.
enum { kPauseItem, kAddItem, kTakeItem };
constexpr MainCommand kItems[] = {MainCommand::PauseCountdown, MainCommand::AddTenSeconds,
                                  MainCommand::TakeTenSeconds};

class CountdownControlTest : public QuizTest {
 protected:
  static constexpr int kLength = 35;

  // A countdown of kLength seconds, `left` of them still to go, 300 ms into that second.
  void RunUntilLeft(int left) {
    quiz.countdown = std::to_string(kLength);
    StartWith(quiz);
    Open(1);
    Confirm();
    rt.Advance((kLength - left) * 1000 + 300);
  }
  // Right-click on the number (or the bar) and choose `item` (-1: none); the menu shown.
  std::vector<MenuItem> Menu(int item, Id on = Id::CountdownNumber) {
    rt.main.menuAnswer = [item](const std::vector<MenuItem>&) {
      return item < 0 ? -1 : int(kItems[item]);
    };
    const ui::Rect r = rt.main.ClientRectOf(int(on));
    const std::size_t before = rt.main.menus.size();
    rt.main.RightClickAt(r.left + r.width / 2, r.top + r.height / 2);
    return rt.main.menus.size() > before ? rt.main.menus.back() : std::vector<MenuItem>{};
  }
  // The Pause key, with the focus in the answer box.
  void PressPause() {
    rt.form().Focus(Id::AnswerBox);
    rt.main.PressKey(kVkPause);
  }
  int Left() { return rt.main.Position(int(Id::CountdownBar)); }
  int Length() { return rt.main.RangeMax(int(Id::CountdownBar)); }
  std::string Number() { return rt.Text(Id::CountdownNumber); }
  ui::Colour NumberColour() { return rt.main.TextColour(int(Id::CountdownNumber)); }
  bool LooksPaused() { return NumberColour() == kGrey && rt.Text(Id::InfoText) == "倒计时已暂停"; }
  bool LooksAtRest() { return NumberColour() == kBlack && rt.Text(Id::InfoText) == kWelcome; }
  // Milliseconds from now until "回答超时！！" opens (-1: not within the limit).
  int MillisecondsToTimeOut(int limit) {
    for (int t = 0; t <= limit; t += 10) {
      if (!rt.host.messages.empty() && rt.host.messages.back().text == "回答超时！！") return t;
      rt.Advance(10);
    }
    return -1;
  }
};

class AtSecondsLeft : public CountdownControlTest, public testing::WithParamInterface<int> {};

TEST_P(AtSecondsLeft, APauseHoldsTheNumberAndTheBarAndResumingGoesOnWithTheSameSecond) {
  const int left = GetParam();
  RunUntilLeft(left);
  EXPECT_EQ(Menu(kPauseItem)[kPauseItem].text, "暂停倒计时");
  EXPECT_TRUE(LooksPaused());
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  rt.Advance(60000);
  EXPECT_EQ(Number(), std::to_string(left));
  EXPECT_EQ(rt.main.ShownPosition(int(Id::CountdownBar)), left);
  EXPECT_TRUE(rt.host.messages.empty());
  EXPECT_TRUE(rt.shell.ctx.round.revealGuard) << "the reveal guard stays up";

  const std::vector<MenuItem> menu = Menu(-1);
  EXPECT_EQ(menu[kPauseItem].text, "继续倒计时");
  PressPause();  // the key resumes, wherever the focus is
  EXPECT_TRUE(LooksAtRest());
  rt.Advance(690);  // 300 ms of this second ran before the pause
  EXPECT_EQ(Number(), std::to_string(left));
  rt.Advance(10);
  EXPECT_EQ(Number(), std::to_string(left - 1));
  EXPECT_EQ(MillisecondsToTimeOut(40000), left * 1000);
}

TEST_P(AtSecondsLeft, TenSecondsMoreOrLessMoveTheTimeAndTheRangeButNeverBelowOneSecond) {
  const int left = GetParam();
  RunUntilLeft(left);
  EXPECT_EQ(Menu(-1)[kTakeItem].enabled, left > 1);
  Menu(kAddItem);
  EXPECT_EQ(Number(), std::to_string(left + 10));
  EXPECT_EQ(Left(), left + 10);
  EXPECT_EQ(Length(), kLength + 10);
  EXPECT_EQ(rt.main.ShownPosition(int(Id::CountdownBar)), left + 10);
  Menu(kTakeItem);
  Menu(kTakeItem);
  const int now = std::max(left - 10, 1);
  EXPECT_EQ(Number(), std::to_string(now));
  EXPECT_EQ(Left(), now);
  EXPECT_EQ(Length(), kLength - (left - now));
  EXPECT_EQ(rt.main.ShownPosition(int(Id::CountdownBar)), now);
  // Paused, the same items work and the pause holds.
  PressPause();
  Menu(kAddItem);
  EXPECT_EQ(Number(), std::to_string(now + 10));
  EXPECT_TRUE(LooksPaused());
  rt.Advance(5000);
  PressPause();
  // Resumed, the second goes on: 700 ms, then now + 10 seconds to 0 and one more.
  EXPECT_EQ(MillisecondsToTimeOut(60000), (now + 10) * 1000 + 700);
}

INSTANTIATE_TEST_SUITE_P(Seconds, AtSecondsLeft, testing::Values(1, 5, 30));

TEST_F(CountdownControlTest, TheTimeOutComesOneRunningSecondAfterZeroHoweverOftenPaused) {
  RunUntilLeft(1);
  rt.Advance(700);
  ASSERT_EQ(Number(), "0");
  for (int ran : {0, 400, 300}) {  // 700 ms of the last second run between the pauses
    rt.Advance(ran);
    PressPause();
    rt.Advance(30000);
    EXPECT_TRUE(rt.host.messages.empty());
    PressPause();
  }
  EXPECT_EQ(MillisecondsToTimeOut(5000), 300);
  EXPECT_TRUE(LooksAtRest());
}

TEST_F(CountdownControlTest, WhilePausedTheRoundGoesOnAndACorrectAnswerEndsThePause) {
  RunUntilLeft(20);
  Menu(kPauseItem);
  rt.form().Focus(Id::AnswerBox);
  rt.Type("WRONG");
  EXPECT_EQ(rt.Text(Id::AnswerBox), "wrong");
  Check();
  EXPECT_EQ(Interval(Id::ShakeTimer), 50) << "the shake runs while paused";
  rt.Advance(1000);
  EXPECT_TRUE(LooksPaused());
  Enter("answer1");
  Check();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
  EXPECT_EQ(Score(1), "1");
  EXPECT_TRUE(LooksAtRest());
  EXPECT_EQ(Number(), "20");
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  PressPause();
  EXPECT_EQ(Interval(Id::CountdownTimer), 0) << "nothing left to resume";
}

TEST_F(CountdownControlTest, AGroupChangeEndsThePauseAndTheNextConfirmationRunsTheFullLength) {
  RunUntilLeft(20);
  Menu(kPauseItem);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  EXPECT_TRUE(LooksAtRest());
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  Confirm();
  EXPECT_EQ(Interval(Id::CountdownTimer), 1000);
  EXPECT_EQ(Left(), kLength);
  EXPECT_EQ(MillisecondsToTimeOut(40000), (kLength + 1) * 1000);
}

TEST_F(CountdownControlTest, WithoutACountdownTheItemsAreGreyedAndTheKeyDoesNothing) {
  const auto greyed = [&](Id on) {
    const std::vector<MenuItem> menu = Menu(kAddItem, on);
    bool all = menu.size() == 3 && menu[kPauseItem].text == "暂停倒计时";
    for (const MenuItem& item : menu) all = all && !item.enabled;
    return all;
  };
  quiz.countdown = "3";
  StartWith(quiz);
  EXPECT_TRUE(greyed(Id::CountdownNumber)) << "before the first countdown";
  Open(1);
  Confirm();
  Enter("answer1");
  Check();
  EXPECT_TRUE(greyed(Id::CountdownBar)) << "after a correct answer";
  Open(3);
  Confirm();
  rt.Advance(4000);
  ASSERT_EQ(MessageTexts().back(), "回答超时！！");
  EXPECT_TRUE(greyed(Id::CountdownNumber)) << "after the time-out";
  PressPause();
  EXPECT_TRUE(LooksAtRest());
  EXPECT_EQ(Number(), "0");
  quiz.countdown = "0";
  Rewrite(quiz);
  rt.Advance(100);
  Open(4);
  Confirm();
  EXPECT_TRUE(greyed(Id::CountdownNumber)) << "switched off";
}

}  // namespace
}  // namespace lornel::quiz
