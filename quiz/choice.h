// A choice or true/false question answered on the board: a tap on an option,
// or a key A to F, chooses; Backspace clears. "确认答案" judges the choice
// (quiz/answer.h).
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// Option 0 is A (or 对).
void ChooseOption(Context& ctx, int option);
void ClearChoice(Context& ctx);

}  // namespace lornel::quiz
