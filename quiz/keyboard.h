// The on-screen keyboard: its keys type into the answer box, and "123"
// switches the letter keys to the digit layer and back.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// Focus to the answer box, then what the key types: its virtual key, or on
// the digit layer the letter key's character of that layer.
void SimulateKeyPress(Context& ctx, int virtualKey);
// "123" shows the digit layer and becomes "ABC"; "ABC" brings the letters back.
void SwitchKeyLayer(Context& ctx);

}  // namespace lornel::quiz
