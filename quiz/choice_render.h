// The option buttons, the keyboard and the answer box brought in line with a
// ChoiceView: only what differs changes.
#pragma once

#include "quiz/choice_view.h"
#include "quiz/context.h"

namespace lornel::quiz {

// Run after the answer box has been emptied for a new question.
void ApplyChoice(const ChoiceView& before, const ChoiceView& after, const MainForm& main);

}  // namespace lornel::quiz
