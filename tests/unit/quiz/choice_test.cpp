// Choice and true/false questions: the Round's steps on their own, then the
// board played in memory with taps, the physical keys and the on-screen
// Backspace.
#include <gtest/gtest.h>

#include "quiz/round/board.h"
#include "quiz/round/choosing.h"
#include "quiz/round/groups.h"
#include "quiz/view.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using config::QuestionKind;
using Verdict = ui::OptionLook::Verdict;

const config::AskedQuestion kOceans{
    QuestionKind::Choice, {"太平洋", "大西洋", "印度洋", "北冰洋"}, "AC"};

// What the board below cannot show: taps before the group is confirmed, past
// the options or after "重新选题", the order of the letters, and the marks of
// all four looks at once.
TEST(RoundChoice, TapsTakeOnlyWhileAGroupAnswersAndUncoveringMarksEachOption) {
  Round r;
  r.started = true;
  round::OpenQuestion(r, 9, {"title", "AC", "", "", kOceans});
  round::ChooseOption(r, 1);  // "你是第几组的？" still lies over the options
  EXPECT_EQ(r.choice.chosen, 0u);
  round::ConfirmGroup(r, 2);
  for (int option : {2, 0, 4, 1}) round::ChooseOption(r, option);  // no option E
  EXPECT_EQ(round::ChosenText(r.choice), "ABC");  // in order, whatever the taps' order
  EXPECT_EQ(r.expected, "AC 太平洋、印度洋");     // the letters first: a narrow label keeps them
  round::ChooseOption(r, 2);
  r.answerUncovered = true;
  r.checkArmed = false;
  const ChoiceView v = Project(r).choice;
  EXPECT_FALSE(v.taking);
  EXPECT_EQ(v.looks[0], (ui::OptionLook{true, Verdict::Right}));
  EXPECT_EQ(v.looks[1], (ui::OptionLook{true, Verdict::Wrong}));
  EXPECT_EQ(v.looks[2], (ui::OptionLook{false, Verdict::Right}));
  EXPECT_EQ(v.looks[3], ui::OptionLook{});
  round::CancelQuestion(r);  // "重新选题": the choice stays, no tap takes
  r.checkArmed = true;
  round::ChooseOption(r, 3);
  EXPECT_EQ(round::ChosenText(r.choice), "AB");
}

// --- the board, in memory ------------------------------------------------------

class ChoiceBoard : public QuizTest {
 protected:
  void SetUp() override {
    quiz.kinds[8] = "选择";
    quiz.options[8] = "太平洋 | 大西洋 | 印度洋 | 北冰洋";
    quiz.answers[8] = "A";
    quiz.kinds[9] = "选择";
    quiz.options[9] = "鲸 | 鲨鱼 | 蝙蝠";
    quiz.answers[9] = "ac";
    quiz.kinds[5] = "判断";
    quiz.answers[5] = "√";
    StartWith(quiz);
  }
  bool Shown(Id id) { return rt.Visible(id); }
  ui::OptionLook Look(Id id) { return rt.main.OptionLookOf(int(id)); }
  void Tap(Id option) { ASSERT_TRUE(rt.Click(option)); }
};

TEST_F(ChoiceBoard, TapsChooseAWrongChoiceShakesAndIsKeptAndARightOneScoresAndLocks) {
  Open(9);
  EXPECT_FALSE(rt.Click(Id::OptionFourB)) << "the group panel lies over the options";
  Confirm(3);
  EXPECT_FALSE(Shown(Id::KeyQ) || Shown(Id::KeyLayer) || Shown(Id::KeyEnter));
  EXPECT_TRUE(Shown(Id::KeyBackspace));
  EXPECT_TRUE(Shown(Id::OptionFourD) && !Shown(Id::OptionPairA) && !Shown(Id::OptionSixA));
  EXPECT_EQ(rt.Text(Id::OptionFourA), "A 太平洋");
  Check();
  EXPECT_EQ(rt.LastMessage()->text, "答案这么空合适嘛？");
  Tap(Id::OptionFourB);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "B");
  EXPECT_EQ(Look(Id::OptionFourB), (ui::OptionLook{true}));
  Check();
  EXPECT_EQ(Interval(Id::ShakeTimer), 50);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "B");
  Tap(Id::OptionFourA);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "A");
  EXPECT_EQ(Look(Id::OptionFourB), ui::OptionLook{});
  Check();
  EXPECT_EQ(rt.LastMessage()->text, "回答正确！");
  EXPECT_EQ(Score(3), "1");
  EXPECT_TRUE(Locked(9));
  EXPECT_EQ(rt.Text(Id::CorrectAnswer), "A 太平洋");
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_EQ(Look(Id::OptionFourA), (ui::OptionLook{true, Verdict::Right}));
  Tap(Id::OptionFourC);  // the marks stay, the taps are over
  EXPECT_EQ(rt.Text(Id::AnswerBox), "A");
  EXPECT_EQ(Look(Id::OptionFourC), ui::OptionLook{});
  // "继续选题" brings the keyboard back, typing again.
  ASSERT_TRUE(rt.Click(Id::NextQuestionButton));
  EXPECT_TRUE(Shown(Id::KeyQ) && !Shown(Id::OptionFourA));
  Open(2);
  Confirm();
  EXPECT_FALSE(rt.main.IsReadOnly(int(Id::AnswerBox)));
  ASSERT_TRUE(rt.Click(Id::AnswerBox));
  rt.Type("ab");
  EXPECT_EQ(rt.Text(Id::AnswerBox), "ab");
}

