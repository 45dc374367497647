// The countdown of an answer as the Round has it: its length, what is left,
// the teacher's pause and ten seconds more or less.
#pragma once

#include <string>

#include "quiz/round/round.h"

namespace lornel::quiz::round {

inline constexpr int kLastSecondsTicking = 5;  // the display turning to 4, 3, 2, 1, 0
inline constexpr int kTimeStep = 10;           // seconds more or less from the menu
inline constexpr int kLeastLeft = 1;           // what taking time away leaves at least

// The bar set to the length (as a whole number of seconds, 0..32767); the
// number keeps what it showed until the first tick.
void CountdownPrepare(Round& r, int seconds);
// Starts unless value is exactly "0" (the text: "00" still counts down); a
// start puts up the reveal guard for the rest of the run.
void CountdownStart(Round& r, const std::string& value);

enum class Tick { Ignored, StoodStill, Counted, TimedOut };
// One second: less left, or the time-out once nothing is. While the answer is
// uncovered and the group question is up again, time stands still.
Tick CountdownTick(Round& r);
// A right answer, a group change or the time-out: the countdown ends, paused or not.
void CountdownStop(Round& r);

// The teacher's pause (its menu or the Pause key): pauses a running
// countdown, resumes a paused one where its second stood.
void ToggleCountdownPause(Round& r);
bool CountdownPaused(const Round& r);
// While a question to the teacher is open time stands still, unseen.
void HoldCountdown(Round& r);
void ReleaseCountdown(Round& r);
// The range moves with the time left, so the bar still shows what part is left.
void AddCountdownTime(Round& r, int seconds);
// Never below kLeastLeft; false when nothing could be taken.
bool TakeCountdownTime(Round& r, int seconds);

}  // namespace lornel::quiz::round
