#include "ui/win32/fatal.h"

#include <windows.h>

namespace lornel::win32 {
namespace {

FatalHandler g_fatal = nullptr;

}  // namespace

void SetFatalHandler(FatalHandler handler) { g_fatal = handler; }

void ReportFatal(const char* reason) {
  if (g_fatal) g_fatal(reason);
  ::ExitProcess(static_cast<UINT>(-1));
}

}  // namespace lornel::win32
