// The ranking (比赛结果) laid over the board and taken away again: nothing of
// the game changes, and the countdown holds while the class looks at it.
#pragma once

#include "quiz/round/round.h"

namespace lornel::quiz::round {

// Opens it, or closes it when it is open (F9 again). False before the start.
bool ToggleRanking(Round& r);
void CloseRanking(Round& r);
void ToggleRanksOnly(Round& r);

}  // namespace lornel::quiz::round
