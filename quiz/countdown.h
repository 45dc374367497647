// The countdown's tick and its time-out.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void CountdownTick(Context& ctx);

}  // namespace lornel::quiz
