// The group question's handlers.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// "确定".
void ConfirmGroup(Context& ctx);
// "重新选组".
void ChangeGroup(Context& ctx);

}  // namespace lornel::quiz
