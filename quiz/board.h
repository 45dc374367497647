// The question board: opening, closing, cancelling and locking questions.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void OpenQuestion(Context& ctx, int n);
void CloseQuestion(Context& ctx);
void CancelQuestion(Context& ctx);
void NextQuestion(Context& ctx);
void LockScanTick(Context& ctx);
void LockTick(Context& ctx, int n);
bool IsQuestionOpen(const Context& ctx);

}  // namespace lornel::quiz
