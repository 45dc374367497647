// Buzz-in and all groups at once: the Round's transitions on their own (fouls,
// the order by the keys' own times, 补答, the buzz opening again, the marks,
// undo of each step), then played on the whole program in memory with keys,
// the teacher's buttons and the clock.
#include "quiz/buzz_view.h"
#include "quiz/round/board.h"
#include "quiz/round/buzzing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/everyone.h"
#include "quiz/round/undo.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using namespace round;
using Stage = Buzz::Stage;

Round Opened(AnswerWay way, int n = 5, int groups = 6) {
  Round r;
  r.started = true;
  OpenQuestion(r, n, {"title", "answer", "", ""});
  AnswerBy(r, {way, groups, 10, Points::Of(1), Points::Of(0.5), {}, "30"});
  return r;
}

TEST(BuzzRound, AKeyBeforeTheStartIsAFoulThatPutsTheGroupOut) {
  Round r = Opened(AnswerWay::Buzz, 5, 4);
  EXPECT_FALSE(r.choosingGroup || r.checkArmed);
  EXPECT_EQ(BuzzNote(r), "准备抢答");
  EXPECT_EQ(PressBuzzKey(r, 3, 100), Pressed::Foul);
  EXPECT_EQ(PressBuzzKey(r, 3, 150), Pressed::Ignored) << "out once, charged once";
  EXPECT_EQ(PressBuzzKey(r, 5, 160), Pressed::Ignored) << "not in play";
  EXPECT_EQ(PressBuzzKey(r, 1, 170), Pressed::Foul);
  EXPECT_EQ(r.scores[0].Text() + r.scores[2].Text() + r.scores[4].Text(), "-1-10");
  EXPECT_EQ(BuzzNote(r), "第一组、第三组犯规");
  const BuzzView shown = ProjectBuzz(r);  // four groups in play, two of them out
  EXPECT_EQ(shown.picksShown, (std::array<bool, 6>{true, true, true, true, false, false}));
  EXPECT_EQ(shown.picksEnabled, (std::array<bool, 6>{false, true, false, true, false, false}));
  EXPECT_FALSE(shown.typing);
  ASSERT_TRUE(StartBuzz(r));
  EXPECT_FALSE(StartBuzz(r));
  EXPECT_EQ(BuzzNote(r), "抢！");
  EXPECT_TRUE(r.countdown.running() && r.countdown.total == 10);
  EXPECT_EQ(PressBuzzKey(r, 3, 200), Pressed::Ignored);
  EXPECT_EQ(PressBuzzKey(r, 2, 210), Pressed::Won);
  EXPECT_TRUE(r.group == 2 && r.checkArmed && r.countdown.total == 30);
  // With every group in play fouled, nobody is left: uncovered and locked.
  Round all = Opened(AnswerWay::Buzz, 6, 2);
  PressBuzzKey(all, 2, 1);
  EXPECT_EQ(PressBuzzKey(all, 1, 2), Pressed::Foul);
  EXPECT_TRUE(IsLocked(all, 6) && all.answerUncovered && all.open == 0);
}

TEST(BuzzRound, TheOrderFollowsEachKeysOwnTimeAndATieGoesToTheEarlierMessage) {
  Round r = Opened(AnswerWay::Buzz);
  StartBuzz(r);
  EXPECT_EQ(PressBuzzKey(r, 2, 1000), Pressed::Won);
  EXPECT_EQ(PressBuzzKey(r, 4, 1000), Pressed::Queued);  // the same millisecond, a later message
  EXPECT_EQ(PressBuzzKey(r, 5, 1120), Pressed::Queued);
  EXPECT_EQ(PressBuzzKey(r, 1, 1040), Pressed::Queued);  // pressed earlier, handled later
  EXPECT_EQ(PressBuzzKey(r, 6, 1040), Pressed::Queued);
  EXPECT_EQ(PressBuzzKey(r, 4, 1300), Pressed::Ignored);
  EXPECT_EQ(BuzzNote(r), "抢答顺序：二 · 四 +0.00 s · 一 +0.04 s · 六 +0.04 s · 五 +0.12 s");
  // The system's milliseconds wrap after 49.7 days; the lag does not.
  Round w = Opened(AnswerWay::Buzz);
  StartBuzz(w);
  PressBuzzKey(w, 3, 0xFFFFFFF0u);
  PressBuzzKey(w, 1, 0x10u);
  EXPECT_EQ(BuzzNote(w), "抢答顺序：三 · 一 +0.03 s");
}

