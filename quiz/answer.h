// Answer entry, checking and reveal.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// "确认答案".
void CheckAnswer(Context& ctx);
void ShakeTick(Context& ctx);
// "显示答案".
void RevealAnswer(Context& ctx);

}  // namespace lornel::quiz
