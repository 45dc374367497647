// Buzz-in's handlers: the groups' keys (and the teacher's buttons for them)
// and "开始抢答".
#pragma once

#include <cstdint>

#include "quiz/context.h"

namespace lornel::quiz {

// Group g's key, or its button, at time: its key message's own.
void PressBuzzKey(Context& ctx, int g, std::uint32_t time);
// "开始抢答", or Space while no edit box has the focus.
void StartBuzz(Context& ctx);

}  // namespace lornel::quiz
