#include "resources/embedded.h"

#include "resources/builtin.h"

namespace lornel::resources {
namespace {

Provider g_provider = nullptr;

}  // namespace

Bytes Get(Blob blob, int number) {
  if (blob == Blob::Skin && (number < 1 || number > kSkinCount)) return {};
  return g_provider ? g_provider(blob, number) : BuiltIn(blob, number);
}

void SetProvider(Provider provider) { g_provider = provider; }

}  // namespace lornel::resources
