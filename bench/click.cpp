// bench_click.exe: `按钮3` clicked until the question panel and the group panel
// are painted, in process, on the real main window with the real handlers;
// against a bare window (its own thread, so the skin's thread hook leaves it
// alone) showing and painting one group box of the group panel's size.
// Samples alternate ABBA between the two. Needs wtda.ini beside the exe and a
// desktop wide enough for both windows side by side (see scripts/bench.sh).
// --sounds: instead, a wrong answer's click on "确认答案" (the buzz) with the
// file's sounds on against the same click with them off, ABBA, in one process.
// --lesson: instead, a scoring step ("加 1 分") on the window's thread, with
// the lesson kept as lornel.exe keeps it (written off the thread), against the
// same step keeping no lesson and against writing the file on the thread.
//   bench_click.exe [--samples=20] [--warmup=3] [--out=FILE] [--tag=NAME] [--sounds|--lesson]
// Each sample line carries the tag, so runs of two builds can share one file.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/notice.h"
#include "bench/main_window.h"
#include "bench/measure.h"
#include "config/config.h"
#include "platform/win32/file_keeper.h"
#include "platform/win32/host.h"
#include "platform/win32/sound_player.h"
#include "quiz/countdown_control.h"
#include "quiz/lesson.h"
#include "quiz/main_ids.h"
#include "quiz/play.h"
#include "quiz/round/countdown.h"
#include "quiz/round/lesson_file.h"
#include "quiz/score_menu.h"

namespace lornel::bench {
namespace {

using quiz::MainId;

std::FILE* g_out = nullptr;
std::string g_tag = "lornel";

void Emit(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
  if (g_out) {
    std::fputs(line.c_str(), g_out);
    std::fflush(g_out);
  }
}

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, a, b, c, d);
  return buffer;
}

[[noreturn]] void Die(const char* why) {
  Emit(std::string("FAILED click: ") + why + "\n");
  ExitProcess(1);
}

// --- the bare window -------------------------------------------------------------

struct Bare {
  HANDLE go = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  double lastMs = 0;
  bool painted = true;
  bool quit = false;
};

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD WINAPI BareThread(void* param) {
  auto* bare = static_cast<Bare*>(param);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = BareProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"LornelBenchBare";
  RegisterClassExW(&wc);
  const ui::Rect panel = quiz::MainTable()[static_cast<int>(MainId::GroupPanel)].rect;
  HWND top = CreateWindowExW(0, wc.lpszClassName, L"Lornel bench bare window",
                             WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 1203, 773, nullptr,
                             nullptr, wc.hInstance, nullptr);
  HWND box =
      CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX, panel.left,
                      panel.top, panel.width, panel.height, top, nullptr, wc.hInstance, nullptr);
  ShowWindow(top, SW_SHOWNOACTIVATE);
  UpdateWindow(top);
  SetEvent(bare->done);
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &bare->go, FALSE, INFINITE, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) {
      if (bare->quit) break;
      const double t0 = NowMs();
      ShowWindow(box, SW_SHOW);
      UpdateWindow(top);
      GdiFlush();
      bare->lastMs = NowMs() - t0;
      bare->painted = IsWindowVisible(box) && FullyPainted(top);
      ShowWindow(box, SW_HIDE);
      UpdateWindow(top);
      Pump(0);
      SetEvent(bare->done);
    } else {
      Pump(0);
    }
  }
  DestroyWindow(top);
  return 0;
}

double BareSample(Bare& bare) {
  SetEvent(bare.go);
  WaitForSingleObject(bare.done, INFINITE);
  if (!bare.painted) Die("the bare group box was not painted");
  return bare.lastMs;
}

// --- the real main window ------------------------------------------------------

// The click's own handler time, beside the total (for the breakdown).
std::vector<double> g_dispatch;

