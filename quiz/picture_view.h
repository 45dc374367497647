// A question's picture enlarged over the window by a click on it.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// A left button down at (x, y) in the question label's own table units: on
// its picture, the picture is shown as large as the window allows.
void EnlargePicture(Context& ctx, int label, int x, int y);

}  // namespace lornel::quiz
