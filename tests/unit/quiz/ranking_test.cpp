// The ranking (比赛结果): the places by score, and the view on the whole
// program in memory, opened by F9, the system menu and the board's button.
#include "quiz/ranking.h"

#include <gtest/gtest.h>

#include "quiz/round/ranking.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

std::array<Points, kGroupCount> Scores(std::array<double, kGroupCount> values) {
  std::array<Points, kGroupCount> scores;
  for (int g = 0; g < kGroupCount; ++g) scores[g] = Points::Of(values[g]);
  return scores;
}

// {group, place} in rank order.
using Places = std::vector<Place>;

TEST(Rank, EqualScoresShareAPlaceAndTheNextPlaceSkips) {
  EXPECT_EQ(Rank(Scores({3, 1, 3, 5, 0, -2}), 6),
            (Places{{4, 1}, {1, 2}, {3, 2}, {2, 4}, {5, 5}, {6, 6}}));
  EXPECT_EQ(Rank(Scores({0, 0, 0, 0, 0, 0}), 6),
            (Places{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}))
      << "all equal: all first, in the groups' order";
  // No points still takes its place: below a half, above any deduction.
  EXPECT_EQ(Rank(Scores({-1, 0, 0.5, -0.5, 0, 2}), 6),
            (Places{{6, 1}, {3, 2}, {2, 3}, {5, 3}, {4, 5}, {1, 6}}));
  // 0.1 + 0.2 is 0.3 exactly, so the two tie.
  std::array<Points, kGroupCount> sums{};
  sums[0] = Points::Of(0.1) + Points::Of(0.2);
  sums[1] = Points::Of(0.3);
  EXPECT_EQ(Rank(sums, 2), (Places{{1, 1}, {2, 1}}));
}

TEST(Rank, OnlyTheGroupsInPlayTakePlaces) {
  EXPECT_EQ(Rank(Scores({0, 1, 2, 3, 9, 9}), 4), (Places{{4, 1}, {3, 2}, {2, 3}, {1, 4}}));
  EXPECT_EQ(Rank(Scores({0, 1, 2, 3, 9, 9}), 1), (Places{{1, 1}}));
}

class RankingTest : public QuizTest {
 protected:
  void F9() { rt.main.PressKey(0x78); }
  const std::optional<ui::RankingBoard>& Shown() { return rt.main.ranking; }
  // "第1名 第三组 2 分 | ..." as the view lists them.
  std::string Listed() {
    std::string text;
    for (const auto& e : Shown()->entries)
      text += (text.empty() ? "" : " | ") + std::to_string(e.place) + " " + e.name +
              (e.score.empty() ? "" : " " + e.score);
    return text;
  }
  const std::u16string& Clipboard() { return *rt.host.clipboard; }
};

TEST_F(RankingTest, F9AndTheSystemMenuLayItOverTheBoardAndTheCountdownWaitsMeanwhile) {
  quiz.countdown = "10";
  StartWith(quiz);
  AnswerCorrectly(1, 3);
  AnswerCorrectly(2, 3);
  AnswerCorrectly(3, 5);
  AnswerCorrectly(4, 2);
  Open(5);
  Confirm(1);
  rt.Advance(2000);
  ASSERT_EQ(rt.Text(Id::CountdownNumber), "8");
  const std::vector<ui::MenuLine> menu = rt.main.SystemMenu();
  ASSERT_GE(menu.size(), 2u);
  EXPECT_EQ(menu[menu.size() - 2].text, "比赛结果\tF9") << "just above full screen, still last";

  rt.sounds.played.clear();
  F9();
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Listed(),
            "1 第三组 2 分 | 2 第二组 1 分 | 2 第五组 1 分 | 4 第一组 0 分 | "
            "4 第四组 0 分 | 4 第六组 0 分");
  EXPECT_EQ(rt.sounds.sounds(), std::vector<platform::Sound>{platform::Sound::Fanfare});
  EXPECT_FALSE(rt.Click(Id::CheckButton)) << "the board beneath takes no click";
  rt.Advance(5000);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "8");
  const Round before = rt.shell.ctx.round;
  F9();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(rt.shell.ctx.round.scores, before.scores);
  EXPECT_EQ(rt.shell.ctx.round.open, 5);
  rt.Advance(1000);
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "7") << "the countdown goes on where it stood";

  // The menu opens it as well, and with the sounds off it opens silently.
  rt.main.ChooseFromSystemMenu(int(MainCommand::Sounds));
  rt.sounds.played.clear();
  rt.main.ChooseFromSystemMenu(int(MainCommand::Ranking));
  EXPECT_TRUE(Shown());
  EXPECT_TRUE(rt.sounds.played.empty());
}

