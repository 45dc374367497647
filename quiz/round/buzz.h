// Buzz-in (抢答) and all groups at once (全体) as the Round has them: how the
// open question is answered, the buzz with its fouls and its order, and the
// groups marked right. The transitions are in quiz/round/buzzing.h and
// quiz/round/everyone.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/answer_ways.h"
#include "quiz/round/points.h"

namespace lornel::quiz {

using config::AnswerWay;

// A group's key that counted, at its key message's own time (milliseconds of
// the system's clock, which wraps: compare differences only).
struct BuzzPress {
  int group = 0;
  std::uint32_t time = 0;
  bool answered = false;  // had its turn and answered wrong
  bool operator==(const BuzzPress&) const = default;
};

struct Buzz {
  // Ready: before "开始抢答" a key is a foul. Open: the first key wins.
  // Turn: a group answers; later keys join the order.
  enum class Stage : std::uint8_t { Ready, Open, Turn };
  AnswerWay way = AnswerWay::Assigned;  // of the open question
  int opening = 0;                      // counts the openings: undo's steps belong to one
  Stage stage = Stage::Ready;
  int groups = config::kGroupCount;  // in play: groups 1 to this
  // As the file said when the question opened: the buzz's seconds (0: no
  // limit), the points a foul and a wrong answer cost, each group's keys,
  // and the question's countdown value, which each turn starts afresh.
  int seconds = 0;
  Points foulPenalty, wrongPenalty;
  std::array<std::vector<int>, config::kGroupCount> keys;
  std::string countdownValue;
  std::array<bool, config::kGroupCount> fouled{};
  std::vector<BuzzPress> order;  // by time, the earlier message first on a tie
  int turn = -1;                 // the press whose group answers (Stage::Turn)
  bool makeUp = false;           // that turn came to it by 补答
  // All groups at once: "哪些组答对了？" is up, with the groups marked so far.
  bool marking = false;
  std::array<bool, config::kGroupCount> marked{};
  bool operator==(const Buzz&) const = default;
};

}  // namespace lornel::quiz
