// Undo on the whole program: Ctrl+Z and the item at the top of the score
// bar's menu and in the system menu take back scoring steps, newest first.
#include "quiz/lesson.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class UndoTest : public QuizTest {
 protected:
  void SetUp() override {
    quiz.countdown = "3";
    StartWith(quiz);
  }
  void CtrlZ() { rt.main.PressKey(ui::Key{'Z', true}); }
  // The system menu's undo line, "" when greyed.
  std::string UndoItem() {
    const ui::MenuLine line = rt.main.SystemMenu().front();
    return line.enabled ? line.text : "";
  }
  void ScoreMenu(int g, MainCommand choose) {
    const ui::Rect r = rt.main.ClientRectOf(int(kGroups[g - 1].score));
    rt.main.menuAnswer = [choose](const std::vector<ui::MenuLine>&) { return int(choose); };
    rt.main.RightClickAt(r.left + r.width / 2, 708);
  }
};

TEST_F(UndoTest, ARightAnswerComesBackUnlockedAndReadyToBeOpenedAgain) {
  EXPECT_EQ(UndoItem(), "") << "nothing to undo";
  CtrlZ();
  AnswerCorrectly(5, 3);
  EXPECT_EQ(UndoItem(), "撤销：第三组 第五题 +1 分\tCtrl+Z");
  CtrlZ();
  EXPECT_EQ(Score(3), "0");
  EXPECT_FALSE(Locked(5));
  EXPECT_EQ(UndoItem(), "");
  AnswerCorrectly(5, 3);
  EXPECT_EQ(Score(3), "1");
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"回答正确！", "回答正确！"}));
  EXPECT_EQ(ConfigWrites(), 0);
}

TEST_F(UndoTest, StepsGoBackNewestFirstFromEitherMenu) {
  Open(2);
  Confirm(1);
  rt.main.menuAnswer = [](const std::vector<ui::MenuLine>&) {
    return int(MainCommand::RuleCorrect);
  };
  rt.main.RightClickAt(rt.main.ClientRectOf(int(Id::CheckButton)).left + 5,
                       rt.main.ClientRectOf(int(Id::CheckButton)).top + 5);
  ASSERT_EQ(Score(1), "1");
  Open(4);
  Confirm(2);
  rt.Advance(4100);  // the time-out locks question 4
  ASSERT_TRUE(Locked(4));
  ScoreMenu(6, MainCommand::AddPoints);
  ScoreMenu(6, MainCommand::ClearScore);
  const std::vector<std::string> steps = {"第六组 清零", "第六组 +1 分", "第四题 超时",
                                          "第一组 第二题 判为正确 +1 分"};
  for (const std::string& step : steps) {
    EXPECT_EQ(UndoItem(), "撤销：" + step + "\tCtrl+Z");
    ScoreMenu(1, MainCommand::Undo);
  }
  EXPECT_EQ(Score(6), "0");
  EXPECT_EQ(Score(1), "0");
  EXPECT_FALSE(Locked(4) || Locked(2));
  // The lesson kept follows: nothing scored, nothing to offer.
  const auto file = rt.host.files.find(LessonPath(rt.host, fake::kConfigPath));
  ASSERT_NE(file, rt.host.files.end());
  EXPECT_FALSE(WorthResuming(*ReadLesson(file->second)));
}

}  // namespace
}  // namespace lornel::quiz