TEST_F(ChoiceBoard, KeysAToFChooseOtherTypingDoesNothingAndBackspaceClears) {
  Open(10);
  rt.main.Focus(int(Id::AnswerBox));
  rt.Type("a");  // beneath the group panel the box already takes no typing
  Confirm();
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
  EXPECT_TRUE(Shown(Id::OptionFourC) && !Shown(Id::OptionFourD));
  rt.Type("cgzd1a");  // D is no option of three
  EXPECT_EQ(rt.Text(Id::AnswerBox), "AC");
  rt.main.TypeCharacter(u'鲸');  // an input method's character
  EXPECT_EQ(rt.Text(Id::AnswerBox), "AC");
  ASSERT_TRUE(rt.Click(Id::KeyBackspace));  // the on-screen key, as a key press
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
  Tap(Id::OptionFourA);
  Tap(Id::OptionFourB);
  Tap(Id::OptionFourB);  // several right: a second tap takes it back
  rt.main.PressKey(0x08);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "");
  rt.Type("ac");
  Check();
  EXPECT_EQ(rt.LastMessage()->text, "回答正确！");
  EXPECT_EQ(rt.Text(Id::CorrectAnswer), "AC 鲸、蝙蝠");
  // The next choice question: beneath the group panel nothing is hidden and
  // shown again; its own set comes with the group.
  Open(9);
  EXPECT_TRUE(rt.main.OwnVisible(int(Id::OptionFourC)) && !rt.main.OwnVisible(int(Id::KeyQ)));
  Confirm();
  EXPECT_TRUE(Shown(Id::OptionFourD) && !Shown(Id::KeyQ));
  EXPECT_EQ(Look(Id::OptionFourA), ui::OptionLook{});
}

TEST_F(ChoiceBoard, TrueOrFalseTimesOutWithItsMarksAndUndoTakesBackItsPoints) {
  quiz.countdown = "5";
  Rewrite(quiz);
  Open(6);
  Confirm(2);
  EXPECT_EQ(rt.Text(Id::OptionPairA), "√ 对");
  EXPECT_EQ(rt.Text(Id::OptionPairB), "× 错");
  Tap(Id::OptionPairB);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "错");
  rt.Advance(6100);
  EXPECT_EQ(rt.LastMessage()->text, "回答超时！！");
  EXPECT_EQ(rt.Text(Id::CorrectAnswer), "√ 对");
  EXPECT_EQ(Look(Id::OptionPairA), (ui::OptionLook{false, Verdict::Right}));
  EXPECT_EQ(Look(Id::OptionPairB), (ui::OptionLook{true, Verdict::Wrong}));
  // The teacher's own ruling on the next one, then undone.
  Open(9);
  Confirm(2);
  Tap(Id::OptionFourC);
  rt.host.answerer = [](const fake::ShownMessage&) { return platform::MessageResult::Yes; };
  rt.main.menuAnswer = [](const auto&) { return int(MainCommand::RuleCorrect); };
  const ui::Rect check = rt.main.ClientRectOf(int(Id::CheckButton));
  rt.main.RightClickAt(check.left + 4, check.top + 4);
  EXPECT_EQ(Look(Id::OptionFourA), (ui::OptionLook{false, Verdict::Right}));
  EXPECT_EQ(Score(2), "1");
  rt.main.PressKey({'Z', true});
  EXPECT_EQ(Score(2), "0");
  EXPECT_FALSE(Locked(9));
}

}  // namespace
}  // namespace lornel::quiz