TEST(BuzzRound, AWrongAnswerPassesTheTurnDownTheOrderThenOpensTheBuzzAgain) {
  Round r = Opened(AnswerWay::Buzz, 5, 4);
  StartBuzz(r);
  PressBuzzKey(r, 2, 1000);
  PressBuzzKey(r, 4, 1100);
  PressBuzzKey(r, 1, 1200);
  CountdownTick(r);
  const int clears = r.answerBoxClears;
  EXPECT_EQ(PassTurn(r), Passed::NextInOrder);
  EXPECT_EQ(r.group, 4);
  EXPECT_EQ(BuzzNote(r), "第四组补答");
  EXPECT_EQ(r.scores[1].Text(), "-0.5");
  EXPECT_EQ(r.countdown.left, 30) << "its own countdown afresh";
  EXPECT_EQ(r.answerBoxClears, clears + 1);
  EXPECT_EQ(PassTurn(r), Passed::NextInOrder);  // 补答 after 补答
  EXPECT_EQ(BuzzNote(r), "第一组补答");
  EXPECT_EQ(PassTurn(r), Passed::BuzzAgain) << "the order is used up; group three is left";
  EXPECT_TRUE(r.group == 0 && !r.checkArmed && r.countdown.total == 10);
  EXPECT_EQ(BuzzNote(r), "抢！");
  EXPECT_EQ(PressBuzzKey(r, 2, 2000), Pressed::Ignored) << "answered already";
  EXPECT_EQ(PressBuzzKey(r, 3, 3000), Pressed::Won);
  EXPECT_EQ(BuzzNote(r), "抢答顺序：二 · 四 +0.10 s · 一 +0.20 s · 三 +2.00 s");
  EXPECT_EQ(PassTurn(r), Passed::NoneLeft);
  EXPECT_TRUE(IsLocked(r, 5) && r.answerUncovered && r.open == 0);
  EXPECT_EQ(PassTurn(r), Passed::NotATurn);
}

// Each step as a handler records it: the Round before, kept when it changed.
struct Steps {
  UndoHistory undo;
  template <class Step>
  auto operator()(Round& r, Step step) {
    const Round before = r;
    const auto result = step();
    undo.Record("step", before, r);
    return result;
  }
};

TEST(BuzzRound, UndoTakesBackAFoulAWonBuzzAndAWrongAnswerWhole) {
  Steps steps;
  Round r = Opened(AnswerWay::Buzz);
  steps(r, [&] { return PressBuzzKey(r, 3, 10); });
  StartBuzz(r);
  steps(r, [&] { return PressBuzzKey(r, 2, 1000); });
  PressBuzzKey(r, 4, 1100);  // joins the order: no step of its own
  PressBuzzKey(r, 1, 1150);
  steps(r, [&] { return PassTurn(r); });
  ASSERT_EQ(r.group, 4);
  ASSERT_TRUE(steps.undo.Undo(r));
  EXPECT_EQ(r.group, 2) << "the turn back to the group that answered wrong";
  EXPECT_EQ(r.scores[1], Points());
  EXPECT_EQ(BuzzNote(r), "抢答顺序：二 · 四 +0.10 s · 一 +0.15 s");
  ASSERT_TRUE(steps.undo.Undo(r));
  EXPECT_TRUE(r.buzz.stage == Stage::Open && r.group == 0 && !r.checkArmed);
  EXPECT_EQ(r.countdown.total, 10) << "the buzz's own time afresh";
  EXPECT_EQ(BuzzNote(r), "抢答顺序：四 · 一 +0.05 s") << "the later presses kept";
  ASSERT_TRUE(steps.undo.Undo(r));
  EXPECT_EQ(r.scores[2], Points());
  EXPECT_EQ(r.buzz.stage, Stage::Open) << "the start stays";
  EXPECT_EQ(PressBuzzKey(r, 3, 2000), Pressed::Won) << "no longer out";
  EXPECT_EQ(PassTurn(r), Passed::NextInOrder);
  EXPECT_EQ(r.group, 4);
  // The last wrong answer locked the question: undone, it is open to play again.
  Round last = Opened(AnswerWay::Buzz, 7, 1);
  StartBuzz(last);
  PressBuzzKey(last, 1, 5);
  steps(last, [&] { return PassTurn(last); });
  ASSERT_TRUE(IsLocked(last, 7));
  steps.undo.Undo(last);
  EXPECT_TRUE(QuestionOffered(last, 7) && last.scores[0] == Points());
}

