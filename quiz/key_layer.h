// The on-screen keyboard's digit layer: what each letter key types there.
#pragma once

namespace lornel::quiz {

// The digit layer's text of the letter key that sends virtualKey; nullptr
// for the keys that type the same on both layers.
const char* DigitLayerText(int virtualKey);

}  // namespace lornel::quiz
