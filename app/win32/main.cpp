// lornel.exe: process start, the main window, the message loop.
#include <windows.h>

#include <memory>
#include <optional>

#include "app/main_events.h"
#include "app/notice.h"
#include "app/notice_ids.h"
#include "app/shell.h"
#include "common/fatal.h"
#include "common/win32/process.h"
#include "config/config.h"
#include "config/quiz_file.h"
#include "platform/win32/file_keeper.h"
#include "platform/win32/host.h"
#include "platform/win32/sound_player.h"
#include "quiz/main_ids.h"
#include "ui/win32/run_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lornel;
  win32::Win32Host& host = common::StartWin32Process();
  const app::ProgramPaths paths = app::StartProcess(host);

  // The file's switch is read once, at start; the system menu turns it for this
  // run. Off, winmm is not even loaded until it is turned on.
  win32::Win32SoundPlayer player;
  platform::SoundSwitch sounds(
      player, config::ReadQuizFile(host, config::ConfigPathIn(host.CurrentDirectory())).SoundsOn());

  // Saves the lesson off the UI thread; outlives the window, so that the last
  // save is written whole before the process ends.
  win32::BackgroundFileKeeper keeper(host);
  // Outlives the window: its destruction still reaches the handlers.
  std::optional<app::Shell> shell;
  const bool created = win32::RunWindow(quiz::MainTable(), [&](ui::Form& form) {
    shell.emplace(host, paths, Context{MainForm(form), host, {}, 0, sounds});
    shell->ctx.keeper = &keeper;
    shell->sounds = &sounds;
    shell->openNoticeModally = [&notified = *shell] {
      win32::RunModalWindow(app::NoticeTable(), [&](ui::Form& notice) {
        return std::make_unique<app::NoticeEvents>(notified, notice);
      });
    };
    return std::make_unique<app::MainEvents>(*shell);
  });
  if (!created) common::FatalReport(host, common::kWindowFailedReason);
  // The exit clean-up: ConfigPath goes with the shell.
  return 0;
}
