// Where the embedded data really is: the executable's RCDATA on Windows
// (resources/win32/builtin.cpp); natively there is none (builtin_none.cpp).
#pragma once

#include "resources/embedded.h"

namespace lornel::resources {

Bytes BuiltIn(Blob blob, int number);

}  // namespace lornel::resources
