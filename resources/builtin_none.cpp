#include "resources/builtin.h"

namespace lornel::resources {

// Native builds link no resources: tests install a provider.
Bytes BuiltIn(Blob, int) { return {}; }

}  // namespace lornel::resources
