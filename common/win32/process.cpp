#include "common/win32/process.h"

#include <cstdlib>
#include <new>

#include "common/fatal.h"
#include "platform/win32/library.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"

namespace lornel::common {
namespace {

void ExceptionInHandler(const char* reason) { FatalReport(ProcessHost(), reason); }

}  // namespace

// Function-local: operator new may run before any global of the program exists.
win32::Win32Host& ProcessHost() {
  static win32::Win32Host host;
  return host;
}

win32::Win32Host& StartWin32Process() {
  win32::HardenLibrarySearch();  // before anything loads a DLL by its bare name
  win32::EnableDpiAwareness();   // before any window: sharp text at any scaling
  win32::SetFatalHandler(ExceptionInHandler);
  return ProcessHost();
}

}  // namespace lornel::common

// Running out of memory ends the program with the fatal report and the size asked for.
void* operator new(std::size_t bytes) {
  if (void* p = std::malloc(bytes ? bytes : 1)) return p;
  lornel::common::FatalReport(lornel::common::ProcessHost(),
                              lornel::common::OutOfMemoryReason(bytes));
}
void* operator new[](std::size_t bytes) { return operator new(bytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
