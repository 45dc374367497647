// bench_choice.exe: a choice question opened until its options are painted,
// against a typed question opened until painted, in process on the real main
// window with the real handlers, samples alternating ABBA. Both start from the
// keyboard on screen; the typed question opened after the choice one (the
// keyboard shown again) is measured too. One opening: the question button
// until painted, then "确定" until painted. Needs the sample wtda.ini beside
// the exe (bench/choice.sh).
//   bench_choice.exe [--samples=15] [--warmup=2] [--typed=3] [--choice=9]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/main_window.h"
#include "bench/measure.h"
#include "config/question_kinds.h"
#include "config/quiz_file.h"
#include "platform/win32/host.h"

namespace lornel::bench {
namespace {

using quiz::MainId;

void Emit(const char* format, double a = 0, double b = 0, double c = 0, double d = 0,
          double e = 0) {
  std::printf(format, a, b, c, d, e);
  std::fflush(stdout);
}

[[noreturn]] void Die(const char* why) {
  std::printf("FAILED choice: %s\n", why);
  std::fflush(stdout);
  ExitProcess(1);
}

// This process's time on a CPU as Linux counts it (schedstat: nanoseconds;
// Wine's own thread times move in 10 ms steps), or the thread's as Wine
// counts it where the Linux process cannot be found. Under other builds'
// load the wall clock mostly measures the wait for a core.
int g_unixPid = 0;
double CpuMs() {
  if (g_unixPid)
    if (const auto ms = UnixCpuMs(g_unixPid)) return *ms;
  FILETIME created, ended, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
  const auto ms = [](const FILETIME& t) {
    return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

// Each click of an opening to painted, and the CPU both took.
struct Sample {
  double open, confirm, cpu;
  double openHandler;  // of open: the click's own handling, before the paint
  double whole() const { return open + confirm; }
};

double ClickToPainted(const Program& p, MainId id, double* handler = nullptr) {
  const double t0 = NowMs();
  p.Click(id);
  if (handler) *handler = NowMs() - t0;
  UpdateWindow(p.form.hwnd());
  GdiFlush();
  return NowMs() - t0;
}

// The question button and "确定", each until painted, as a teacher's two clicks
// are; then "重新选组" and "重新选题" bring the board back (the answer panel
// keeps what the question put there).
Sample Open(const Program& p, const quiz::Question& q, bool options) {
  HWND top = p.form.hwnd();
  const double cpu0 = CpuMs();
  Sample s{};
  s.open = ClickToPainted(p, q.button, &s.openHandler);
  if (!FullyPainted(top)) Die("windows left unpainted after the question button");
  s.confirm = ClickToPainted(p, MainId::ConfirmGroupButton);
  s.cpu = CpuMs() - cpu0;
  if (!Visible(p.Of(q.panel)) || Visible(p.Of(MainId::GroupPanel)))
    Die("the question did not open");
  if (Visible(p.Of(MainId::OptionFourA)) != options || Visible(p.Of(MainId::KeyQ)) == options)
    Die(options ? "the options are not shown" : "the keyboard is not shown");
  if (!FullyPainted(top)) Die("windows left unpainted after the opening");
  BackToTheBoard(p);
  if (Visible(p.Of(q.panel)) || !Enabled(p.Of(q.button))) Die("the board did not come back");
  return s;
}

int Run(int samples, int warmup, int typedN, int choiceN) {
  win32::Win32Host host;
  win32::SetFatalHandler([](const char* reason) { Die(reason); });
  const app::ProgramPaths paths = app::StartProcess(host);
  // Linux's own name for this process: the first field of /proc/self/stat.
  if (const auto stat = test::ReadFileBytes(L"Z:\\proc\\self\\stat"))
    g_unixPid = std::atoi(stat->c_str());
  const std::string config = paths.directory + "\\wtda.ini";
  if (!host.PathExists(config)) Die("no wtda.ini beside bench_choice.exe");
  const quiz::Question* typed = quiz::FindQuestion(typedN);
  const quiz::Question* choice = quiz::FindQuestion(choiceN);
  const config::QuizFile quiz = config::ReadQuizFile(host, config);
  if (!typed || !choice ||
      config::AskedQuestionOf(quiz, typedN).kind != config::QuestionKind::Typed ||
      config::AskedQuestionOf(quiz, choiceN).options.size() != 4)
    Die("--typed= must name a typed question and --choice= one of four options");

  MainWindow window(host, paths);
  Start(window, Die);
  const Program p{window.form};
  Pump(300);

  // A choice opening, then the typed one that brings the keyboard back.
  std::vector<Sample> typedS, choiceS, afterS;
  const auto pair = [&](bool keep) {
    const Sample c = Open(p, *choice, true), a = Open(p, *typed, false);
    if (keep) choiceS.push_back(c), afterS.push_back(a);
  };
  for (int i = 0; i < warmup; ++i) {
    pair(false);
    Open(p, *typed, false);
  }
  for (int i = 0; i < samples; ++i) {
    const bool typedFirst = i % 4 == 0 || i % 4 == 3;
    if (typedFirst) typedS.push_back(Open(p, *typed, false));
    pair(true);
    if (!typedFirst) typedS.push_back(Open(p, *typed, false));
    Emit("sample choice run=%.0f choice_ms=%.3f typed_ms=%.3f typed_after_choice_ms=%.3f\n", i,
         choiceS.back().whole(), typedS.back().whole(), afterS.back().whole());
  }
  const auto of = [](const std::vector<Sample>& v, auto part) {
    std::vector<double> values;
    for (const Sample& s : v) values.push_back(part(s));
    return values;
  };
  const auto whole = [](const Sample& s) { return s.whole(); };
  const auto open = [](const Sample& s) { return s.open; };
  const auto confirm = [](const Sample& s) { return s.confirm; };
  const auto cpu = [](const Sample& s) { return s.cpu; };
  const auto handler = [](const Sample& s) { return s.openHandler; };
  const auto line = [&](const char* figure, auto part) {
    const double c = Median(of(choiceS, part)), t = Median(of(typedS, part));
    Emit(figure, samples);
    Emit(" choice=%.3f typed=%.3f ratio=%.3f paired=%.3f", c, t, t > 0 ? c / t : 0,
         PairedRatio(of(choiceS, part), of(typedS, part)));
    Emit(" typed_after_choice=%.3f unit=ms\n", Median(of(afterS, part)));
  };
  line("choice-open runs=%.0f", whole);
  line("choice-open-button runs=%.0f", open);
  line("choice-open-button-handler runs=%.0f", handler);
  line("choice-open-confirm runs=%.0f", confirm);
  line(g_unixPid ? "choice-open-cpu clock=schedstat runs=%.0f"
                 : "choice-open-cpu clock=thread runs=%.0f",
       cpu);
  DestroyWindow(window.form.hwnd());
  return 0;
}

}  // namespace
}  // namespace lornel::bench

int wmain(int argc, wchar_t** argv) {
  int samples = 15, warmup = 2, typed = 3, choice = 9;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    lornel::bench::TakeNumber(arg, L"--samples=", samples);
    lornel::bench::TakeNumber(arg, L"--warmup=", warmup);
    lornel::bench::TakeNumber(arg, L"--typed=", typed);
    lornel::bench::TakeNumber(arg, L"--choice=", choice);
  }
  return lornel::bench::Run(std::max(samples, 1), warmup, typed, choice);
}
