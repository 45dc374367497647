// The countdown of an answer, its time-out and the reveal guard.
#pragma once

#include <string>

#include "quiz/context.h"

namespace lornel::quiz {

inline constexpr int kCountdownPeriod = 1000;  // milliseconds of the countdown timer

void CountdownPrepare(Context& ctx, const std::string& value);
void CountdownStart(Context& ctx, const std::string& value);
void CountdownTick(Context& ctx);
// A correct answer, a group change or the time-out: the countdown ends, paused or not.
void CountdownStop(const MainForm& main);
void TimeOut(Context& ctx);
void RevealGuardTick(Context& ctx);

}  // namespace lornel::quiz
