#include "ui/ranking_board.h"

#include <algorithm>
#include <cmath>

namespace lornel::ui {
namespace {

// Laid out on a 1200 x 750 frame, scaled as a whole to the client area.
constexpr Size kFrame{1200, 750};

constexpr Colour kBackground = Hex(0x1B2845), kTitle = Hex(0xFFD54A), kName = Hex(0xFFFFFF),
                 kScore = Hex(0xFFD54A), kListPlace = Hex(0xC8D2E6), kFloor = Hex(0x5A6B8C),
                 kBlockText = Hex(0x1B2845);
constexpr Colour kBlock[] = {Hex(0xF2C230), Hex(0xC9D1D9), Hex(0xD9914A)};  // gold, silver, bronze

constexpr int kBlockWidth = 260, kBaseline = 500;
constexpr int kPodiumLeft[] = {470, 190, 750};  // the first in the middle, then left, then right
constexpr int kBlockHeight[] = {210, 150, 100};
constexpr int kListTop = 522, kListRow = 48;
constexpr int kButtonTop = 680, kButtonWidth = 200, kButtonHeight = 52, kButtonGap = 20;

int Rung(int place) { return std::clamp(place, 1, 3) - 1; }

// Wide enough for text at height: a GBK character as wide as high, an ASCII
// one a little over half; a text that would not fit gets a smaller font.
int FittingHeight(const std::string& text, int width, int height) {
  double ems = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool wide = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size();
    ems += wide ? 1.0 : 0.6;
    i += wide;
  }
  return ems * height <= width ? height : std::max(1, static_cast<int>(width / ems));
}

class Painter {
 public:
  explicit Painter(Size client) {
    scale_ = std::min(double(client.width) / kFrame.width, double(client.height) / kFrame.height);
    scale_ = std::max(scale_, 0.0);
    left_ = (client.width - kFrame.width * scale_) / 2;
    top_ = (client.height - kFrame.height * scale_) / 2;
  }
  Rect Place(Rect r) const {
    const int l = X(r.left), t = Y(r.top);
    return {l, t, X(r.right()) - l, Y(r.bottom()) - t};
  }
  int Px(int v) const { return std::max(1, static_cast<int>(std::lround(v * scale_))); }
  void Fill(RankingScene& s, Rect r, Colour c) const { s.shapes.push_back({Place(r), c, "", 0}); }
  void Text(RankingScene& s, Rect r, Colour c, const std::string& text, int height) const {
    if (text.empty()) return;
    s.shapes.push_back({Place(r), c, text, Px(FittingHeight(text, r.width, height))});
  }

 private:
  int X(int v) const { return static_cast<int>(std::lround(left_ + v * scale_)); }
  int Y(int v) const { return static_cast<int>(std::lround(top_ + v * scale_)); }
  double scale_ = 1, left_ = 0, top_ = 0;
};

}  // namespace

RankingScene LayOutRanking(const RankingBoard& board, Size client) {
  RankingScene s;
  s.background = kBackground;
  const Painter p(client);
  p.Text(s, {0, 24, kFrame.width, 80}, kTitle, "比赛结果", 64);
  p.Fill(s, {150, kBaseline, 900, 4}, kFloor);

  const std::size_t podium = std::min<std::size_t>(board.entries.size(), 3);
  for (std::size_t i = 0; i < podium; ++i) {
    const RankingBoard::Entry& e = board.entries[i];
    const int x = kPodiumLeft[i], height = kBlockHeight[Rung(e.place)];
    const int top = kBaseline - height;
    p.Fill(s, {x, top, kBlockWidth, height}, kBlock[Rung(e.place)]);
    p.Text(s, {x, top + 8, kBlockWidth, std::min(height - 16, 84)}, kBlockText,
           std::to_string(e.place), 72);
    // Name and score above the block, a little wider than it.
    const int left = x - 10, width = kBlockWidth + 20;
    if (board.ranksOnly) {
      p.Text(s, {left, top - 72, width, 64}, kName, e.name, 48);
    } else {
      p.Text(s, {left, top - 128, width, 60}, kName, e.name, 44);
      p.Text(s, {left, top - 68, width, 62}, kScore, e.score, 56);
    }
  }
  for (std::size_t i = podium; i < board.entries.size(); ++i) {
    const RankingBoard::Entry& e = board.entries[i];
    const int top = kListTop + static_cast<int>(i - podium) * kListRow;
    const std::string place = "第" + std::to_string(e.place) + "名";
    if (board.ranksOnly) {
      p.Text(s, {340, top, 220, kListRow - 2}, kListPlace, place, 34);
      p.Text(s, {560, top, 300, kListRow - 2}, kName, e.name, 34);
    } else {
      p.Text(s, {280, top, 200, kListRow - 2}, kListPlace, place, 34);
      p.Text(s, {480, top, 260, kListRow - 2}, kName, e.name, 34);
      p.Text(s, {740, top, 200, kListRow - 2}, kScore, e.score, 34);
    }
  }

  const int count = static_cast<int>(board.buttons.size());
  const int row = count * kButtonWidth + std::max(0, count - 1) * kButtonGap;
  for (int i = 0; i < count; ++i)
    s.buttons.push_back(p.Place({(kFrame.width - row) / 2 + i * (kButtonWidth + kButtonGap),
                                 kButtonTop, kButtonWidth, kButtonHeight}));
  s.buttonFontHeight = p.Px(26);
  return s;
}

}  // namespace lornel::ui
