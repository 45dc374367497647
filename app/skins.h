// Skins: the skin library file beside the executable, and handing one of the
// 33 carried skins to its entry SkinH_AttachRes. Both programs use it.
#pragma once

#include <string>

#include "platform/host.h"

namespace lornel::app {

// The skin library as a program has bound it: loaded once, its entry kept.
struct SkinBinding {
  bool bound = false;
  platform::Handle module = 0;
  void* entry = nullptr;
};

struct Shell;

void EnsureSkinLibrary(Shell& shell);
void ApplySkin(Shell& shell, int skinNumber);
// The same for another program of ours (the question editor): the library
// beside it in directory, bound once per binding.
void ApplySkin(platform::Host& host, const std::string& directory, SkinBinding& binding,
               int skinNumber);

}  // namespace lornel::app
