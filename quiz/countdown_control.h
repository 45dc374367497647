// The teacher's hold on a running countdown: pause and resume (its menu or
// the Pause key), ten seconds more or less.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// A right-click on the countdown number or bar.
void CountdownMenu(Context& ctx);
// The Pause key: pauses a running countdown, resumes a paused one.
void ToggleCountdownPause(Context& ctx);

}  // namespace lornel::quiz
