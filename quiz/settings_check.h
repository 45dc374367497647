// The start button: wtda.ini is examined, written with defaults when missing.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

void ConfigCheckOnStart(Context& ctx);

}  // namespace lornel::quiz
