// lornel.exe: process start, the main window, the message loop.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "app/fatal.h"
#include "app/main_events.h"
#include "app/notice.h"
#include "app/shell.h"
#include "ui/layout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"
#include "ui/win32/host.h"

namespace {

// Function-local: operator new may run before any global of this file exists.
lornel::win32::Win32Host& Host() {
  static lornel::win32::Win32Host host;
  return host;
}

void ExceptionInHandler(const char* reason) { lornel::app::FatalReport(Host(), reason); }

}  // namespace

// Running out of memory ends the program with the fatal report and the size asked for.
void* operator new(std::size_t bytes) {
  if (void* p = std::malloc(bytes ? bytes : 1)) return p;
  lornel::app::FatalReport(Host(), lornel::app::OutOfMemoryReason(bytes));
}
void* operator new[](std::size_t bytes) { return operator new(bytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lornel;
  win32::EnableDpiAwareness();  // before any window: sharp text at any scaling
  win32::Win32Host& host = Host();
  win32::SetFatalHandler(ExceptionInHandler);
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
