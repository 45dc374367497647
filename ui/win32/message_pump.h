// The thread's one message pump, run by the program's main loop and by every
// modal window alike, so both handle keys the same way.
#pragma once

#include <windows.h>

#include <functional>

namespace lornel::win32 {

struct PumpEnd {
  bool quit = false;  // WM_QUIT was taken off the queue
  int exitCode = 0;   // its wParam
};

// Pumps until `done` says so (checked before each message) or WM_QUIT comes.
PumpEnd PumpMessages(const std::function<bool()>& done);

// Runs the thread's message loop until no window of the program is left.
int RunMessageLoop();

}  // namespace lornel::win32
