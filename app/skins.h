// Skins: the skin library file beside the executable, and handing one of the
// 33 carried skins to its entry SkinH_AttachRes.
#pragma once

#include "app/shell.h"

namespace lornel::app {

void EnsureSkinLibrary(Shell& shell);
void ApplySkin(Shell& shell, int skinNumber);
// The same for another program of ours (the question editor): the library
// beside it in directory, bound once per binding.
void ApplySkin(platform::Host& host, const std::string& directory, SkinBinding& binding,
               int skinNumber);

}  // namespace lornel::app
