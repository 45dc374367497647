// A question's own countdown and points, and their fallback to the global ones.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class OwnValuesTest : public QuizTest {
 protected:
  // Milliseconds from the confirmation of question n until "回答超时！！" (-1: none by limit).
  int TimeOutAfter(int n, int limit = 40000) {
    Open(n);
    Confirm();
    const std::size_t before = rt.host.messages.size();
    for (int t = 0; t <= limit; t += 100) {
      if (rt.host.messages.size() > before) return t;
      rt.Advance(100);
    }
    return -1;
  }
};

TEST_F(OwnValuesTest, AnOwnCountdownTakesTheGlobalOnesPlaceForThatQuestionOnly) {
  quiz.countdown = "30";
  quiz.countdowns[0] = "5";
  quiz.countdowns[2] = "0";   // off for this question, though on globally
  quiz.countdowns[3] = "５";  // converted as the global value is
  StartWith(quiz);
  EXPECT_EQ(TimeOutAfter(1), 6000);
  EXPECT_EQ(rt.main.RangeMax(int(Id::CountdownBar)), 5);
  EXPECT_EQ(TimeOutAfter(2), 31000) << "no own value: the global one";
  EXPECT_EQ(TimeOutAfter(4), 6000);
  EXPECT_EQ(TimeOutAfter(3, 35000), -1);
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
}

TEST_F(OwnValuesTest, TheOwnCountdownIsReadAtEachConfirmation) {
  quiz.countdown = "30";
  StartWith(quiz);
  Open(1);
  Confirm();
  quiz.countdowns[0] = "7";
  Rewrite(quiz);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));  // 重新选组
  Confirm();
  EXPECT_EQ(rt.main.RangeMax(int(Id::CountdownBar)), 7);
}

// An own value left empty changes nothing: the global one's repair still comes.
TEST_F(OwnValuesTest, AnEmptyOwnCountdownFallsBackToAnEmptyGlobalOne) {
  quiz.countdown = "5";
  StartWith(quiz);
  quiz.countdown = "";
  quiz.countdowns[1] = "9";  // another question's value does not help
  Rewrite(quiz);
  Open(1);
  Confirm();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"请在配置中填入倒计时时间！"});
}

TEST_F(OwnValuesTest, OwnPointsCountForTheirQuestionAndTheMenuKeepsTheGlobalOnes) {
  quiz.points = "1";
  quiz.pointsOf[1] = "3";
  quiz.pointsOf[2] = "abc";  // not a number: 0, as the global value would give
  quiz.pointsOf[4] = "3";
  StartWith(quiz);
  AnswerCorrectly(2, 4);
  EXPECT_EQ(Score(4), "3");
  AnswerCorrectly(1, 4);
  EXPECT_EQ(Score(4), "4");
  AnswerCorrectly(3, 4);
  EXPECT_EQ(Score(4), "4");
  // "加 1 分" from the score bar's menu while question 5, worth 3, is open.
  Open(5);
  const ui::Rect r = rt.main.ClientRectOf(int(kGroups[3].score));
  rt.main.menuAnswer = [](const std::vector<ui::MenuLine>&) { return int(MainCommand::AddPoints); };
  rt.main.RightClickAt(r.left + r.width / 2, 708);  // the score sentence's middle
  ASSERT_FALSE(rt.main.menus.empty());
  EXPECT_EQ(rt.main.menus.back()[3].text, "加 1 分");
  EXPECT_EQ(Score(4), "5");
}

// Read after "回答正确！" is closed, as the global value is.
TEST_F(OwnValuesTest, OwnPointsChangedWhileTheMessageIsOpenCount) {
  StartWith(quiz);
  rt.host.answerer = [this](const fake::ShownMessage&) {
    quiz.pointsOf[0] = "2.5";
    Rewrite(quiz);
    return platform::MessageResult::Ok;
  };
  AnswerCorrectly(1, 2);
  EXPECT_EQ(Score(2), "2.5");
}

}  // namespace
}  // namespace lornel::quiz
