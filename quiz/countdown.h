// The countdown of an answer, its time-out and the reveal guard.
#pragma once

#include <string>

#include "quiz/context.h"

namespace lornel::quiz {

void CountdownPrepare(Context& ctx, const std::string& value);
void CountdownStart(Context& ctx, const std::string& value);
void CountdownTick(Context& ctx);
void TimeOut(Context& ctx);
void RevealGuardTick(Context& ctx);

}  // namespace lornel::quiz
