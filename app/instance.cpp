#include "app/instance.h"

namespace lornel::app {

bool CheckAlreadyRunning(Shell& shell) {
  platform::Host& host = shell.host;
  const std::string& name = shell.program.fileName;
  if (host.OpenNamedMutex(name) != 0) return true;
  // Two copies started at the same instant both miss the probe; creation is
  // atomic, so the one that finds the mutex already there is the second copy.
  const platform::MutexResult created = host.CreateNamedMutex(name);
  if (created.alreadyExisted) {
    host.CloseHandle(created.handle);
    return true;
  }
  shell.ctx.instanceMutex = created.handle;
  return false;
}

void ReleaseInstanceMutex(Shell& shell) {
  // Called once, when the main window goes; the stored value is left as it is.
  if (shell.ctx.instanceMutex != 0) shell.host.CloseHandle(shell.ctx.instanceMutex);
}

}  // namespace lornel::app
