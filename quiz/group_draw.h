// "随机" on the group question: a fair random group (quiz/round/draw.h), its
// highlight running through the group buttons before it stops.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// A group drawn from the bag: a step undo can take back, named by the group.
void DrawGroup(Context& ctx);
// The highlight's timer.
void DrawTick(Context& ctx);

}  // namespace lornel::quiz
