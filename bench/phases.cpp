// bench_phases.exe: where a start of the main window spends its time, in
// process: the loader up to wmain, the window and its controls, the
// creation-complete handler (skin library and skin), showing and painting.
// Run it in a directory with wtda.ini; it prints one PHASES line, with the
// GDI font objects the window added. "fonts=each" or "fonts=shared" instead
// times the window's fonts alone (see FontsOnly).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_events.h"
#include "app/shell.h"
#include "bench/measure.h"
#include "platform/win32/host.h"
#include "platform/win32/text.h"
#include "quiz/main_ids.h"
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
  void OnControlEvent(const ui::ControlEvent& event) override { real_.OnControlEvent(event); }
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

// Live font objects in this process: Wine takes a bare table index for a handle.
int GdiFonts() {
  int fonts = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) == OBJ_FONT) ++fonts;
  return fonts;
}

// The main window's fonts on their own, in a fresh process: one per control
// as the backend makes them at scale 1, or one per distinct face, height and
// underline; each selected into a DC and measured against its caption, which
// is where Wine realises a font. Prints one FONTS line.
int FontsOnly(bool shared) {
  using Key = std::tuple<std::string, int, bool>;
  std::map<Key, HFONT> made;
  std::vector<HFONT> all;
  HDC dc = CreateCompatibleDC(nullptr);
  const double t0 = NowMs();
  for (const ui::Row& row : quiz::MainTable().rows) {
    if (row.kind == ui::Kind::Timer || !row.font.present()) continue;
    const Key key{row.font.face, row.font.height, row.font.underline};
    HFONT font = shared && made.count(key) ? made[key] : nullptr;
    if (!font) {
      font = CreateFontW(-row.font.height, 0, 0, 0, FW_BOLD, FALSE, row.font.underline, FALSE,
                         GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, win32::Wide(row.font.face).c_str());
      made[key] = font;
      all.push_back(font);
    }
    const std::wstring text = *row.caption ? win32::Wide(row.caption) : L"0";
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
  }
  const double ms = NowMs() - t0;
  std::printf("FONTS mode=%s fonts=%zu distinct=%zu ms=%.2f\n", shared ? "shared" : "each",
              all.size(), made.size(), ms);
  for (HFONT font : all) DeleteObject(font);
  DeleteDC(dc);
  return 0;
}

}  // namespace
}  // namespace lornel::bench

// Each phase as wall/cpu/wineserver milliseconds.
int wmain(int argc, wchar_t** argv) {
  using namespace lornel;
  using bench::Mark;
  const double loader = bench::MsSinceProcessCreation();
  if (argc > 1 && std::wcsncmp(argv[1], L"fonts=", 6) == 0)
    return bench::FontsOnly(std::wcscmp(argv[1], L"fonts=shared") == 0);
  const int fontsBefore = bench::GdiFonts();
  bench::g_wineserver = bench::FindOwnWineserver();
  const Mark t0 = bench::Now();
  win32::Win32Host host;
  const app::ProgramPaths paths = app::StartProcess(host);
  // As lornel.exe builds it, the events timed: the form holds them, they the shell.
  struct MainWindow {
    MainWindow(platform::Host& host, const app::ProgramPaths& paths)
        : form(quiz::MainTable(), timed),
          shell{host, paths, Context{MainForm(form), host}, {}, {}} {}
    win32::Win32Form form;
    app::Shell shell;
    app::MainEvents events{shell};
    bench::TimedEvents timed{events};
  } window(host, paths);
  win32::Win32Form& mainForm = window.form;
  bench::TimedEvents& timed = window.timed;
  window.shell.openNoticeModally = [] { ExitProcess(3); };
  if (!mainForm.Create()) return 1;
  const Mark t2 = bench::Now();
  bench::Pump(0);
  const Mark t3 = bench::Now();
  std::printf("PHASES loader_ms=%.1f", loader);
  bench::Print("controls", t0, timed.createdAt);
  bench::Print("created_handler", timed.createdAt, timed.createdDone);
  bench::Print("show_paint", timed.createdDone, t2);
  bench::Print("first_messages", t2, t3);
  const int fontsAfter = bench::GdiFonts();
  std::printf(" gdi_fonts=%d gdi_fonts_before=%d", fontsAfter - fontsBefore, fontsBefore);
  std::printf("\n");
  std::fflush(stdout);
  DestroyWindow(mainForm.hwnd());
  return 0;
}
