// The answer panel as the Round has it: the wrong answer's shake, and the
// expected answer uncovered.
#pragma once

#include "quiz/round/round.h"

namespace lornel::quiz::round {

inline constexpr int kAnswerBoxRest = 80;  // the answer box's left in the answer panel

// A wrong answer shakes the box; a shake under way goes on where it is.
void StartShake(Round& r);
// Ends a shake with the box at rest.
void StopShake(Round& r);
// One step of the shake. False when it found no question to shake for: the
// shake has stopped and the caller asks for a question.
bool ShakeTick(Round& r);
// Where the shake has the answer box now.
int AnswerBoxLeft(const Round& r);

// The expected answer shows: "确认答案" off, "继续选题" on.
void UncoverAnswer(Round& r);

}  // namespace lornel::quiz::round
