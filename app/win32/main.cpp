// lornel.exe: process start, the main window, the message loop.
#include <windows.h>

#include "app/fatal.h"
#include "app/main_events.h"
#include "app/notice.h"
#include "app/shell.h"
#include "app/win32/process.h"
#include "platform/win32/host.h"
#include "ui/layout.h"
#include "ui/win32/form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lornel;
  win32::Win32Host& host = app::StartWin32Process();
  const app::ProgramPaths paths = app::StartProcess(host);

  app::MainEvents events;
  win32::Win32Form mainForm(ui::MainTable(), events);
  app::Shell shell{host, paths, Context{MainForm(mainForm), host}, {}, {}};
  shell.openNoticeModally = [&shell] {
    app::NoticeEvents noticeEvents(shell);
    win32::Win32Form notice(ui::NoticeTable(), noticeEvents);
    noticeEvents.Attach(notice);
    notice.RunModal();
  };
  events.Attach(shell);

  if (!mainForm.Create()) app::FatalReport(host, app::kWindowFailedReason);
  win32::RunMessageLoop();
  // The exit clean-up: ConfigPath goes with the shell.
  return 0;
}
