// bench_fullscreen.exe: full screen against the start-up's own show-and-paint,
// in one process on the real main window with the real handlers.
//   show_paint   the window shown and painted at the end of start-up (once)
//   switch_on    F11's work until every window is painted (first and median)
//   switch_on_work  of that, until SetFullScreen returns: the window and the
//                controls moved and re-fonted, nothing painted yet (median)
//   repaint      the full-screen window and every child repainted, nothing moved
//                (median, after each switch on)
//   repaint_fresh  the same after the window was made narrower and wide again,
//                so Wine paints into a new window surface as after a switch: the
//                floor a switch cannot go below under Wine (median)
//   click        `按钮3` clicked until painted, windowed and full screen, ABBA
// Needs wtda.ini beside the exe; run it on the projector's desktop (1920x1080).
//   bench_fullscreen.exe [--samples=10]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/main_events.h"
#include "app/notice.h"
#include "app/shell.h"
#include "bench/measure.h"
#include "platform/win32/host.h"
#include "quiz/main_ids.h"
#include "ui/win32/form.h"

namespace lornel::bench {
namespace {

using quiz::MainId;

[[noreturn]] void Die(const char* why) {
  std::printf("FAILED fullscreen: %s\n", why);
  std::fflush(stdout);
  ExitProcess(1);
}

// The start-up's show-and-paint: from the end of creation-complete to Create()'s return.
class TimedEvents : public ui::EventSink {
 public:
  explicit TimedEvents(app::MainEvents& real) : real_(real) {}
  void OnCreated() override {
    real_.OnCreated();
    createdDone = NowMs();
  }
  void OnDestroyed() override { real_.OnDestroyed(); }
  void OnControlEvent(const ui::ControlEvent& event) override { real_.OnControlEvent(event); }
  double createdDone = 0;

 private:
  app::MainEvents& real_;
};

double Switch(win32::Win32Form& form, bool on, double* work = nullptr) {
  const double t0 = NowMs();
  form.SetFullScreen(on);
  if (work) *work = NowMs() - t0;
  UpdateWindow(form.hwnd());
  GdiFlush();
  const double ms = NowMs() - t0;
  if (form.IsFullScreen() != on || !FullyPainted(form.hwnd())) Die("the switch left it unpainted");
  return ms;
}

double Repaint(win32::Win32Form& form) {
  const double t0 = NowMs();
  RedrawWindow(form.hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  const double ms = NowMs() - t0;
  if (!FullyPainted(form.hwnd())) Die("the repaint left it unpainted");
  return ms;
}

// Wine makes a window a new surface whenever its size changes; the first
// strokes into its fresh memory cost page faults that a plain repaint does not pay.
double RepaintFresh(win32::Win32Form& form) {
  RECT r;
  GetWindowRect(form.hwnd(), &r);
  constexpr UINT kQuiet =
      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE;
  SetWindowPos(form.hwnd(), nullptr, 0, 0, r.right - r.left - 64, r.bottom - r.top, kQuiet);
  SetWindowPos(form.hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top, kQuiet);
  return Repaint(form);
}

double Click(win32::Win32Form& form) {
  const auto of = [&](MainId id) { return form.ControlWindow(static_cast<int>(id)); };
  const double t0 = NowMs();
  SendMessageW(of(MainId::QuestionButton3), BM_CLICK, 0, 0);
  UpdateWindow(form.hwnd());
  GdiFlush();
  const double ms = NowMs() - t0;
  if (!Visible(of(MainId::GroupPanel)) || !FullyPainted(form.hwnd())) Die("question 3 not painted");
  // "重新选题" brings the board back for the next sample.
  SendMessageW(of(MainId::CancelQuestionLink), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(of(MainId::CancelQuestionLink), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  UpdateWindow(form.hwnd());
  Pump(20);
  return ms;
}

int Run(int samples) {
  win32::Win32Host host;
  const app::ProgramPaths paths = app::StartProcess(host);
  if (!host.PathExists(paths.directory + "\\wtda.ini")) Die("no wtda.ini beside the exe");
  // As lornel.exe builds it, with the creation-complete timed in between.
  struct MainWindow {
    MainWindow(platform::Host& host, const app::ProgramPaths& paths)
        : timed(events),
          form(quiz::MainTable(), timed),
          shell{host, paths, Context{MainForm(form), host}, {}, {}} {}
    TimedEvents timed;
    win32::Win32Form form;
    app::Shell shell;
    app::MainEvents events{shell};
  } window(host, paths);
  TimedEvents& timed = window.timed;
  win32::Win32Form& form = window.form;
  window.shell.openNoticeModally = [] { Die("another copy is running"); };
  if (!form.Create()) Die("the main window was not created");
  const double showPaint = NowMs() - timed.createdDone;
  Pump(200);
  SendMessageW(form.ControlWindow(static_cast<int>(MainId::StartButton)), BM_CLICK, 0, 0);
  UpdateWindow(form.hwnd());
  Pump(200);

  const double firstOn = Switch(form, true);
  const int scale = form.scale().permille();
  Switch(form, false);
  std::vector<double> on, onWork, off, repaint, fresh, windowed, full;
  for (int i = 0; i < samples; ++i) {
    Pump(20);
    double work = 0;
    on.push_back(Switch(form, true, &work));
    onWork.push_back(work);
    Pump(20);
    repaint.push_back(Repaint(form));
    Pump(20);
    off.push_back(Switch(form, false));
  }
  Switch(form, true);
  for (int i = 0; i < samples; ++i) {
    Pump(20);
    fresh.push_back(RepaintFresh(form));
  }
  Switch(form, false);
  for (int i = 0; i < samples; ++i) {
    const bool fullFirst = i % 4 == 1 || i % 4 == 2;
    for (int k = 0; k < 2; ++k) {
      const bool isFull = (k == 0) == fullFirst;
      Switch(form, isFull);
      Pump(50);
      (isFull ? full : windowed).push_back(Click(form));
    }
  }
  std::printf(
      "fullscreen scale=%d show_paint=%.2f switch_on_first=%.2f switch_on=%.2f "
      "switch_off=%.2f ratio_on=%.3f repaint=%.2f ratio_repaint=%.3f ratio_first_repaint=%.3f "
      "switch_on_work=%.2f repaint_fresh=%.2f ratio_fresh=%.3f "
      "click_windowed=%.2f click_full=%.2f ratio_click=%.3f\n",
      scale, showPaint, firstOn, Median(on), Median(off), firstOn / showPaint, Median(repaint),
      Median(on) / Median(repaint), firstOn / Median(repaint), Median(onWork), Median(fresh),
      Median(on) / Median(fresh), Median(windowed), Median(full), Median(full) / Median(windowed));
  std::fflush(stdout);
  Switch(form, false);
  DestroyWindow(form.hwnd());
  return 0;
}

}  // namespace
}  // namespace lornel::bench

int wmain(int argc, wchar_t** argv) {
  int samples = 10;
  for (int i = 1; i < argc; ++i) lornel::bench::TakeNumber(argv[i], L"--samples=", samples);
  return lornel::bench::Run(samples > 0 ? samples : 1);
}
