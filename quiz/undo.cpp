#include "quiz/undo.h"

namespace lornel::quiz {

void UndoLastStep(Context& ctx) { ctx.undo.Undo(ctx.round); }

}  // namespace lornel::quiz
