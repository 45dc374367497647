// The one projection of the Round onto the main window's controls: Apply
// changes only what differs between what they showed (the View of before)
// and what they show now. Input controls (the answer box's text, the group
// radios) are the user's; the projection only empties the box when the Round
// says so.
#pragma once

#include "quiz/context.h"
#include "quiz/view.h"

namespace lornel::quiz {

// before: what the controls show now (at first, the table's own state,
// which is the View of a new Round).
void Apply(const View& before, const View& after, const MainForm& main);

}  // namespace lornel::quiz
