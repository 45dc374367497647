#include "quiz/choice.h"

#include "quiz/round/choosing.h"

namespace lornel::quiz {

// The dispatch shows the choice; the focus stays where it was (in the answer
// box), since an option button never takes it.
void ChooseOption(Context& ctx, int option) { round::ChooseOption(ctx.round, option); }

void ClearChoice(Context& ctx) { round::ClearChoice(ctx.round); }

}  // namespace lornel::quiz
