#include "app/shell.h"

#include "app/instance.h"
#include "app/skins.h"

namespace lornel::app {

ProgramPaths SplitModulePath(const std::string& fullPath) {
  const auto slash = fullPath.find_last_of('\\');
  if (slash == std::string::npos) return {"", fullPath};
  return {fullPath.substr(0, slash), fullPath.substr(slash + 1)};
}

ProgramPaths StartProcess(platform::Host& host) {
  ProgramPaths paths = SplitModulePath(host.ModuleFileName());
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
  shell.ctx.configPath = shell.host.CurrentDirectory() + "\\wtda.ini";
}

void MainWindowDestroyed(Shell& shell) { ReleaseInstanceMutex(shell); }

}  // namespace lornel::app
