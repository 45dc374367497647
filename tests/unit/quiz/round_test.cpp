// The Round's transitions on their own, with no window: the steps of the board,
// the countdown, the groups and undo as the teacher sees them.
#include <gtest/gtest.h>

#include "quiz/round/answer.h"
#include "quiz/round/board.h"
#include "quiz/round/countdown.h"
#include "quiz/round/groups.h"
#include "quiz/round/undo.h"
#include "quiz/view.h"

namespace lornel::quiz {
namespace {

using namespace round;

TEST(Points, AddUpExactlyAndShowAsTheScoreBarWritesNumbers) {
  Points half = Points::Of(0.5), score;
  for (int i = 0; i < 3; ++i) score = score + half;
  EXPECT_EQ(score.Text(), "1.5");
  Points tenths;
  for (int i = 0; i < 1000; ++i) tenths = tenths + Points::Of(0.1);
  EXPECT_EQ(tenths.Text(), "100");  // a double sum would show 99.99999999999
  EXPECT_EQ((Points() - Points::Of(1)).Text(), "-1");
  EXPECT_EQ(Points::Parse("-12.5").ExactText(), "-12.5");
  EXPECT_EQ(Points::Parse(Points::Of(1.0 / 3).ExactText()), Points::Of(1.0 / 3));
  EXPECT_LT(Points::Of(-0.5), Points());
  // Beyond what a decimal holds it stays a number, never infinity.
  const Points huge = Points::Of(1.7e308);
  EXPECT_EQ((huge + huge).Text(), "1.797693134862e+308");
}

Round Answering(int n, int group = 3) {
  Round r;
  r.started = true;
  OpenQuestion(r, n, {"title", "answer", "", ""});
  ConfirmGroup(r, group);
  return r;
}

TEST(RoundBoard, OpeningCoversTheAnswerAndClosingLocksOnlyTheOpenQuestion) {
  Round r;
  r.layer = KeyLayer::Digits;
  r.answerUncovered = true;
  OpenQuestion(r, 3, {"三加三等于几？", "六", "", ""});
  EXPECT_TRUE(r.choosingGroup && r.checkArmed && !r.answerUncovered);
  EXPECT_EQ(r.layer, KeyLayer::Letters);
  EXPECT_EQ(r.answerBoxClears, 1);
  for (int n = 1; n <= kQuestionCount; ++n) EXPECT_FALSE(QuestionOffered(r, n));
  ConfirmGroup(r, 0);
  CloseQuestion(r);
  EXPECT_TRUE(IsLocked(r, 3));
  EXPECT_FALSE(QuestionOffered(r, 3));
  OpenQuestion(r, 3, {});  // a locked question does not open
  EXPECT_EQ(r.open, 0);
  // "重新选题" keeps the answer armed; a right answer then locks nothing.
  OpenQuestion(r, 5, {"", "answer5", "", ""});
  CancelQuestion(r);
  EXPECT_TRUE(r.checkArmed);
  EXPECT_EQ(r.expected, "answer5");
  CloseQuestion(r);
  EXPECT_FALSE(IsLocked(r, 5));
}

TEST(RoundBoard, TheShakeAsksForAQuestionOnlyWhileQuestionOneIsOnOffer) {
  Round r;
  StartShake(r);
  const int lefts[] = {75, 85, 74, 80};
  Round answering = Answering(2);
  StartShake(answering);
  for (int left : lefts) {
    EXPECT_TRUE(ShakeTick(answering));
    EXPECT_EQ(AnswerBoxLeft(answering), left);
  }
  EXPECT_EQ(answering.shake, 0);
  EXPECT_FALSE(ShakeTick(r));  // the empty board
  r.locked[0] = true;
  StartShake(r);
  EXPECT_TRUE(ShakeTick(r));
}

TEST(RoundBoard, NextQuestionLocksARevealedQuestionUnlessACountdownHasRun) {
  Round r = Answering(9);
  UncoverAnswer(r);
  ASSERT_TRUE(NextOffered(r));
  EXPECT_TRUE(NextQuestion(r));
  EXPECT_TRUE(IsLocked(r, 9));
  EXPECT_TRUE(r.expected.empty());
  Round guarded = Answering(4);
  CountdownStart(guarded, "00");  // the text counts: "00" runs
  UncoverAnswer(guarded);
  EXPECT_FALSE(NextOffered(guarded) || RevealOffered(guarded));
  EXPECT_FALSE(NextQuestion(guarded));
}

TEST(RoundCountdown, CountsDownShowsTheNumberAfterItsFirstTickAndTimesOutOneSecondAfterZero) {
  Round r = Answering(1);
  r.countdown.shown = 7;  // what the last countdown left on the display
  CountdownPrepare(r, 2);
  CountdownStart(r, "2");
  EXPECT_EQ(r.countdown.shown, 7);
  EXPECT_EQ(CountdownTick(r), Tick::Counted);
  EXPECT_EQ(r.countdown.shown, 1);
  EXPECT_EQ(CountdownTick(r), Tick::Counted);
  EXPECT_EQ(CountdownTick(r), Tick::TimedOut);
  Round off = Answering(2);
  CountdownPrepare(off, 40000);
  EXPECT_EQ(off.countdown.total, 32767);
  CountdownStart(off, "0");
  EXPECT_FALSE(off.countdown.on() || off.revealGuard);
  EXPECT_EQ(CountdownTick(off), Tick::Ignored);
}

TEST(RoundCountdown, TimeStandsStillWhileRevealedAndChoosingAGroupAndWhilePaused) {
  Round r = Answering(1);
  CountdownPrepare(r, 5);
  CountdownStart(r, "5");
  r.answerUncovered = r.choosingGroup = true;
  EXPECT_EQ(CountdownTick(r), Tick::StoodStill);
  EXPECT_EQ(r.countdown.left, 5);
  r.choosingGroup = false;
  ToggleCountdownPause(r);
  EXPECT_TRUE(CountdownPaused(r));
  EXPECT_EQ(CountdownTick(r), Tick::Ignored);
  ToggleCountdownPause(r);
  HoldCountdown(r);
  EXPECT_FALSE(CountdownPaused(r));
  EXPECT_EQ(CountdownTick(r), Tick::Ignored);
  ReleaseCountdown(r);
  EXPECT_EQ(CountdownTick(r), Tick::Counted);
}

TEST(RoundCountdown, TimeAddedMovesTheRangeAndTimeTakenLeavesOneSecond) {
  Round r = Answering(1);
  CountdownPrepare(r, 15);
  CountdownStart(r, "15");
  AddCountdownTime(r, kTimeStep);
  EXPECT_EQ(r.countdown.total, 25);
  EXPECT_EQ(r.countdown.left, 25);
  r.countdown.left = 4;
  EXPECT_TRUE(TakeCountdownTime(r, kTimeStep));
  EXPECT_EQ(r.countdown.left, 1);
  EXPECT_EQ(r.countdown.total, 22);
  EXPECT_FALSE(TakeCountdownTime(r, kTimeStep));
}

TEST(RoundGroups, PointsGoToTheConfirmedGroupAndNoneBeforeOne) {
  Round r;
  EXPECT_FALSE(AwardPoints(r, Points::Of(1)));
  r = Answering(1, 3);
  ConfirmGroup(r, 0);  // nothing checked: group three answers on
  EXPECT_TRUE(AwardPoints(r, Points::Of(2)));
  CorrectScore(r, 3, -Points::Of(0.5));
  EXPECT_EQ(r.scores[2].Text(), "1.5");
  ClearScore(r, 3);
  EXPECT_EQ(r.scores[2], Points());
  Round board;
  EXPECT_FALSE(ChangeGroup(board));
}

TEST(RoundUndo, PutsBackScoresAndLocksOnlyStepByStep) {
  UndoHistory history;
  Round r = Answering(5);
  Round before = r;
  CloseQuestion(r);
  AwardPoints(r, Points::Of(2));
  history.Record("第三组 第五题 +2 分", before, r);
  before = r;
  r.note = "nothing that undo keeps";
  history.Record("no step", before, r);
  EXPECT_EQ(history.last().what, "第三组 第五题 +2 分");
  OpenQuestion(r, 6, {});
  ASSERT_TRUE(history.Undo(r));
  EXPECT_FALSE(IsLocked(r, 5));
  EXPECT_EQ(r.scores[2], Points());
  EXPECT_EQ(r.open, 6) << "the question open now stays open";
  EXPECT_FALSE(history.Undo(r));
  for (int i = 0; i < 60; ++i) {
    before = r;
    CorrectScore(r, 1, Points::Of(1));
    history.Record("+1", before, r);
  }
  int steps = 0;
  while (history.Undo(r)) ++steps;
  EXPECT_EQ(steps, int(UndoHistory::kDepth));
  EXPECT_EQ(r.scores[0].Text(), "10");
}

TEST(RoundView, ShowsWhatTheBoardHasAlwaysShown) {
  const View start = Project(Round());
  EXPECT_TRUE(start.startCover && start.answerCover && start.revealEnabled);
  EXPECT_EQ(start.answeringGroup, "■");
  EXPECT_EQ(start.countdownNumber, "0");
  Round r = Answering(2, 4);
  CountdownPrepare(r, 9);
  CountdownStart(r, "9");
  ToggleCountdownPause(r);
  const View paused = Project(r);
  EXPECT_EQ(paused.infoText, "倒计时已暂停");
  EXPECT_TRUE(paused.countdownGrey);
  EXPECT_EQ(paused.countdownNumber, "9");
  EXPECT_EQ(paused.answeringGroup, "四");
  EXPECT_FALSE(paused.revealEnabled);
  for (bool offered : paused.offered) EXPECT_FALSE(offered);
}

}  // namespace
}  // namespace lornel::quiz
