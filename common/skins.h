// Skins: the skin library file beside the executable, and handing one of the
// 33 carried skins to its entry SkinH_AttachRes. Both programs use it.
#pragma once

#include <string>

#include "platform/host.h"

namespace lornel::common {

// The skin library as a program has bound it: loaded once, its entry kept.
struct SkinBinding {
  bool bound = false;
  platform::Handle module = 0;
  void* entry = nullptr;
};

// The library beside the program in directory, written there (hidden) when
// missing; whatever stands there already is left alone.
void EnsureSkinLibrary(platform::Host& host, const std::string& directory);
// Skin skinNumber (1..33; another number: none) through the library in
// directory, bound once per binding.
void ApplySkin(platform::Host& host, const std::string& directory, SkinBinding& binding,
               int skinNumber);

}  // namespace lornel::common
