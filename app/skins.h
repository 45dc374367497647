// Skins: the skin library file beside the executable, and handing one of the
// 33 carried skins to its entry SkinH_AttachRes.
#pragma once

#include "app/shell.h"

namespace lornel::app {

void EnsureSkinLibrary(Shell& shell);
void ApplySkin(Shell& shell, int skinNumber);

}  // namespace lornel::app
