// Plays all fourteen questions on a running lornel.exe from outside, each
// answered right, so that the fourteen lock timers and the reveal guard run.
#pragma once

#include <string>
#include <vector>

#include "bench/measure.h"

namespace lornel::bench {

// answers[n - 1] is the expected answer of question n. Presses the start
// button first. False, with the step in *why, when the program did not follow.
bool PlayAllQuestions(Child& child, HWND top, const std::vector<std::wstring>& answers,
                      std::wstring* why);

}  // namespace lornel::bench
