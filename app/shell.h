// The application shell's state: the facts about the executable, the two
// globals (ConfigPath and InstanceMutex, inside the handlers' Context) and
// the once-per-process binding of the skin library.
#pragma once

#include <functional>
#include <string>

#include "common/program.h"
#include "common/skins.h"
#include "platform/host.h"
#include "platform/sound.h"
#include "quiz/context.h"

namespace lornel::app {

using common::ProgramPaths;

struct Shell {
  platform::Host& host;
  ProgramPaths program;
  Context ctx;
  common::SkinBinding skin;
  // Opens the notice window and returns when it has been closed.
  std::function<void()> openNoticeModally;
  // The sounds' switch for this run (a setting of the run, not of the game);
  // without one the system menu's item turns nothing.
  platform::SoundSwitch* sounds = nullptr;
};

// Process start: where the executable is, and the current directory set to
// it so that wtda.ini is found beside it.
ProgramPaths StartProcess(platform::Host& host);

// The skin library beside lornel.exe, and a skin through it.
void EnsureSkinLibrary(Shell& shell);
void ApplySkin(Shell& shell, int skinNumber);

// The main window's creation-complete and being-destroyed handlers.
void MainWindowCreated(Shell& shell);
void MainWindowDestroyed(Shell& shell);

}  // namespace lornel::app
