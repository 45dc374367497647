// The groups in play and the fair random pick (随机选组) as the Round has them.
// The bag: a pick is drawn from the groups in play not picked since the bag
// was last full, so every group comes once before any comes twice.
#pragma once

#include <array>
#include <cstdint>

#include "config/questions.h"

namespace lornel::quiz {

struct GroupDraw {
  int inPlay = config::kGroupCount;               // groups 1..inPlay play ("组数")
  bool offered = false;                           // "随机" stands on the group question
  std::array<bool, config::kGroupCount> drawn{};  // picked since the bag was last full ("已抽")
  int picked = 0;                                 // the last group drawn (0: none yet)
  // The highlight running through the group buttons: the group it is on (0:
  // none) and its steps still to go before it stops on the pick.
  int highlight = 0, stepsLeft = 0;
  // The radio the draw checks: each time `checks` counts up, `check` is checked.
  int check = 0, checks = 0;
  std::uint32_t random = 0;  // the draws' generator; 0: not seeded yet
  bool operator==(const GroupDraw&) const = default;
};

namespace round {

// The file's "组数" and "随机选组", taken at the start and at each opening.
void TakeGroupSettings(GroupDraw& d, int inPlay, bool offered);
// "随机": a group drawn from the bag (filled again first when every group in
// play is in it), and the highlight set running towards it. 0 while one runs.
int DrawGroup(GroupDraw& d);
// One step of the highlight; false once it has stopped on the pick.
bool DrawStep(GroupDraw& d);
inline bool Drawing(const GroupDraw& d) { return d.stepsLeft > 0; }
// The highlight stops on the pick at once; the pick (0 when none ran).
int SettleDraw(GroupDraw& d);
// The group question is answered: the highlight goes out.
inline void EndDraw(GroupDraw& d) {
  SettleDraw(d);
  d.highlight = 0;
}

}  // namespace round
}  // namespace lornel::quiz
