// The ranking (比赛结果) as a window shows it over all its controls: what it
// holds, and where each part of it goes for a client area of any size. Pure
// geometry in device pixels, so that both backends draw the same picture and
// tests reach it without Windows.
#pragma once

#include <string>
#include <vector>

#include "ui/display_scale.h"

namespace lornel::ui {

struct RankingBoard {
  struct Entry {
    int place = 0;            // 1 first; equal scores share a place
    std::string name, score;  // GBK: "第三组", "12 分"
    bool operator==(const Entry&) const = default;
  };
  std::vector<Entry> entries;  // in rank order
  bool ranksOnly = false;      // the places and names alone
  // Buttons below it, each raising a command of the window.
  struct Button {
    std::string caption;  // GBK
    int command = -1;
    bool operator==(const Button&) const = default;
  };
  std::vector<Button> buttons;
  bool operator==(const RankingBoard&) const = default;
};

// One thing to draw: a filled rectangle when text is "", else one line of
// bold text centred in rect, fontHeight pixels high.
struct RankingShape {
  Rect rect;
  Colour colour = 0;
  std::string text;  // GBK
  int fontHeight = 0;
};

struct RankingScene {
  Colour background = 0;             // the whole client area
  std::vector<RankingShape> shapes;  // drawn in this order over it
  std::vector<Rect> buttons;         // the board's buttons, in its order
  int buttonFontHeight = 0;
};

// The first three on a podium, the first in the middle and highest, each
// name and score in large type above its block, the others listed below and
// the buttons at the foot; the whole scaled to fit the client area and centred.
RankingScene LayOutRanking(const RankingBoard& board, Size client);

}  // namespace lornel::ui
