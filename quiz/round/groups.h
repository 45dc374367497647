// Groups and scores as the Round has them.
#pragma once

#include "quiz/round/round.h"

namespace lornel::quiz::round {

// "确定" on the group question: the checked group (0: none checked, the
// answering group stays) answers now. The countdown is prepared beforehand
// and started afterwards by the caller, which reads its length.
void ConfirmGroup(Round& r, int checked);
// "重新选组" over an open question: the countdown stops and the group
// question comes back. False when no question is open.
bool ChangeGroup(Round& r);
// A right answer's points to the answering group; false when none has been
// confirmed in this run.
bool AwardPoints(Round& r, const Points& points);
// The score menu's corrections of group g (1..6).
void CorrectScore(Round& r, int g, const Points& by);
void ClearScore(Round& r, int g);

// "一" ... "六".
const char* GroupNumeral(int g);

}  // namespace lornel::quiz::round
