// bench_phases.exe: where a start of the main window spends its time, in
// process: the loader up to wmain, the window and its controls, the
// creation-complete handler (skin library and skin), showing and painting.
// Run it in a directory with wtda.ini; it prints one PHASES line.
#include <windows.h>

#include <cstdio>

#include "app/main_events.h"
#include "app/shell.h"
#include "bench/measure.h"
#include "platform/win32/host.h"
#include "ui/layout.h"
#include "ui/win32/form.h"

namespace lornel::bench {
namespace {

// Wraps the real events and notes when creation-complete starts and ends.
// A moment of the start: wall clock, this thread's CPU time, the wineserver's.
struct Mark {
  double wall = 0, cpu = 0, server = 0;
};

double ThreadCpuMs() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  const ULARGE_INTEGER k{{kernel.dwLowDateTime, kernel.dwHighDateTime}};
  const ULARGE_INTEGER u{{user.dwLowDateTime, user.dwHighDateTime}};
  return static_cast<double>(k.QuadPart + u.QuadPart) / 1e4;
}

int g_wineserver = 0;

Mark Now() {
  Mark m;
  m.cpu = ThreadCpuMs();
  m.server = UnixCpuMs(g_wineserver).value_or(0);
  m.wall = NowMs();
  return m;
}

class TimedEvents : public ui::EventSink {
 public:
  explicit TimedEvents(app::MainEvents& real) : real_(real) {}
  void OnCreated() override {
    createdAt = Now();
    real_.OnCreated();
    createdDone = Now();
  }
  void OnDestroyed() override { real_.OnDestroyed(); }
  void OnControlEvent(const ui::Binding& binding) override { real_.OnControlEvent(binding); }
  Mark createdAt, createdDone;

 private:
  app::MainEvents& real_;
};

double MsSinceProcessCreation() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  const ULARGE_INTEGER c{{created.dwLowDateTime, created.dwHighDateTime}};
  const ULARGE_INTEGER n{{now.dwLowDateTime, now.dwHighDateTime}};
  return static_cast<double>(n.QuadPart - c.QuadPart) / 1e4;
}

void Print(const char* name, const Mark& from, const Mark& to) {
  std::printf(" %s=%.1f/%.1f/%.1f", name, to.wall - from.wall, to.cpu - from.cpu,
              to.server - from.server);
}

}  // namespace
}  // namespace lornel::bench

// Each phase as wall/cpu/wineserver milliseconds.
int wmain() {
  using namespace lornel;
  using bench::Mark;
  const double loader = bench::MsSinceProcessCreation();
  bench::g_wineserver = bench::FindOwnWineserver();
  const Mark t0 = bench::Now();
  win32::Win32Host host;
  const app::ProgramPaths paths = app::StartProcess(host);
  app::MainEvents events;
  bench::TimedEvents timed(events);
  win32::Win32Form mainForm(ui::MainTable(), timed);
  app::Shell shell{host, paths, Context{MainForm(mainForm), host}, {}, {}};
  shell.openNoticeModally = [] { ExitProcess(3); };
  events.Attach(shell);
  if (!mainForm.Create()) return 1;
  const Mark t2 = bench::Now();
  bench::Pump(0);
  const Mark t3 = bench::Now();
  std::printf("PHASES loader_ms=%.1f", loader);
  bench::Print("controls", t0, timed.createdAt);
  bench::Print("created_handler", timed.createdAt, timed.createdDone);
  bench::Print("show_paint", timed.createdDone, t2);
  bench::Print("first_messages", t2, t3);
  std::printf("\n");
  std::fflush(stdout);
  DestroyWindow(mainForm.hwnd());
  return 0;
}
