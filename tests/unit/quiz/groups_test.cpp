// Groups, scores and the score mirror of the information bar.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class GroupsTest : public QuizTest {
 protected:
  std::string Current() { return rt.Text(MainId::AnsweringGroup); }
  std::string Mirror() { return rt.Text(MainId::AnsweringScore); }
};

TEST_F(GroupsTest, AFreshStartConfirmsGroupOne) {
  StartWith(quiz);
  EXPECT_EQ(Current(), "■");
  Open(1);
  Confirm();
  EXPECT_EQ(Current(), "一");
  EXPECT_FALSE(rt.Visible(Id::GroupPanel));
}

TEST_F(GroupsTest, TheChoiceSurvivesFromOneQuestionToTheNext) {
  StartWith(quiz);
  AnswerCorrectly(1, 5);
  AnswerCorrectly(2);
  EXPECT_EQ(Current(), "五");
  EXPECT_EQ(Score(5), "2");
}

// Scores add up as "%.13g" texts, with the points read anew for each answer.
struct Awarded {
  const char* value;
  std::vector<std::string> scores;  // after each correct answer
};

class PointsTest : public GroupsTest, public testing::WithParamInterface<Awarded> {};

TEST_P(PointsTest, EachCorrectAnswerAddsThePointsValue) {
  quiz.points = GetParam().value;
  StartWith(quiz);
  std::vector<std::string> scores;
  for (std::size_t n = 1; n <= GetParam().scores.size(); ++n) {
    AnswerCorrectly(int(n), 3);
    scores.push_back(Score(3));
  }
  EXPECT_EQ(scores, GetParam().scores);
  for (int g : {1, 2, 4, 5, 6}) EXPECT_EQ(Score(g), "0");
}

INSTANTIATE_TEST_SUITE_P(Values, PointsTest,
                         testing::Values(Awarded{"1", {"1", "2"}},
                                         Awarded{"0.5", {"0.5", "1", "1.5"}},
                                         Awarded{"-1", {"-1", "-2"}},
                                         Awarded{"0.1", {"0.1", "0.2", "0.3"}},
                                         Awarded{"１.５", {"1.5", "3"}}));

TEST_F(GroupsTest, APointsValueChangedInTheFileCountsAtTheNextAnswer) {
  StartWith(quiz);
  AnswerCorrectly(1, 2);
  quiz.points = "3";
  Rewrite(quiz);
  AnswerCorrectly(2, 2);
  EXPECT_EQ(Score(2), "4");
  quiz.points = "";  // emptied mid-run: adds 0, nothing refused
  Rewrite(quiz);
  AnswerCorrectly(3, 2);
  EXPECT_EQ(Score(2), "4");
  EXPECT_FALSE(rt.main.closeRequested());
}

TEST_F(GroupsTest, TheMirrorFollowsScoreAndGroupAtOnce) {
  StartWith(quiz);
  EXPECT_EQ(Mirror(), "■");
  AnswerCorrectly(1, 3);
  AnswerCorrectly(2, 3);
  EXPECT_EQ(Score(3), "2");
  EXPECT_EQ(Mirror(), "2");
  Open(3);
  Confirm(6);
  EXPECT_EQ(Mirror(), "0");
}

TEST_F(GroupsTest, ChangeGroupOnTheBoardAsksForAQuestionAndChangesNothing) {
  StartWith(quiz);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  ASSERT_EQ(rt.host.messages.size(), 1u);
  EXPECT_EQ(rt.host.messages[0].text, "请选题！");
  EXPECT_EQ(rt.host.messages[0].title, "信息：");
  EXPECT_EQ(rt.host.messages[0].flags, 0u | kTaskModal);
  EXPECT_FALSE(rt.Visible(Id::GroupPanel));
}

TEST_F(GroupsTest, ChangeGroupDuringAnAnswerLaysTheChoiceOverTheOpenQuestion) {
  quiz.countdown = "10";
  StartWith(quiz);
  Open(4);
  Confirm(1);
  Enter("half");
  rt.Advance(2000);
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  EXPECT_TRUE(rt.Visible(Id::GroupPanel));
  EXPECT_TRUE(PanelVisible(4));
  EXPECT_EQ(rt.Text(Id::AnswerBox), "half");
  EXPECT_EQ(rt.Text(Id::CorrectAnswer), "answer4");
  Confirm(2);
  EXPECT_EQ(rt.main.Position(int(Id::CountdownBar)), 10);
  EXPECT_EQ(Interval(Id::CountdownTimer), 1000);
  Enter("answer4");
  Check();
  EXPECT_EQ(Score(1), "0");
  EXPECT_EQ(Score(2), "1");
}

}  // namespace
}  // namespace lornel::quiz
