// What happens when an exception reaches a window procedure: the program
// reports it and ends.
#pragma once

namespace lornel::win32 {

// Called with the reason; it must not return.
using FatalHandler = void (*)(const char* reason);
void SetFatalHandler(FatalHandler handler);
// Reports through the handler and ends the process.
[[noreturn]] void ReportFatal(const char* reason);

}  // namespace lornel::win32
