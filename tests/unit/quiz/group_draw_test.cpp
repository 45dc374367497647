// The fair random group (随机选组) and the groups in play: the bag on its own
// over many draws and seeds, and on the whole program in memory.
#include <gtest/gtest.h>

#include <set>

#include "quiz/lesson.h"
#include "quiz/play.h"
#include "quiz/round/draw.h"
#include "quiz/round/lesson_file.h"
#include "quiz/score_menu.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using round::DrawGroup;
using round::DrawStep;

TEST(GroupBag, EveryGroupInPlayOnceBeforeAnyTwiceOnAnySeed) {
  for (const int inPlay : {6, 4, 1}) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
      GroupDraw d;
      round::TakeGroupSettings(d, inPlay, true);
      d.random = seed * 2654435761u;
      for (int lap = 0; lap < 4; ++lap) {
        std::set<int> seen;
        for (int i = 0; i < inPlay; ++i) {
          const int g = DrawGroup(d);
          ASSERT_TRUE(g >= 1 && g <= inPlay) << "seed " << seed;
          EXPECT_EQ(DrawGroup(d), 0) << "none while the highlight runs";
          // Through the groups in play, under a second at 50 ms a step, ending on the pick.
          int steps = 1;
          for (int at = d.highlight; DrawStep(d); ++steps) {
            EXPECT_EQ(d.highlight, at % inPlay + 1);
            at = d.highlight;
          }
          EXPECT_LT(steps * 50, 1000);
          EXPECT_EQ(d.highlight, g);
          EXPECT_EQ(d.check, g);
          seen.insert(g);
        }
        ASSERT_EQ(int(seen.size()), inPlay) << "seed " << seed << ", lap " << lap;
        for (int g = 1; g <= inPlay; ++g)
          EXPECT_TRUE(d.drawn[g - 1]) << "all marked until the next";
      }
    }
  }
}

TEST(GroupBag, TheLessonKeepsItAndAnOlderLessonHasNone) {
  SavedLesson lesson;
  lesson.savedAt = {2026, 12, 9, 10, 42};
  EXPECT_EQ(WriteLesson(lesson).find("drawn="), std::string::npos) << "written as before";
  lesson.drawn[1] = lesson.drawn[4] = true;
  EXPECT_TRUE(WorthResuming(lesson));
  const std::string file = WriteLesson(lesson);
  EXPECT_NE(file.find("\r\ndrawn=2 5\r\n"), std::string::npos);
  ASSERT_TRUE(ReadLesson(file));
  EXPECT_EQ(ReadLesson(file)->drawn, lesson.drawn);
}

class GroupDrawTest : public QuizTest {
 protected:
  void SetUp() override { quiz.randomGroup = "1"; }
  // "随机" and the highlight's second: the radio it leaves checked.
  static int Draw(fake::AppRuntime& rt) {
    EXPECT_TRUE(rt.Click(Id::DrawButton));
    EXPECT_FALSE(rt.Enabled(Id::DrawButton)) << "while it runs";
    rt.Advance(1000);
    EXPECT_EQ(rt.main.Interval(int(Id::DrawTimer)), 0) << "stopped within the second";
    int checked = 0;
    for (const Group& group : kGroups)
      if (rt.main.IsChecked(int(group.radio))) checked = checked ? -1 : group.g;
    return checked;
  }
  int Draw() { return Draw(rt); }
  static std::set<int> Marked(fake::AppRuntime& rt) {
    std::set<int> marked;
    for (int g = 1; g <= kGroupCount; ++g)
      if (rt.main.IsVisible(int(Id::Drawn1) + g - 1)) marked.insert(g);
    return marked;
  }
  std::set<int> Marked() { return Marked(rt); }
};

