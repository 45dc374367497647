// The score bar's menu: which group a right-click belongs to, corrections by
// hand, the greyed point items, and the copy for a spreadsheet.
#include "quiz/play.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using ui::MenuLine;

class ScoreMenuTest : public QuizTest {
 protected:
  static constexpr int kBarY = 708;  // the middle of the score sentence, window client units

  // Right-clicks at a client point and picks command `choose` (-1: none); the
  // menu's title, or "" when no menu opened.
  std::string RightClick(int x, int y = kBarY, int choose = -1) {
    const std::size_t before = rt.main.menus.size();
    rt.main.menuAnswer = [choose](const std::vector<MenuLine>&) { return choose; };
    rt.main.RightClickAt(x, y);
    if (rt.main.menus.size() == before) return "";
    return rt.main.menus.back()[kTitleLine].text;
  }
  std::string RightClickGroup(int g, int choose) {
    const ui::Rect r = rt.main.ClientRectOf(int(kGroups[g - 1].score));
    return RightClick(r.left + r.width / 2, kBarY, choose);
  }
  // Where "第N组：" starts, in window client units.
  int NameStart(int g) {
    const std::string name = GroupName(g) + "：";
    const int sentence = int(Id::ScoreSentence);
    return rt.main.ClientRectOf(sentence).left +
           rt.main.CaptionCharacterLeft(sentence, rt.Text(Id::ScoreSentence).find(name));
  }
  const std::vector<MenuLine>& LastMenu() { return rt.main.menus.back(); }
  MenuLine Line(int command) {
    for (const MenuLine& line : LastMenu())
      if (line.command == command) return line;
    return {};
  }

  static constexpr std::size_t kTitleLine = 2;  // under undo and its separator
  static constexpr int kAdd = int(MainCommand::AddPoints),
                       kSubtract = int(MainCommand::SubtractPoints),
                       kClear = int(MainCommand::ClearScore), kCopy = int(MainCommand::CopyScores);
};

TEST_F(ScoreMenuTest, EachGroupsPartRunsFromItsNameToTheNextName) {
  StartWith(quiz);
  const ui::Rect sentence = rt.main.ClientRectOf(int(Id::ScoreSentence));
  EXPECT_EQ(RightClick(NameStart(1) - 1), "") << "before the first name";
  for (int g = 1; g <= kGroupCount; ++g) {
    const std::string name = GroupName(g);
    EXPECT_EQ(RightClick(NameStart(g)), name);
    if (g < kGroupCount) {
      EXPECT_EQ(RightClick(NameStart(g + 1) - 1), name);
    }
    EXPECT_EQ(RightClickGroup(g, -1), name) << "its score label";
  }
  EXPECT_EQ(RightClick(sentence.right() - 1), "第六组") << "group six to the end of the bar";
  EXPECT_EQ(RightClick(600, 670), "") << "the bar's frame above the sentence";
  EXPECT_EQ(RightClick(600, 300), "") << "the board";
}

TEST_F(ScoreMenuTest, TheStartCoverKeepsTheBarFromTheMouse) {
  Rewrite(quiz);
  rt.Start();
  EXPECT_EQ(RightClickGroup(1, kAdd), "");
  EXPECT_EQ(Score(1), "0");
}

TEST_F(ScoreMenuTest, AddSubtractAndClearWriteTheScoreAndTheMirrorFollowsAtOnce) {
  StartWith(quiz);
  AnswerCorrectly(1, 2);
  rt.Advance(1000);
  ASSERT_EQ(rt.Text(Id::AnsweringScore), "1");
  RightClickGroup(2, kAdd);
  const std::vector<std::string> texts = {"撤销：第二组 第一题 +1 分\tCtrl+Z",
                                          "",
                                          "第二组",
                                          "加 1 分",
                                          "减 1 分",
                                          "清零",
                                          "",
                                          "复制全部成绩"};
  ASSERT_EQ(LastMenu().size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(LastMenu()[i].text, texts[i]);
    EXPECT_EQ(LastMenu()[i].enabled, !texts[i].empty() && i != kTitleLine) << texts[i];
  }
  EXPECT_EQ(Score(2), "2");
  EXPECT_EQ(rt.Text(Id::AnsweringScore), "2") << "the current group's mirror, without waiting";
  RightClickGroup(2, kClear);
  EXPECT_EQ(Score(2), "0");
  RightClickGroup(2, kSubtract);
  EXPECT_EQ(Score(2), "-1");
  EXPECT_EQ(rt.Text(Id::AnsweringScore), "-1");
  RightClickGroup(4, kSubtract);
  EXPECT_EQ(Score(4), "-1");
  EXPECT_EQ(rt.Text(Id::AnsweringScore), "-1") << "still group two's";
  RightClickGroup(4, -1);  // dismissed
  EXPECT_EQ(Score(4), "-1");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
}

TEST_F(ScoreMenuTest, PointsReadAnewAndGreyedWhenTheyCannotBeUsed) {
  quiz.points = "0.5";
  StartWith(quiz);
  RightClickGroup(3, kAdd);
  EXPECT_EQ(Line(kAdd).text, "加 0.5 分");
  EXPECT_EQ(Score(3), "0.5");
  for (const char* unusable : {"", "abc", "0", "-1"}) {
    quiz.points = unusable;
    Rewrite(quiz);
    RightClickGroup(3, kAdd);
    EXPECT_FALSE(Line(kAdd).enabled) << unusable;
    EXPECT_FALSE(Line(kSubtract).enabled) << unusable;
    EXPECT_TRUE(Line(kClear).enabled && Line(kCopy).enabled);
    EXPECT_EQ(Score(3), "0.5") << unusable;
  }
  quiz.points = "２";  // full width, as a correct answer reads it
  Rewrite(quiz);
  RightClickGroup(3, kSubtract);
  EXPECT_EQ(Line(kSubtract).text, "减 2 分");
  EXPECT_EQ(Score(3), "-1.5");
}

TEST_F(ScoreMenuTest, CopyPutsTheScoresAsShownOnTheClipboardAsTwoColumns) {
  quiz.points = "0.5";
  StartWith(quiz);
  AnswerCorrectly(1, 1);
  RightClickGroup(6, kSubtract);
  const std::size_t writes = rt.host.writes.size();
  RightClickGroup(3, kCopy);
  ASSERT_TRUE(rt.host.clipboard);
  EXPECT_EQ(*rt.host.clipboard,
            u"小组\t得分\r\n第一组\t0.5\r\n第二组\t0\r\n第三组\t0\r\n第四组\t0\r\n"
            u"第五组\t0\r\n第六组\t-0.5\r\n");
  EXPECT_EQ(rt.host.writes.size(), writes) << "nothing written to disk";

  rt.host.clipboard.reset();
  rt.host.clipboardBusy = true;
  RightClickGroup(3, kCopy);
  EXPECT_FALSE(rt.host.clipboard);
  ASSERT_TRUE(rt.LastMessage());
  EXPECT_EQ(rt.LastMessage()->text, "成绩没有复制：剪贴板正被其他程序占用，请稍后再试。");
}

}  // namespace
}  // namespace lornel::quiz
