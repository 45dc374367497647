// Groups and scoring.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void ConfirmGroup(Context& ctx);
void ChangeGroup(Context& ctx);
void AwardPoints(Context& ctx);
void ScoreMirrorTick(Context& ctx);

}  // namespace lornel::quiz
