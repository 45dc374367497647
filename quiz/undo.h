// Undo (撤销): Ctrl+Z, and the item at the top of the score bar's menu and in
// the system menu, named by the step it takes back.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// The last scoring step taken back; nothing when there is none. It never
// touches the quiz file and asks nothing.
void UndoLastStep(Context& ctx);

}  // namespace lornel::quiz
