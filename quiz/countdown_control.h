// The teacher's hold on a running countdown: pause and resume (its menu or the
// Pause key), ten seconds more or less.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// A right-click on the countdown number or bar.
void CountdownMenu(Context& ctx);
// The Pause key and the menu's first item: pauses a running countdown,
// resumes a paused one.
void ToggleCountdownPause(Context& ctx);
// The menu's "加 10 秒" and "减 10 秒" (never below 1 second left).
void AddTenSeconds(Context& ctx);
void TakeTenSeconds(Context& ctx);

}  // namespace lornel::quiz
