// Groups and scoring.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void ConfirmGroup(Context& ctx);
void ChangeGroup(Context& ctx);
// question: the one answered (0: none), whose own points count when it has them.
void AwardPoints(Context& ctx, int question);
void ScoreMirrorTick(Context& ctx);

}  // namespace lornel::quiz
