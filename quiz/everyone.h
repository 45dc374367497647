// All groups at once: "判分", the marks of "哪些组答对了？" and their "确定".
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void JudgeAnswers(Context& ctx);
void ToggleMark(Context& ctx, int g);
void AwardMarks(Context& ctx);

}  // namespace lornel::quiz
