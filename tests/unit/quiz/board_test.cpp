// The question board: opening, cancelling, closing and locking questions.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class BoardTest : public QuizTest {
 protected:
  void SetUp() override { StartWith(quiz); }
  int EnabledButtons() {
    int count = 0;
    for (int n = 1; n <= kQuestionCount; ++n) count += ButtonEnabled(n);
    return count;
  }
  void ExpectBoard() {
    for (int n = 1; n <= kQuestionCount; ++n) EXPECT_FALSE(PanelVisible(n)) << n;
    EXPECT_FALSE(rt.Visible(Id::GroupPanel));
  }
};

TEST_F(BoardTest, OpeningAQuestionShowsItsTitleAndAsksForTheGroup) {
  quiz.titles[2] = "三加三等于几？";
  quiz.answers[2] = "六";
  Rewrite(quiz);
  Enter("left over");
  Open(3);
  // The group question over a board out of reach, and this question alone up.
  EXPECT_TRUE(rt.Visible(Id::GroupPanel));
  EXPECT_EQ(EnabledButtons(), 0);
  for (int n = 1; n <= kQuestionCount; ++n) EXPECT_EQ(PanelVisible(n), n == 3) << n;
  EXPECT_EQ(rt.Text(kQuestions[2].label), "三加三等于几？");
  // An empty answer box, the answer covered, and its own answer judged.
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
  EXPECT_FALSE(rt.Enabled(Id::NextQuestionButton));
  Confirm();
  Enter("六");
  Check();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
}

TEST_F(BoardTest, OpeningConfirmingAndCheckingReadTheFileOnceEach) {
  int reads = rt.host.readCount;
  auto once = [&] {
    EXPECT_EQ(rt.host.readCount - reads, 1);
    reads = rt.host.readCount;
  };
  Open(3);
  once();
  Confirm();
  once();
  Enter("wrong");
  Check();
  once();
}

TEST_F(BoardTest, ATitleChangedInTheFileShowsAtTheNextOpening) {
  Open(5);
  EXPECT_EQ(rt.Text(Id::QuestionLabel5), "问题5");
  Cancel();
  quiz.titles[4] = "新的题目";
  Rewrite(quiz);
  Open(5);
  EXPECT_EQ(rt.Text(Id::QuestionLabel5), "新的题目");
}

TEST_F(BoardTest, CancelReturnsToTheBoardKeepingTheAnswerAndLockingNothing) {
  Open(6);
  Enter("typed");
  Cancel();
  ExpectBoard();
  EXPECT_EQ(EnabledButtons(), kQuestionCount);
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
  EXPECT_EQ(rt.Text(Id::AnswerBox), "typed");
  rt.Advance(500);
  EXPECT_EQ(EnabledButtons(), kQuestionCount);
}

TEST_F(BoardTest, ACorrectAnswerLocksTheQuestionWhileItsMessageIsOpen) {
  Open(4);
  Confirm();
  Enter("answer4");
  bool lockedInside = false;
  rt.host.answerer = [&](const fake::ShownMessage&) {
    rt.Advance(30);
    lockedInside = Locked(4) && !ButtonEnabled(4) && !PanelVisible(4);
    return platform::MessageResult::Ok;
  };
  Check();
  EXPECT_TRUE(lockedInside);
  ExpectBoard();
  for (int n = 1; n <= kQuestionCount; ++n) EXPECT_EQ(Locked(n), n == 4) << n;
  EXPECT_EQ(EnabledButtons(), kQuestionCount - 1);
  // The finished question's answer stays readable until the next opening.
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_EQ(rt.Text(Id::CorrectAnswer), "answer4");
  Open(5);
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
}

TEST_F(BoardTest, LocksSurviveEveryStepThatEnablesTheBoard) {
  AnswerCorrectly(1);
  rt.Advance(20);
  Open(2);
  Cancel();
  EXPECT_FALSE(ButtonEnabled(1));  // not even for a moment
  EXPECT_FALSE(rt.Click(Id::QuestionButton1));
  EXPECT_EQ(EnabledButtons(), kQuestionCount - 1);
}

// After "重新选题" the check button is still armed with the cancelled answer,
// and with no question panel up there is nothing for the lock scan to find.
TEST_F(BoardTest, ACorrectAnswerAfterCancelScoresButLocksNothing) {
  Open(7);
  Confirm(2);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));  // back to the group choice, then cancelled
  Cancel();
  Enter("ANSWER7");
  Check();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
  EXPECT_EQ(Score(2), "1");
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  rt.Advance(20);
  // Were the scan still running, the next opening would lock the whole board.
  Open(8);
  rt.Advance(200);
  Cancel();
  rt.Advance(20);
  for (int n = 1; n <= kQuestionCount; ++n) EXPECT_FALSE(Locked(n)) << n;
  EXPECT_EQ(EnabledButtons(), kQuestionCount);
}

TEST_F(BoardTest, ACorrectAnswerAfterCancelWithNoGroupYetAsksForAQuestion) {
  Open(3);
  Cancel();
  Enter("answer3");
  Check();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"回答正确！", "请选题！"}));
  for (int g = 1; g <= kGroupCount; ++g) EXPECT_EQ(Score(g), "0");
}

TEST_F(BoardTest, NextQuestionAfterARevealLocksTheRevealedQuestion) {
  Open(9);
  Confirm();
  Enter("wrong");
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  ASSERT_TRUE(rt.Click(Id::NextQuestionButton));
  ExpectBoard();
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
  EXPECT_TRUE(Locked(9));
  rt.Advance(10);
  EXPECT_FALSE(ButtonEnabled(9));
  EXPECT_EQ(EnabledButtons(), kQuestionCount - 1);
}

TEST_F(BoardTest, ARevealLeftThroughTheGroupChangeAndCancelStaysUnlocked) {
  Open(10);
  Confirm();
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  EXPECT_TRUE(rt.Visible(Id::GroupPanel));
  EXPECT_TRUE(PanelVisible(10));
  Cancel();
  rt.Advance(100);
  EXPECT_EQ(EnabledButtons(), kQuestionCount);
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_EQ(rt.Text(Id::CorrectAnswer), "answer10");
}

TEST_F(BoardTest, WithAllFourteenLockedTheBoardStaysDisabledAndSilent) {
  for (int n = 1; n <= kQuestionCount; ++n) {
    AnswerCorrectly(n);
    rt.Advance(20);
  }
  const auto messages = rt.host.messages.size();
  rt.Advance(3000);
  EXPECT_EQ(EnabledButtons(), 0);
  for (int n = 1; n <= kQuestionCount; ++n) EXPECT_FALSE(rt.Click(kQuestions[n - 1].button));
  EXPECT_EQ(rt.host.messages.size(), messages);
  EXPECT_EQ(Score(1), "14");
}

}  // namespace
}  // namespace lornel::quiz