TEST_F(GroupDrawTest, TwelveDrawsGiveEachGroupTwiceMarkedInThePanelAndConfirmedWithOK) {
  StartWith(quiz);
  Open(1);
  ASSERT_TRUE(rt.Visible(Id::DrawButton));
  std::map<int, int> times;
  std::set<int> picked;
  for (int i = 0; i < 12; ++i) {
    const int g = Draw();
    ASSERT_GE(g, 1);
    ++times[g];
    picked = i % 6 == 0 ? std::set<int>{g} : (picked.insert(g), picked);
    EXPECT_EQ(Marked(), picked) << "draw " << i + 1;
    EXPECT_EQ(rt.main.TextColour(int(kGroups[g - 1].radio)), ui::Hex(0xFF0000));
  }
  EXPECT_EQ(times, (std::map<int, int>{{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}));
  // A pick left by "重新选题" keeps its highlight only until the next question.
  const int left = rt.shell.ctx.round.draw.picked;
  Cancel();
  Open(2);
  EXPECT_EQ(rt.main.TextColour(int(kGroups[left - 1].radio)), ui::Hex(0x000080));
  // "确定" takes the pick, even before the highlight has stopped on it.
  ASSERT_TRUE(rt.Click(Id::DrawButton));
  const int pick = rt.shell.ctx.round.draw.picked;
  Confirm();
  EXPECT_EQ(rt.shell.ctx.round.group, pick);
  EXPECT_EQ(Interval(Id::DrawTimer), 0);
  EXPECT_EQ(rt.main.TextColour(int(kGroups[pick - 1].radio)), ui::Hex(0x000080));
}

TEST_F(GroupDrawTest, UndoPutsThePickBackAndTheBagSurvivesARestart) {
  StartWith(quiz);
  Open(1);
  const int first = Draw(), second = Draw();
  ASSERT_NE(first, second);
  EXPECT_EQ(rt.main.SystemMenu().front().text, "撤销：随机选组 " + GroupName(second) + "\tCtrl+Z");
  rt.main.PressKey(ui::Key{'Z', true});
  EXPECT_EQ(Marked(), std::set<int>{first});
  std::set<int> bag = {first, Draw(), Draw()};
  ASSERT_EQ(bag.size(), 3u);

  // The lesson keeps it: a new run, resumed, goes on with the same bag.
  auto next = std::make_unique<fake::AppRuntime>();
  next->host.files = rt.host.files;
  next->host.directories = rt.host.directories;
  next->Start();
  ASSERT_TRUE(next->Click(Id::ResumeButton));
  ASSERT_TRUE(next->Click(kQuestions[1].button));
  EXPECT_EQ(Marked(*next), bag);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(bag.insert(Draw(*next)).second);
}

TEST_F(GroupDrawTest, WithoutTheSwitchThePanelIsAsItWas) {
  quiz.randomGroup.reset();
  StartWith(quiz);
  Open(1);
  for (const ui::Row& row : rt.main.table().rows)
    if (row.parent == int(Id::GroupPanel)) EXPECT_EQ(rt.main.IsVisible(row.id), row.visible);
  rt.main.Deliver(int(Id::DrawButton), ui::Event::Click);
  EXPECT_EQ(rt.shell.ctx.round.draw.picked, 0) << "a hidden button draws nothing";
}

TEST_F(GroupDrawTest, FourGroupsInPlayHideTheOthersEverywhereAndNeverDrawThem) {
  quiz.groupCount = "4";
  StartWith(quiz);
  for (int g = 1; g <= kGroupCount; ++g) {
    EXPECT_EQ(rt.Visible(kGroups[g - 1].score), g <= 4) << g;
    EXPECT_EQ(rt.main.OwnVisible(int(kGroups[g - 1].radio)), g <= 4) << g;
  }
  const std::string sentence = rt.Text(Id::ScoreSentence);
  EXPECT_EQ(sentence.substr(sentence.size() - 15), "第四组：   分. ");
  // The shorter sentence is centred anew and its labels moved with it.
  const int shift = rt.main.Left(int(Id::Score1)) - 96;
  EXPECT_GT(shift, 0);
  EXPECT_EQ(rt.main.Left(int(Id::Score4)), 680 + shift);
  Open(1);
  std::map<int, int> times;
  for (int i = 0; i < 12; ++i) ++times[Draw()];
  EXPECT_EQ(times, (std::map<int, int>{{1, 3}, {2, 3}, {3, 3}, {4, 3}}));
  rt.main.PressKey(0x78);
  EXPECT_EQ(rt.main.ranking->entries.size(), 4u);
  EXPECT_EQ(ScoreTable(rt.shell.ctx.round),
            u"小组\t得分\r\n第一组\t0\r\n第二组\t0\r\n第三组\t0\r\n第四组\t0\r\n");
}

}  // namespace
}  // namespace lornel::quiz
