// The teacher's hold on a running countdown: pause and resume (its menu or the
// Pause key), ten seconds more or less. The pause is kept in the controls:
// the countdown timer stopped, keeping the rest of its second, while the
// information bar says so.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

bool IsCountdownPaused(const MainForm& main);
// A right-click on the countdown number or bar.
void CountdownMenu(Context& ctx);
// The Pause key and the menu's first item: pauses a running countdown,
// resumes a paused one.
void ToggleCountdownPause(Context& ctx);
// The menu's "加 10 秒" and "减 10 秒" (never below 1 second left).
void AddTenSeconds(Context& ctx);
void TakeTenSeconds(Context& ctx);
// The number and the information bar as they are while nothing is paused;
// nothing changes unless a pause was on.
void EndCountdownPause(const MainForm& main);

}  // namespace lornel::quiz