TEST(AllGroupsRound, TheMarkedGroupsScoreInOneStepNoneOneOrAllSix) {
  Round r = Opened(AnswerWay::Everyone, 8);
  EXPECT_TRUE(!r.choosingGroup && !r.checkArmed && r.group == 0);
  EXPECT_TRUE(r.countdown.running() && r.countdown.total == 30);
  ASSERT_TRUE(BeginMarking(r));
  EXPECT_FALSE(r.countdown.on());
  EXPECT_FALSE(BeginMarking(r));
  EXPECT_TRUE(AwardMarked(r, Points::Of(2)).empty());
  EXPECT_TRUE(IsLocked(r, 8) && r.answerUncovered);
  EXPECT_EQ(r.scores, decltype(r.scores){});

  Steps steps;
  Round one = Opened(AnswerWay::Everyone, 9, 4);
  BeginMarking(one);
  for (int g : {3, 5, 2, 2}) ToggleMark(one, g);  // five is not in play; two twice is off
  EXPECT_EQ(steps(one, [&] { return AwardMarked(one, Points::Of(2)); }), std::vector<int>{3});
  EXPECT_EQ(one.scores[2].Text(), "2");

  Round all = Opened(AnswerWay::Everyone, 10);
  BeginMarking(all);
  for (int g = 1; g <= kGroupCount; ++g) ToggleMark(all, g);
  EXPECT_EQ(steps(all, [&] { return AwardMarked(all, Points::Of(0.5)); }).size(), 6u);
  for (const Points& score : all.scores) EXPECT_EQ(score.Text(), "0.5");
  steps.undo.Undo(all);
  EXPECT_EQ(all.scores, decltype(all.scores){});
  EXPECT_FALSE(IsLocked(all, 10));
}

// --- the whole program --------------------------------------------------------

class BuzzTest : public QuizTest {
 protected:
  void SetUp() override {
    quiz.countdown = "20";
    rt.WriteConfig(quiz.Bytes() +
                   "[答题方式：]\r\n第一题方式=抢答\r\n第二题方式=抢答\r\n第三题方式=抢答\r\n"
                   "第四题方式=全体\r\n第六题方式=全体\r\n"
                   "[抢答：]\r\n抢答时间=5\r\n犯规扣分=1\r\n答错扣分=1\r\n");
    rt.Start();
    ASSERT_TRUE(rt.Click(Id::StartButton));
  }
  void Key(int vk, std::uint32_t time) { rt.main.PressKey(ui::Key{vk}, time); }
  void Key(int vk) { rt.main.PressKey(vk); }
  std::string Info() { return rt.Text(Id::InfoText); }
  static constexpr int kSpace = 0x20, kNumpad1 = 0x61;
};

