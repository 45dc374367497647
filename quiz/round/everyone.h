// All groups at once (全体) as the Round plays it: the whole class answers
// under the question's countdown, then the teacher marks which groups were
// right ("哪些组答对了？") and each of them gets the points in one step.
#pragma once

#include <vector>

#include "quiz/round/round.h"

namespace lornel::quiz::round {

// An all-groups question is open with its answer covered.
bool EveryoneAnswering(const Round& r);
// "判分", or the countdown's end: the countdown stops and the marks come up,
// none marked. False when there is nothing to mark.
bool BeginMarking(Round& r);
// A group's button on the marks: marked or not any more (groups in play only).
void ToggleMark(Round& r, int g);
// "确定": the marked groups get the points, the answer is uncovered and the
// question locks. The groups given, in order; none is allowed.
std::vector<int> AwardMarked(Round& r, const Points& points);

}  // namespace lornel::quiz::round
