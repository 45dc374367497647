#include "resources/builtin.h"

#include <windows.h>

namespace lornel::resources {

Bytes BuiltIn(Blob blob, int number) {
  const int id =
      blob == Blob::Skin ? static_cast<int>(Blob::Skin) + number : static_cast<int>(blob);
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10 /* RT_RCDATA */));
  if (!found) return {};
  // Resources stay mapped as long as the module: nothing to free.
  HGLOBAL loaded = LoadResource(self, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return Bytes(static_cast<const std::uint8_t*>(data), SizeofResource(self, found));
}

}  // namespace lornel::resources