double ClickSample(const Program& p) {
  HWND top = p.form.hwnd();
  const double t0 = NowMs();
  SendMessageW(p.Of(MainId::QuestionButton3), BM_CLICK, 0, 0);
  const double t1 = NowMs();
  UpdateWindow(top);
  GdiFlush();
  const double ms = NowMs() - t0;
  g_dispatch.push_back(t1 - t0);
  if (!Visible(p.Of(MainId::GroupPanel)) || !Visible(p.Of(MainId::QuestionPanel3)))
    Die("question 3 did not open");
  if (!FullyPainted(top)) Die("windows left unpainted after the click");
  // "重新选题" brings the board back for the next sample.
  HWND cancel = p.Of(MainId::CancelQuestionLink);
  SendMessageW(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(cancel, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  UpdateWindow(top);
  Pump(20);
  if (Visible(p.Of(MainId::GroupPanel)) || !Enabled(p.Of(MainId::QuestionButton3)))
    Die("the board did not come back");
  return ms;
}

// A wrong answer checked: the buzz and the shake's start, until painted. The
// shake (four 50 ms steps) is over before the next sample.
double WrongAnswerSample(const Program& p) {
  HWND top = p.form.hwnd();
  SetWindowTextW(p.Of(MainId::AnswerBox), L"wrong");
  const double t0 = NowMs();
  SendMessageW(p.Of(MainId::CheckButton), BM_CLICK, 0, 0);
  const double t1 = NowMs();
  UpdateWindow(top);
  GdiFlush();
  const double ms = NowMs() - t0;
  g_dispatch.push_back(t1 - t0);
  if (p.form.Interval(static_cast<int>(MainId::ShakeTimer)) == 0) Die("the answer was not refused");
  if (!FullyPainted(top)) Die("windows left unpainted after the click");
  if (!WaitUntil([&] { return p.form.Interval(static_cast<int>(MainId::ShakeTimer)) == 0; }, 3000))
    Die("the shake did not end");
  Pump(100);
  return ms;
}

int RunSounds(platform::Host& host, const app::ProgramPaths& paths, int samples, int warmup) {
  if (!config::SoundsOn(config::ReadConfigValue(host, paths.directory + "\\wtda.ini",
                                                config::kSoundSection, config::kSoundKey)))
    Die("the wtda.ini beside bench_click.exe has its sounds off");
  // As lornel.exe does with the file's sounds on; the system menu's switch turns them.
  win32::Win32SoundPlayer player;
  platform::SoundSwitch sounds(player, true);
  MainWindow window(host, paths, sounds);
  Start(window, Die);
  const Program p{window.form};
  SendMessageW(p.Of(MainId::QuestionButton3), BM_CLICK, 0, 0);
  SendMessageW(p.Of(MainId::ConfirmGroupButton), BM_CLICK, 0, 0);
  Pump(100);
  if (!Visible(p.Of(MainId::CheckButton))) Die("question 3 is not open for an answer");
  // The 30-second countdown would end the question under the samples.
  quiz::ToggleCountdownPause(window.shell.ctx);
  quiz::Commit(window.shell.ctx);
  if (!quiz::round::CountdownPaused(window.shell.ctx.round)) Die("the countdown did not pause");

  for (int i = 0; i < warmup; ++i) WrongAnswerSample(p);
  std::vector<double> on, off;
  for (int i = 0; i < 2 * samples; ++i) {
    const bool soundOn = i % 4 == 0 || i % 4 == 3;
    sounds.SetOn(soundOn);
    (soundOn ? on : off).push_back(WrongAnswerSample(p));
    Emit("sample click-sounds tag=" + g_tag +
         Format(" run=%.0f sounds=%.0f ms=%.3f handler_ms=%.3f\n", i, soundOn,
                (soundOn ? on : off).back(), g_dispatch.back()));
  }
  const double onMs = Median(on), offMs = Median(off);
  Emit("click-sounds tag=" + g_tag + " runs=" + std::to_string(samples) +
       Format(" sounds_on=%.3f sounds_off=%.3f ratio=%.3f paired=%.3f unit=ms\n", onMs, offMs,
              offMs > 0 ? onMs / offMs : 0, PairedRatio(on, off)));
  DestroyWindow(window.form.hwnd());
  return 0;
}

int RunLesson(platform::Host& host, const app::ProgramPaths& paths, int samples, int warmup) {
  win32::BackgroundFileKeeper keeper(host);
  MainWindow window(host, paths);
  Start(window, Die);
  Context& ctx = window.shell.ctx;
  const std::string path = ctx.lessonPath;
  if (path.empty()) Die("no local application data folder for the lesson");
  enum Mode { kKept, kNone, kOnThread, kModes };
  const char* names[kModes] = {"kept", "none", "on_thread"};
  std::vector<double> times[kModes], saves[kModes];
  for (int i = 0; i < warmup + kModes * samples; ++i) {
    const int mode = i % kModes;
    ctx.keeper = mode == kKept ? &keeper : nullptr;
    ctx.lessonPath = mode == kNone ? "" : path;
    const double t0 = NowMs();
    quiz::AddPoints(ctx, 1);
    quiz::Commit(ctx);
    const double ms = NowMs() - t0;
    // The save alone, as the step's Commit makes it.
    ctx.round.scores[1] = ctx.round.scores[1] + quiz::Points::Of(1);
    const double s0 = NowMs();
    quiz::SaveLesson(ctx);
    const double saveMs = NowMs() - s0;
    if (i >= warmup) {
      times[mode].push_back(ms);
      saves[mode].push_back(saveMs);
    }
    Pump(5);
  }
  // One more step kept as lornel.exe keeps it: the file must hold it whole.
  ctx.keeper = &keeper;
  ctx.lessonPath = path;
  quiz::AddPoints(ctx, 1);
  quiz::Commit(ctx);
  keeper.Drain();
  const auto saved = host.ReadWholeFile(path);
  const auto lesson = saved ? quiz::ReadLesson(*saved) : std::nullopt;
  if (!lesson || !(lesson->scores[0] == ctx.round.scores[0]))
    Die("the lesson kept is not the last");
  for (int mode = 0; mode < kModes; ++mode) {
    const auto [lo, hi] = std::minmax_element(times[mode].begin(), times[mode].end());
    Emit("lesson-save tag=" + g_tag + " mode=" + names[mode] + " runs=" + std::to_string(samples) +
         Format(" step_median=%.3f step_min=%.3f step_max=%.3f save_median=%.3f",
                Median(times[mode]), *lo, *hi, Median(saves[mode])) +
         Format(" save_max=%.3f unit=ms\n",
                *std::max_element(saves[mode].begin(), saves[mode].end())));
  }
  DestroyWindow(window.form.hwnd());
  return 0;
}

int Run(int samples, int warmup, bool withSounds, bool lesson) {
  win32::Win32Host host;
  win32::SetFatalHandler([](const char* reason) { Die(reason); });
  const app::ProgramPaths paths = app::StartProcess(host);
  if (!host.PathExists(paths.directory + "\\wtda.ini")) Die("no wtda.ini beside bench_click.exe");
  if (withSounds) return RunSounds(host, paths, samples, warmup);
  if (lesson) return RunLesson(host, paths, samples, warmup);

  MainWindow window(host, paths);
  win32::Win32Form& mainForm = window.form;
  Start(window, Die);
  const Program p{mainForm};

  Bare bare;
  HANDLE thread = CreateThread(nullptr, 0, BareThread, &bare, 0, nullptr);
  WaitForSingleObject(bare.done, INFINITE);
  Pump(300);

  for (int i = 0; i < warmup; ++i) {
    ClickSample(p);
    BareSample(bare);
  }
  std::vector<double> program, baseline;
  for (int i = 0; i < samples; ++i) {
    const bool bareFirst = i % 4 == 0 || i % 4 == 3;
    if (bareFirst) baseline.push_back(BareSample(bare));
    program.push_back(ClickSample(p));
    if (!bareFirst) baseline.push_back(BareSample(bare));
    Emit("sample click tag=" + g_tag +
         Format(" run=%.0f lornel_ms=%.3f baseline_ms=%.3f handler_ms=%.3f\n", i, program.back(),
                baseline.back(), g_dispatch.back()));
  }
  const double pm = Median(program), bm = Median(baseline);
  const auto [lo, hi] = std::minmax_element(program.begin(), program.end());
  Emit("click range tag=" + g_tag +
       Format(" lornel_min=%.3f lornel_max=%.3f click_handler_median=%.3f", *lo, *hi,
              Median({g_dispatch.end() - samples, g_dispatch.end()})) +
       " layout_scale=" + std::to_string(mainForm.scale().permille()) + "\n");
  Emit("click-process tag=" + g_tag + " runs=" + std::to_string(samples) +
       Format(" program=%.3f baseline=%.3f ratio=%.3f unit=ms\n", pm, bm, bm > 0 ? pm / bm : 0));

  bare.quit = true;
  SetEvent(bare.go);
  WaitForSingleObject(thread, 5000);
  DestroyWindow(mainForm.hwnd());
  return 0;
}

}  // namespace
}  // namespace lornel::bench

int wmain(int argc, wchar_t** argv) {
  int samples = 20, warmup = 3;
  bool sounds = false, lesson = false;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--sounds") sounds = true;
    if (arg == L"--lesson") lesson = true;
    lornel::bench::TakeNumber(arg, L"--samples=", samples);
    lornel::bench::TakeNumber(arg, L"--warmup=", warmup);
    if (arg.rfind(L"--tag=", 0) == 0) {
      const std::wstring tag = arg.substr(6);
      lornel::bench::g_tag.assign(tag.begin(), tag.end());
    }
    if (arg.rfind(L"--out=", 0) == 0)
      lornel::bench::g_out = _wfopen(lornel::bench::WindowsPath(arg.substr(6)).c_str(), L"a");
  }
  const int code = lornel::bench::Run(std::max(samples, 1), warmup, sounds, lesson);
  if (lornel::bench::g_out) std::fclose(lornel::bench::g_out);
  return code;
}
