#include "quiz/round/results.h"

#include "quiz/round/countdown.h"

namespace lornel::quiz::round {

bool ToggleRanking(Round& r) {
  if (!r.started) return false;
  if (r.ranking.open) {
    CloseRanking(r);
  } else {
    r.ranking.open = true;
    HoldCountdown(r);
  }
  return true;
}

void CloseRanking(Round& r) {
  if (!r.ranking.open) return;
  r.ranking.open = false;
  ReleaseCountdown(r);
}

void ToggleRanksOnly(Round& r) {
  if (r.ranking.open) r.ranking.ranksOnly = !r.ranking.ranksOnly;
}

}  // namespace lornel::quiz::round
