// bench_picture.exe: a question with a picture opened until it is painted,
// against a question without one, in process on the real main window with the
// real handlers, samples alternating ABBA; then the memory after every
// pictured question has been opened ten times against after the first round.
// One opening: the question button, the third group, "确定", painted.
// Needs wtda.ini beside the exe (bench/picture.sh writes it and the photo).
//   bench_picture.exe [--samples=15] [--warmup=2] [--photo=3] [--plain=4] [--rounds=10]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/main_window.h"
#include "bench/measure.h"
#include "config/config.h"
#include "platform/win32/host.h"

namespace lornel::bench {
namespace {

using quiz::MainId;

void Emit(const char* format, double a = 0, double b = 0, double c = 0, double d = 0) {
  std::printf(format, a, b, c, d);
  std::fflush(stdout);
}

[[noreturn]] void Die(const char* why) {
  std::printf("FAILED picture: %s\n", why);
  std::fflush(stdout);
  ExitProcess(1);
}

std::vector<double> g_handlerMs;  // of the question button's click, per opening
std::vector<double> g_cpuMs;      // the UI thread's CPU time of the whole opening

// User and kernel time of this thread: under other builds' load the wall
// clock mostly measures the wait for a core.
double ThreadCpuMs() {
  FILETIME created, ended, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
  const auto ms = [](const FILETIME& t) {
    return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

double OpenSample(const Program& p, const quiz::Question& q, bool pictured) {
  HWND top = p.form.hwnd();
  const double t0 = NowMs(), cpu0 = ThreadCpuMs();
  p.Click(q.button);
  g_handlerMs.push_back(NowMs() - t0);  // the picture is decoded here, and scaled at the paint
  p.Click(MainId::GroupRadio3);
  p.Click(MainId::ConfirmGroupButton);
  UpdateWindow(top);
  GdiFlush();
  const double ms = NowMs() - t0;
  g_cpuMs.push_back(ThreadCpuMs() - cpu0);
  if (!Visible(p.Of(q.panel)) || Visible(p.Of(MainId::GroupPanel)))
    Die("the question did not open");
  if (!FullyPainted(top)) Die("windows left unpainted after the opening");
  if ((p.form.PictureSize(static_cast<int>(q.label)).width > 0) != pictured)
    Die(pictured ? "the picture was not shown" : "a picture where none was expected");
  BackToTheBoard(p);
  if (Visible(p.Of(q.panel)) || !Enabled(p.Of(q.button))) Die("the board did not come back");
  return ms;
}

struct Memory {
  double privateMb, workingSetMb;
};
// Wine leaves PrivateUsage 0; its PagefileUsage is the committed private memory.
Memory MemoryNow() {
  PROCESS_MEMORY_COUNTERS_EX m{};
  m.cb = sizeof(m);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m),
                       sizeof(m));
  const SIZE_T own = m.PrivateUsage ? m.PrivateUsage : m.PagefileUsage;
  return {own / 1048576.0, m.WorkingSetSize / 1048576.0};
}

int Run(int samples, int warmup, int photo, int plain, int rounds) {
  win32::Win32Host host;
  win32::SetFatalHandler([](const char* reason) { Die(reason); });
  const app::ProgramPaths paths = app::StartProcess(host);
  const std::string config = paths.directory + "\\wtda.ini";
  if (!host.PathExists(config)) Die("no wtda.ini beside bench_picture.exe");
  std::vector<const quiz::Question*> pictured;
  for (const quiz::Question& q : quiz::kQuestions)
    if (!config::ReadConfigValue(host, config, config::kPictureSection,
                                 config::QuestionPictureKey(q.n))
             .empty())
      pictured.push_back(&q);
  const quiz::Question* withPhoto = quiz::FindQuestion(photo);
  const quiz::Question* without = quiz::FindQuestion(plain);
  if (!withPhoto || !without ||
      std::find(pictured.begin(), pictured.end(), withPhoto) == pictured.end() ||
      std::find(pictured.begin(), pictured.end(), without) != pictured.end())
    Die("--photo= must name a question with a picture and --plain= one without");

  MainWindow window(host, paths);
  Start(window, Die);
  const Program p{window.form};
  Pump(300);

  for (int i = 0; i < warmup; ++i) {
    OpenSample(p, *withPhoto, true);
    OpenSample(p, *without, false);
  }
  std::vector<double> photoMs, plainMs, photoCpu, plainCpu;
  for (int i = 0; i < samples; ++i) {
    const bool plainFirst = i % 4 == 0 || i % 4 == 3;
    if (plainFirst) plainMs.push_back(OpenSample(p, *without, false));
    photoMs.push_back(OpenSample(p, *withPhoto, true));
    if (!plainFirst) plainMs.push_back(OpenSample(p, *without, false));
    const std::size_t n = g_handlerMs.size();
    photoCpu.push_back(g_cpuMs[plainFirst ? n - 1 : n - 2]);
    plainCpu.push_back(g_cpuMs[plainFirst ? n - 2 : n - 1]);
    Emit("sample picture run=%.0f photo_ms=%.3f plain_ms=%.3f", i, photoMs.back(), plainMs.back());
    // The photo's opening is the one of the pair that was second or first.
    Emit(" photo_button_ms=%.3f\n", g_handlerMs[plainFirst ? n - 1 : n - 2]);
  }
  const double pm = Median(photoMs), bm = Median(plainMs);
  Emit("picture-open runs=%.0f photo=%.3f plain=%.3f difference=%.3f unit=ms\n", samples, pm, bm,
       pm - bm);
  const double pc = Median(photoCpu), bc = Median(plainCpu);
  Emit("picture-open-cpu runs=%.0f photo=%.3f plain=%.3f difference=%.3f unit=ms\n", samples, pc,
       bc, pc - bc);

  Memory first{}, last{};
  for (int round = 1; round <= rounds; ++round) {
    for (const quiz::Question* q : pictured) OpenSample(p, *q, true);
    Pump(50);
    (round == 1 ? first : last) = MemoryNow();
  }
  Emit("picture-memory questions=%.0f rounds=%.0f", double(pictured.size()), rounds);
  Emit(" private_first=%.1f private_last=%.1f ws_first=%.1f ws_last=%.1f unit=MB\n",
       first.privateMb, last.privateMb, first.workingSetMb, last.workingSetMb);
  DestroyWindow(window.form.hwnd());
  return 0;
}

}  // namespace
}  // namespace lornel::bench

int wmain(int argc, wchar_t** argv) {
  int samples = 15, warmup = 2, photo = 3, plain = 4, rounds = 10;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    lornel::bench::TakeNumber(arg, L"--samples=", samples);
    lornel::bench::TakeNumber(arg, L"--warmup=", warmup);
    lornel::bench::TakeNumber(arg, L"--photo=", photo);
    lornel::bench::TakeNumber(arg, L"--plain=", plain);
    lornel::bench::TakeNumber(arg, L"--rounds=", rounds);
  }
  return lornel::bench::Run(std::max(samples, 1), warmup, photo, plain, std::max(rounds, 2));
}
