// The question board's handlers: opening, cancelling and leaving questions.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void OpenQuestion(Context& ctx, int n);
// "重新选题" on the group question.
void CancelQuestion(Context& ctx);
// "继续选题".
void NextQuestion(Context& ctx);

}  // namespace lornel::quiz
