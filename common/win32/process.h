// What each of our programs sets up before its first window: one Win32 host
// for the whole process, the fatal report for an exception in a handler and
// for memory that runs out (operator new is replaced beside it),
// per-monitor DPI awareness, and DLL loading kept out of the current directory.
#pragma once

#include "platform/win32/host.h"

namespace lornel::common {

win32::Win32Host& ProcessHost();
// Call first in wWinMain.
win32::Win32Host& StartWin32Process();

}  // namespace lornel::common
