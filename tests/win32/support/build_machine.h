// The machine the tests were built for: the product is 32-bit, and the same
// tests also run as a 64-bit build on hosts that cannot run 32-bit code.
#pragma once
#include <windows.h>

namespace test {
#ifdef _WIN64
constexpr WORD kBuildMachine = IMAGE_FILE_MACHINE_AMD64;
#else
constexpr WORD kBuildMachine = IMAGE_FILE_MACHINE_I386;
#endif
}  // namespace test
