#include "quiz/round/draw.h"

#include <algorithm>

namespace lornel::quiz::round {
namespace {

constexpr int kLaps = 2;  // whole runs through the groups before the last, short one

// Numerical Recipes' LCG; its upper half carries the randomness.
int NextRandom(std::uint32_t& state, int below) {
  state = state * 1664525u + 1013904223u;
  return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(below));
}

int InPlay(const GroupDraw& d) { return std::clamp(d.inPlay, 1, config::kGroupCount); }

// Where the highlight stands `left` steps before it stops on the pick.
int HighlightAt(const GroupDraw& d, int left) {
  const int n = InPlay(d);
  return ((d.picked - 1 - left) % n + n) % n + 1;
}

}  // namespace

void TakeGroupSettings(GroupDraw& d, int inPlay, bool offered) {
  d.inPlay = std::clamp(inPlay, 1, config::kGroupCount);
  d.offered = offered;
}

int DrawGroup(GroupDraw& d) {
  if (Drawing(d)) return 0;
  const int n = InPlay(d);
  int left = 0;
  for (int g = 1; g <= n; ++g) left += !d.drawn[g - 1];
  if (left == 0) {
    d.drawn = {};
    left = n;
  }
  if (d.random == 0) d.random = 1;
  int nth = NextRandom(d.random, left);
  for (int g = 1; g <= n; ++g)
    if (!d.drawn[g - 1] && nth-- == 0) d.picked = g;
  d.drawn[d.picked - 1] = true;
  // Starts anywhere, so the class cannot tell the pick from where it starts.
  d.stepsLeft = kLaps * n + NextRandom(d.random, n);
  d.highlight = HighlightAt(d, d.stepsLeft);
  d.check = d.highlight;
  ++d.checks;
  return d.picked;
}

bool DrawStep(GroupDraw& d) {
  if (!Drawing(d)) return false;
  --d.stepsLeft;
  d.highlight = d.check = HighlightAt(d, d.stepsLeft);
  ++d.checks;
  return Drawing(d);
}

int SettleDraw(GroupDraw& d) {
  if (!Drawing(d)) return 0;
  d.stepsLeft = 0;
  d.highlight = d.check = d.picked;
  ++d.checks;
  return d.picked;
}

}  // namespace lornel::quiz::round
