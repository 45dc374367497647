// The teacher's ruling: the menu of "确认答案" ends the question as a correct
// answer would, when the teacher judges an answer right that the check refused.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// A right-click on the check button or, while it is disabled and takes no
// mouse input, on the answer panel at (x, y) in the control's own table
// units: on the panel, only a point on the check button opens the menu.
void RulingMenu(Context& ctx, int control, int x, int y);
// Its item: after a Yes, the question ends as by a correct answer.
void RuleCorrect(Context& ctx);

}  // namespace lornel::quiz