TEST_F(BuzzTest, KeysFoulStartWinAndJoinTheOrderAndAWrongAnswerGoesToTheNext) {
  Open(1);
  EXPECT_FALSE(rt.Visible(Id::GroupPanel));
  EXPECT_TRUE(rt.Visible(Id::BuzzPanel) && rt.Enabled(Id::StartBuzzButton));
  EXPECT_FALSE(rt.Enabled(Id::KeyQ) || rt.Enabled(Id::AnswerBox) || rt.Enabled(Id::CheckButton));
  EXPECT_FALSE(rt.Enabled(Id::ChangeGroupButton));
  EXPECT_EQ(Info(), "准备抢答");
  Key('3');
  EXPECT_EQ(Score(3), "-1");
  EXPECT_EQ(Info(), "第三组犯规");
  EXPECT_FALSE(rt.Enabled(Id::BuzzGroup3));
  Key(kSpace);
  EXPECT_EQ(Info(), "抢！");
  EXPECT_EQ(rt.sounds.sounds().back(), platform::Sound::Go);
  Key('3');
  Key(kNumpad1, 50000);
  EXPECT_EQ(rt.Text(Id::AnsweringGroup), "一");
  EXPECT_FALSE(rt.Visible(Id::BuzzPanel) || rt.Visible(Id::CountdownBar));
  EXPECT_TRUE(rt.Enabled(Id::KeyQ) && rt.Enabled(Id::AnswerBox) && rt.Enabled(Id::CheckButton));
  Key('5', 50400);
  EXPECT_EQ(Info(), "抢答顺序：一 · 五 +0.40 s");
  // In the answer box a digit is typed, not a buzz.
  rt.main.Focus(int(Id::AnswerBox));
  Key('2');
  EXPECT_EQ(rt.Text(Id::AnswerBox), "2");
  EXPECT_EQ(Info(), "抢答顺序：一 · 五 +0.40 s");
  Check();
  EXPECT_EQ(Score(1), "-1");
  EXPECT_EQ(rt.Text(Id::AnsweringGroup), "五");
  EXPECT_EQ(Info(), "第五组补答");
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
  Enter("answer1");
  Check();
  EXPECT_EQ(Score(5), "1");
  EXPECT_TRUE(Locked(1));
  EXPECT_EQ(rt.main.SystemMenu().front().text, "撤销：第五组 第一题 +1 分\tCtrl+Z");
  EXPECT_EQ(Info(), "欢迎使用！  版本1.1.15.823");
}

TEST_F(BuzzTest, TheTeachersButtonsCountAsKeysAndNoBuzzEndsTheQuestion) {
  Open(2);
  ASSERT_TRUE(rt.Click(Id::BuzzGroup4));
  EXPECT_EQ(Info(), "第四组犯规");
  ASSERT_TRUE(rt.Click(Id::StartBuzzButton));
  ASSERT_TRUE(rt.Click(Id::BuzzGroup2));
  EXPECT_EQ(rt.Text(Id::AnsweringGroup), "二");
  EXPECT_EQ(rt.main.SystemMenu().front().text, "撤销：第二组 第二题 抢到\tCtrl+Z");
  rt.main.PressKey(ui::Key{'Z', true});
  EXPECT_TRUE(rt.Visible(Id::BuzzPanel) && rt.Enabled(Id::BuzzGroup2)) << "back to the buzz";
  EXPECT_EQ(rt.Text(Id::AnsweringGroup), "■");
  ASSERT_TRUE(rt.Click(Id::BuzzCancelLink));
  EXPECT_EQ(Interval(Id::CountdownTimer), 0) << "the buzz's time stops with it";
  // Nobody buzzes within 抢答时间: as a time-out, in its own words.
  Open(3);
  Key(kSpace);
  rt.Advance(6100);
  EXPECT_EQ(MessageTexts().back(), "无人抢答");
  EXPECT_EQ(rt.LastMessage()->title, "很遗憾！");
  EXPECT_TRUE(Locked(3));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
}

