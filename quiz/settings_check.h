// When wtda.ini is examined: at the start button and at group confirmation.
#pragma once

#include <string>

#include "quiz/context.h"

namespace lornel::quiz {

void ConfigCheckOnStart(Context& ctx);
// False when the repair exit has started: the main window is closing.
bool CountdownCheck(Context& ctx, const std::string& value);
void ConfigRepairExit(Context& ctx, const std::string& message, unsigned icon);
void OpenWithShell(platform::Desktop& desktop, const std::string& path);

}  // namespace lornel::quiz