TEST_F(RankingTest, RanksAloneCopyAndBackByEscKeepFullScreen) {
  StartWith(quiz);
  AnswerCorrectly(1, 2);
  AnswerCorrectly(2, 2);
  AnswerCorrectly(3, 4);
  rt.main.PressKey(0x7A);  // F11
  F9();
  ASSERT_TRUE(rt.main.ClickRankingButton("只显示名次"));
  EXPECT_TRUE(Shown()->ranksOnly);
  ASSERT_TRUE(rt.main.ClickRankingButton("显示得分"));
  EXPECT_FALSE(Shown()->ranksOnly);

  ASSERT_TRUE(rt.main.ClickRankingButton("复制"));
  EXPECT_EQ(Clipboard(),
            u"名次\t小组\t得分\r\n1\t第二组\t2\r\n2\t第四组\t1\r\n3\t第一组\t0\r\n"
            u"3\t第三组\t0\r\n3\t第五组\t0\r\n3\t第六组\t0\r\n");
  const platform::RgbPicture& picture = rt.host.clipboardPicture;
  ASSERT_EQ(picture.width, rt.main.client.width);
  ASSERT_EQ(picture.height, rt.main.client.height);
  // The podium's middle block, the first's, is in the picture.
  const ui::RankingScene scene = ui::LayOutRanking(*Shown(), rt.main.client);
  const ui::Rect first = scene.shapes[2].rect;
  EXPECT_EQ(picture.rgb[std::size_t(first.top + 4) * picture.width + first.left + first.width / 2],
            0xF2C230u);
  // With the places alone, so is the text.
  rt.main.ClickRankingButton("只显示名次");
  rt.host.clipboardBusy = true;
  rt.main.ClickRankingButton("复制");
  EXPECT_EQ(rt.LastMessage()->text, "比赛结果没有复制：剪贴板正被其他程序占用，请稍后再试。");
  rt.host.clipboardBusy = false;
  rt.main.ClickRankingButton("复制");
  EXPECT_EQ(Clipboard().substr(0, 18), u"名次\t小组\t得分\r\n1\t第二组\t\r\n");

  rt.main.PressKey(0x1B);
  EXPECT_FALSE(Shown());
  EXPECT_TRUE(rt.main.IsFullScreen()) << "Esc took the ranking away, not full screen";
  F9();
  EXPECT_TRUE(Shown()->ranksOnly) << "as the teacher left it";
  ASSERT_TRUE(rt.main.ClickRankingButton("返回"));
  EXPECT_FALSE(Shown());
}

TEST_F(RankingTest, TheBoardOffersItOnceEveryQuestionIsLocked) {
  StartWith(quiz);
  for (int n = 1; n < kQuestionCount; ++n) AnswerCorrectly(n, 1 + n % 6);
  EXPECT_FALSE(rt.Visible(Id::RankingButton));
  AnswerCorrectly(kQuestionCount, 1);
  ASSERT_TRUE(rt.Visible(Id::RankingButton));
  ASSERT_TRUE(rt.Click(Id::RankingButton));
  EXPECT_EQ(Listed().substr(0, 29), "1 第一组 3 分 | 1 第二组 3 分");
  rt.main.PressKey(ui::Key{'Z', true});  // undo takes question 14 back: the ranking follows
  EXPECT_EQ(Listed().substr(0, 29), "1 第二组 3 分 | 2 第一组 2 分");
  rt.main.PressKey(0x78);
  EXPECT_FALSE(rt.Visible(Id::RankingButton));
}

}  // namespace
}  // namespace lornel::quiz