TEST_F(BuzzTest, AllGroupsAtOnceAreMarkedAndScoredInOneStep) {
  Open(4);
  EXPECT_FALSE(rt.Visible(Id::GroupPanel) || rt.Enabled(Id::KeyQ));
  EXPECT_TRUE(rt.Visible(Id::JudgeButton) && !rt.Visible(Id::StartBuzzButton));
  EXPECT_EQ(Interval(Id::CountdownTimer), 1000);
  ASSERT_TRUE(rt.Click(Id::JudgeButton));
  EXPECT_TRUE(rt.Visible(Id::MarkPanel));
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  ASSERT_TRUE(rt.Click(Id::MarkToggle2));
  ASSERT_TRUE(rt.Click(Id::MarkToggle5));
  EXPECT_TRUE(rt.main.IsChecked(int(Id::MarkToggle5)));
  EXPECT_EQ(rt.Text(Id::MarkToggle5), "√ 第五组");
  ASSERT_TRUE(rt.Click(Id::MarkConfirmButton));
  EXPECT_EQ(Score(2) + Score(5), "11");
  EXPECT_TRUE(Locked(4) && !rt.Visible(Id::AnswerCover) && !rt.Visible(Id::MarkPanel));
  EXPECT_EQ(rt.main.SystemMenu().front().text, "撤销：第四题 二、五组 +1 分\tCtrl+Z");
  rt.main.PressKey(ui::Key{'Z', true});
  EXPECT_EQ(Score(2) + Score(5), "00");
  EXPECT_FALSE(Locked(4));
  // The countdown's end brings the marks, not "回答超时！！"; none right is allowed.
  Open(6);
  EXPECT_FALSE(rt.main.IsChecked(int(Id::MarkToggle5))) << "the marks start empty";
  rt.Advance(21100);
  EXPECT_TRUE(rt.Visible(Id::MarkPanel));
  EXPECT_TRUE(MessageTexts().empty());
  ASSERT_TRUE(rt.Click(Id::MarkConfirmButton));
  EXPECT_TRUE(Locked(6));
  EXPECT_EQ(rt.main.SystemMenu().front().text, "撤销：第六题 无人答对\tCtrl+Z");
}

// The features meet: a choice question won by a buzz shows its options to the
// winner, and groups beyond 组数 have no key and no button.
TEST_F(QuizTest, AChoiceQuestionWonByABuzzIsAnsweredByTapsAndOnlyGroupsInPlayBuzz) {
  quiz.kinds[8] = "选择";
  quiz.options[8] = "太平洋 | 大西洋 | 印度洋 | 北冰洋";
  quiz.answers[8] = "A";
  rt.WriteConfig(quiz.Bytes() + "[答题方式：]\r\n第九题方式=抢答\r\n[分组：]\r\n组数=4\r\n");
  rt.Start();
  ASSERT_TRUE(rt.Click(Id::StartButton));
  Open(9);
  EXPECT_FALSE(rt.Visible(Id::BuzzGroup5) || rt.Visible(Id::BuzzGroup6));
  ASSERT_TRUE(rt.Click(Id::StartBuzzButton));
  rt.main.PressKey('6');  // not in play: no buzz
  EXPECT_EQ(rt.Text(Id::AnsweringGroup), "■");
  rt.main.PressKey('2');
  EXPECT_EQ(rt.Text(Id::AnsweringGroup), "二");
  EXPECT_TRUE(rt.Visible(Id::OptionFourA));
  ASSERT_TRUE(rt.Click(Id::OptionFourA));
  EXPECT_EQ(rt.Text(Id::AnswerBox), "A");
  Check();
  EXPECT_EQ(Score(2), "1");
  EXPECT_TRUE(Locked(9));
  // For all groups at once the class reads the options; nobody taps them.
  rt.WriteConfig(quiz.Bytes() + "[答题方式：]\r\n第九题方式=全体\r\n");
  rt.main.PressKey(ui::Key{'Z', true});  // undo: question 9 back on the board
  Open(9);
  EXPECT_TRUE(rt.Visible(Id::OptionFourA));
  ASSERT_TRUE(rt.Click(Id::OptionFourA));
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
}

}  // namespace
}  // namespace lornel::quiz
