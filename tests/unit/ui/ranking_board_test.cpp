// Where the ranking's parts go, whatever the client area: the podium, the
// list below it and the buttons, all inside and apart.
#include "ui/ranking_board.h"

#include <gtest/gtest.h>

namespace lornel::ui {
namespace {

RankingBoard Board(std::vector<int> places, bool ranksOnly = false) {
  RankingBoard board;
  for (std::size_t i = 0; i < places.size(); ++i)
    board.entries.push_back({places[i], "第" + std::to_string(i + 1) + "组", "12 分"});
  board.ranksOnly = ranksOnly;
  board.buttons = {{"只显示名次", 1}, {"复制", 2}, {"返回", 3}};
  return board;
}

bool Inside(const Rect& outer, const Rect& r) {
  return r.left >= outer.left && r.top >= outer.top && r.right() <= outer.right() &&
         r.bottom() <= outer.bottom();
}
bool Apart(const Rect& a, const Rect& b) {
  return a.right() <= b.left || b.right() <= a.left || a.bottom() <= b.top || b.bottom() <= a.top;
}

// The podium's blocks: the filled shapes that stand on the floor, in entry order.
std::vector<Rect> Blocks(const RankingScene& scene) {
  std::vector<Rect> blocks;
  const Rect floor = scene.shapes[1].rect;
  for (const RankingShape& s : scene.shapes)
    if (s.text.empty() && s.rect.bottom() == floor.top) blocks.push_back(s.rect);
  return blocks;
}

TEST(RankingBoard, TheFirstStandsInTheMiddleAndHighestAndEqualPlacesStandAlike) {
  const RankingScene scene = LayOutRanking(Board({1, 2, 2, 4, 5, 6}), {1200, 750});
  const std::vector<Rect> blocks = Blocks(scene);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_LT(blocks[1].right(), blocks[0].left);
  EXPECT_LT(blocks[0].right(), blocks[2].left);
  EXPECT_GT(blocks[0].height, blocks[1].height);
  EXPECT_EQ(blocks[1].height, blocks[2].height);
  EXPECT_EQ(Blocks(LayOutRanking(Board({1, 1, 1}), {1200, 750}))[2].height, blocks[0].height);
  // Each of the others on a line of its own below the floor.
  int listed = 0;
  for (const RankingShape& s : scene.shapes)
    listed += s.text.rfind("第", 0) == 0 && s.text.find("名") != std::string::npos &&
              s.rect.top > scene.shapes[1].rect.top;
  EXPECT_EQ(listed, 3);
}

TEST(RankingBoard, EverythingFitsApartAtEverySizeAndTheScoresCanGo) {
  for (const Size client : {Size{1187, 734}, Size{1024, 705}, Size{1920, 1080}, Size{800, 450}}) {
    SCOPED_TRACE(client.width);
    const RankingScene scene = LayOutRanking(Board({1, 2, 3, 4, 5, 6}), client);
    std::vector<Rect> parts = scene.buttons;
    int scores = 0;
    for (const RankingShape& s : scene.shapes) {
      EXPECT_TRUE(Inside({0, 0, client.width, client.height}, s.rect));
      if (!s.text.empty()) parts.push_back(s.rect);
      scores += s.text == "12 分";
    }
    EXPECT_EQ(scores, 6);
    for (std::size_t i = 0; i < parts.size(); ++i)
      for (std::size_t j = i + 1; j < parts.size(); ++j)
        EXPECT_TRUE(Apart(parts[i], parts[j])) << i << " and " << j;
    EXPECT_EQ(scene.buttons.size(), 3u);
    for (const RankingShape& s : LayOutRanking(Board({1, 2, 3, 4}, true), client).shapes)
      EXPECT_NE(s.text, "12 分");
  }
  // Full screen: as large as the screen's height allows, centred across.
  const RankingScene wide = LayOutRanking(Board({1}), {1920, 1080});
  const Rect title = wide.shapes[0].rect;
  EXPECT_NEAR(title.left + title.width / 2, 960, 1);
  EXPECT_EQ(wide.buttonFontHeight, 37);
  // A score too wide for its place gets a smaller font, not a clipped one.
  RankingBoard huge = Board({1});
  huge.entries[0].score = "1.797693134862e+308 分";
  int height = 0;
  for (const RankingShape& s : LayOutRanking(huge, {1200, 750}).shapes)
    if (s.text == huge.entries[0].score) height = s.fontHeight;
  EXPECT_GT(height, 10);
  EXPECT_LT(height, 56);
}

}  // namespace
}  // namespace lornel::ui
