// The option buttons, the keyboard and the answer box brought in line with a
// ChoiceView: only what differs changes.
#pragma once

#include "quiz/choice_view.h"
#include "quiz/context.h"

namespace lornel::quiz {

// Run before the group panel goes, so that the keys change beneath it.
void ApplyChoice(const ChoiceView& before, const ChoiceView& after, const MainForm& main);

}  // namespace lornel::quiz
