#include "app/shell.h"

#include "app/instance.h"
#include "app/window_commands.h"
#include "config/config.h"
#include "quiz/lesson.h"
#include "quiz/play.h"

namespace lornel::app {

void EnsureSkinLibrary(Shell& shell) {
  common::EnsureSkinLibrary(shell.host, shell.program.directory);
}

void ApplySkin(Shell& shell, int skinNumber) {
  common::ApplySkin(shell.host, shell.program.directory, shell.skin, skinNumber);
}

ProgramPaths StartProcess(platform::Host& host) {
  ProgramPaths paths = common::SplitModulePath(host.ModuleFileName());
  host.ChangeDirectory(paths.directory);
  return paths;
}

void MainWindowCreated(Shell& shell) {
  if (CheckAlreadyRunning(shell)) {
    shell.ctx.main.HideWindow();
    shell.openNoticeModally();
    // Normally never reached: the notice window ends the process.
    shell.ctx.main.RequestClose();
  }
  ApplySkin(shell, 12);
  shell.ctx.configPath = config::ConfigPathIn(shell.host.CurrentDirectory());
  quiz::OfferLastLesson(shell.ctx);
  quiz::Commit(shell.ctx);
  ShowSoundsSwitch(shell);
}

void MainWindowDestroyed(Shell& shell) { ReleaseInstanceMutex(shell); }

}  // namespace lornel::app
