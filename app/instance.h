// The single-instance marker: a named mutex whose name is the executable's
// file name, in the local namespace of the logon.
#pragma once

#include "app/shell.h"

namespace lornel::app {

// True when another copy runs; false when this copy now holds InstanceMutex.
bool CheckAlreadyRunning(Shell& shell);
void ReleaseInstanceMutex(Shell& shell);

}  // namespace lornel::app
