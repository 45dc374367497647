// The teacher's ruling on "确认答案": offered while a group answers, greyed at
// any other time (also when the disabled button leaves the click to the
// panel), and Yes ends the question as a correct answer does.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class RulingTest : public QuizTest {
 protected:
  void SetUp() override {
    quiz.countdown = "10";
    StartWith(quiz);
  }
  // Right-clicks at a client point and picks the item when answer says so;
  // whether the item was offered enabled, nullopt when no menu opened.
  std::optional<bool> RightClickAt(int x, int y, bool choose = true) {
    const std::size_t before = rt.main.menus.size();
    rt.main.menuAnswer = [choose](const std::vector<ui::MenuLine>&) {
      return choose ? int(MainCommand::RuleCorrect) : -1;
    };
    rt.main.RightClickAt(x, y);
    if (rt.main.menus.size() == before) return std::nullopt;
    EXPECT_EQ(rt.main.menus.back().size(), 1u);
    EXPECT_EQ(rt.main.menus.back()[0].text, "判为正确");
    return rt.main.menus.back()[0].enabled;
  }
  std::optional<bool> RightClickCheck(bool choose = true) {
    const ui::Rect r = rt.main.ClientRectOf(int(Id::CheckButton));
    return RightClickAt(r.left + 3, r.bottom() - 3, choose);
  }
  void AnswerRuling(platform::MessageResult pressed) {
    rt.host.answerer = [this, pressed](const fake::ShownMessage& m) {
      if (m.text != "确定判为正确吗？") return platform::MessageResult::Ok;
      rt.Advance(3000);  // the teacher thinks; the time stands still
      return pressed;
    };
  }
  void Answering(int n, int g) {
    Open(n);
    Confirm(g);
    rt.Advance(2000);
    Enter("not quite");
  }
};

TEST_F(RulingTest, YesEndsTheQuestionExactlyAsACorrectAnswer) {
  Answering(4, 3);
  AnswerRuling(platform::MessageResult::Yes);
  EXPECT_EQ(RightClickCheck(), true);
  ASSERT_EQ(MessageTexts(), (std::vector<std::string>{"确定判为正确吗？", "回答正确！"}));
  EXPECT_EQ(rt.host.messages[0].title, "小提示");
  EXPECT_EQ(rt.host.messages[0].flags, 0x4u | kTaskModal);
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "8") << "stopped where it stood";
  EXPECT_FALSE(PanelVisible(4));
  rt.Advance(20);
  EXPECT_TRUE(Locked(4));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_FALSE(rt.Enabled(Id::CheckButton));
  EXPECT_EQ(Score(3), "1");
  EXPECT_EQ(rt.Text(Id::AnswerBox), "not quite");
}

TEST_F(RulingTest, NoOrNoChoiceChangesNothingAndTheTimeRunsOn) {
  Answering(5, 2);
  AnswerRuling(platform::MessageResult::No);
  EXPECT_EQ(RightClickCheck(), true);
  EXPECT_EQ(RightClickCheck(false), true);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"确定判为正确吗？"});
  EXPECT_TRUE(PanelVisible(5));
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
  EXPECT_TRUE(rt.Enabled(Id::CheckButton));
  EXPECT_EQ(Score(2), "0");
  EXPECT_EQ(Interval(Id::CountdownTimer), 1000);
  rt.Advance(1000);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "7");
  Enter("answer5");
  Check();
  EXPECT_EQ(Score(2), "1") << "the group may still answer";
}

TEST_F(RulingTest, GreyedWheneverNoGroupIsAnswering) {
  EXPECT_EQ(RightClickCheck(), false) << "the board, 确认答案 disabled";
  Open(1);
  EXPECT_EQ(RightClickCheck(), std::nullopt) << "the group panel covers the button";
  Cancel();
  EXPECT_EQ(RightClickCheck(), false) << "after 重新选题, 确认答案 still enabled";
  AnswerCorrectly(2);
  EXPECT_EQ(RightClickCheck(), false) << "answered";
  Open(3);
  Confirm();
  rt.host.answerer = [](const fake::ShownMessage&) { return platform::MessageResult::Ok; };
  rt.Advance(11000);
  ASSERT_EQ(MessageTexts().back(), "回答超时！！");
  EXPECT_EQ(RightClickCheck(), false) << "timed out";
  EXPECT_EQ(Score(1), "1");
  EXPECT_EQ(MessageTexts().size(), 2u) << "a greyed item asks nothing";
}

TEST_F(RulingTest, ThePanelOpensItOnlyWhereTheButtonLies) {
  const ui::Rect r = rt.main.ClientRectOf(int(Id::CheckButton));
  EXPECT_EQ(RightClickAt(r.left - 2, r.top + 5), std::nullopt);
  EXPECT_EQ(RightClickAt(r.right() + 1, r.top + 5), std::nullopt);
  EXPECT_EQ(RightClickAt(r.left + 5, r.bottom()), std::nullopt);
  EXPECT_EQ(RightClickAt(r.right() - 1, r.top), false);
}

TEST_F(RulingTest, TheTimeRunningOutWhileTheMenuIsOpenLeavesNothingToRule) {
  Answering(6, 1);
  rt.main.menuAnswer = [this](const std::vector<ui::MenuLine>&) {
    rt.Advance(9000);  // the menu's loop runs the timers
    return int(MainCommand::RuleCorrect);
  };
  const ui::Rect r = rt.main.ClientRectOf(int(Id::CheckButton));
  rt.main.RightClickAt(r.left + 5, r.top + 5);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答超时！！"});
  EXPECT_EQ(Score(1), "0");
}

}  // namespace
}  // namespace lornel::quiz
