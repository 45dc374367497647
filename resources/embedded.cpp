#include "resources/embedded.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace lornel::resources {
namespace {

Bytes BuiltIn(Blob blob, int number) {
#ifdef _WIN32
  const int id =
      blob == Blob::Skin ? static_cast<int>(Blob::Skin) + number : static_cast<int>(blob);
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10 /* RT_RCDATA */));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(self, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return Bytes(static_cast<const std::uint8_t*>(data), SizeofResource(self, found));
#else
  (void)blob;
  (void)number;
  return {};
#endif
}

Provider g_provider = nullptr;

}  // namespace

Bytes Get(Blob blob, int number) {
  if (blob == Blob::Skin && (number < 1 || number > kSkinCount)) return {};
  return g_provider ? g_provider(blob, number) : BuiltIn(blob, number);
}

void SetProvider(Provider provider) { g_provider = provider; }

}  // namespace lornel::resources
