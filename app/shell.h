// The application shell's state: the facts about the executable, the two
// globals (ConfigPath and InstanceMutex, inside the handlers' Context) and
// the once-per-process binding of the skin library.
#pragma once

#include <functional>
#include <string>

#include "app/skins.h"
#include "platform/host.h"
#include "ui/context.h"

namespace lornel::app {

struct ProgramPaths {
  std::string directory;  // without a trailing backslash
  std::string fileName;   // extension included
};

// Splits a module path at its last backslash; a path without one is all name.
ProgramPaths SplitModulePath(const std::string& fullPath);

struct Shell {
  platform::Host& host;
  ProgramPaths program;
  Context ctx;
  SkinBinding skin;
  // Opens the notice window and returns when it has been closed.
  std::function<void()> openNoticeModally;
};

// Process start: where the executable is, and the current directory set to
// it so that wtda.ini is found beside it.
ProgramPaths StartProcess(platform::Host& host);

// The main window's creation-complete and being-destroyed handlers.
void MainWindowCreated(Shell& shell);
void MainWindowDestroyed(Shell& shell);

}  // namespace lornel::app
