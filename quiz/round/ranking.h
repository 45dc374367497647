// The ranking (比赛结果) as the Round has it: whether it lies over the board,
// and the places the groups in play take by their scores.
#pragma once

#include <array>
#include <vector>

#include "config/questions.h"
#include "quiz/round/points.h"

namespace lornel::quiz {

struct RankingShown {
  bool open = false;
  bool ranksOnly = false;  // "只显示名次": the places and names without the scores
  bool operator==(const RankingShown&) const = default;
};

struct Place {
  int group = 0;  // 1..6
  int place = 0;  // 1 first; equal scores share one, and the next skips (1, 2, 2, 4)
  bool operator==(const Place&) const = default;
};

// Groups 1..inPlay, highest score first; equal scores keep the groups' order.
// A group without points still takes its place, below every positive score
// and above every negative one.
std::vector<Place> Rank(const std::array<Points, config::kGroupCount>& scores, int inPlay);

}  // namespace lornel::quiz
