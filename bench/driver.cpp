// bench_driver.exe: the figures measured from outside the program. Each
// figure alternates the baseline and lornel.exe run by run (ABBA order, so a
// drift of the machine's load weighs on both alike) and prints one RESULT
// line of medians; scripts/bench.sh turns those into the table.
//   --lornel=EXE --baseline=EXE --config=INI [--runs=10] [--cpu-runs=5]
//   [--seconds=30] [--figures=size,startup,first,idle,locked]
//   [--before=EXE]  a second lornel.exe (an older build) measured in the same
//                   runs, for before-and-after figures of a change
//   [--scaled-dpi=144]  lornel.exe once more, started while Wine tells programs
//                   that DPI (each process reads it when it starts): the scaled
//                   window measured in the same runs as the plain one
//   [--same-work=EXE]  the baseline of the figure "startup-same-work": the main
//                   window's controls from the same table, plain
// With more than two programs they rotate instead: run r starts with program r % n.
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/measure.h"
#include "bench/round.h"
#include "config/config.h"
#include "platform/win32/host.h"
#include "platform/win32/text.h"
#include "quiz/main_ids.h"

namespace lornel::bench {
namespace {

constexpr wchar_t kMainTitle[] = L"Lornel V1.1.15.823";
constexpr wchar_t kBaselineTitle[] = L"Lornel bench baseline";
constexpr wchar_t kSameWorkTitle[] = L"Lornel bench same work";
constexpr int kStartTimeoutMs = 60000;

struct Options {
  std::wstring lornel, baseline, config, before, sameWork;
  int runs = 10, cpuRuns = 5, seconds = 30;
  int scaledDpi = 0;
  std::string figures = "size,startup,first,idle,locked";
  bool Wants(const char* figure) const {
    return ("," + figures + ",").find("," + std::string(figure) + ",") != std::string::npos;
  }
};

struct Program {
  std::wstring exe, args, title;
  bool lornel;
  int dpi = 0;  // the DPI Wine tells the process, when not the prefix's own
};

// Wine reads HKCU\Control Panel\Desktop\LogPixels in every process as it starts.
void SetWineDpi(int dpi) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  const DWORD value = static_cast<DWORD>(dpi);
  RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof(value));
  RegCloseKey(key);
}

#ifdef __GNUC__
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif
void Log(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stdout, format, args);
  va_end(args);
  std::fflush(stdout);
}

void Result(const char* key, int runs, const std::vector<double>& program,
            const std::vector<double>& baseline, const char* unit) {
  const double p = Median(program), b = Median(baseline);
  Log("RESULT %s runs=%d program=%.3f baseline=%.3f ratio=%.3f paired=%.3f unit=%s\n", key, runs, p,
      b, b > 0 ? p / b : 0.0, PairedRatio(program, baseline), unit);
}

std::wstring CopyInto(const std::wstring& file, const std::wstring& dir) {
  const std::wstring leaf = file.substr(file.find_last_of(L"\\/") + 1);
  const std::wstring target = Join(dir, leaf);
  CopyFileW(file.c_str(), target.c_str(), FALSE);
  return target;
}

// Started and idle with its window shown; for lornel.exe the start cover too.
bool CameUp(Child& c, const Program& p, HWND* topOut = nullptr) {
  HWND top = c.WaitForWindow(p.title, 5000);
  if (topOut) *topOut = top;
  if (!top) return false;
  return !p.lornel || Visible(Control(top, static_cast<int>(quiz::MainId::StartCover)));
}

// One start: CreateProcess until WaitForInputIdle, in milliseconds; < 0 on failure.
double TimedStart(const Program& p, const std::wstring& dir, Child* out) {
  const std::wstring exe = Join(dir, p.exe.substr(p.exe.find_last_of(L"\\/") + 1));
  if (p.dpi) SetWineDpi(p.dpi);
  const double t0 = NowMs();
  Child c = Child::Start(exe, p.args, dir);
  const bool idle = c.WaitIdle(kStartTimeoutMs);
  const double elapsed = NowMs() - t0;
  if (p.dpi) SetWineDpi(96);
  const char* why = !c.started()    ? "not started"
                    : !idle         ? "not idle in time"
                    : !CameUp(c, p) ? "no window with its start cover"
                                    : nullptr;
  if (why) {
    DWORD code = 0;
    GetExitCodeProcess(c.process(), &code);
    Log("start of %ls: %s (exit code %lu)\n", exe.c_str(), why, code);
    for (HWND box : c.MessageBoxes()) Log("  a message box: %ls\n", WindowText(box).c_str());
    return -1;
  }
  *out = std::move(c);
  return elapsed;
}

// Two programs alternate ABBA (run i measures the baseline first when i % 4
// is 0 or 3), so a drift of the machine's load weighs on both alike; more
// programs rotate. one(which, run): which 0 is the baseline.
void Interleave(int runs, int programs, const std::function<void(int which, int run)>& one) {
  for (int run = 0; run < runs; ++run) {
    for (int k = 0; k < programs; ++k) {
      int which = (run + k) % programs;
      if (programs == 2) which = (run % 4 == 0 || run % 4 == 3) ? k : 1 - k;
      one(which, run);
    }
  }
}

// The programs of one figure: the baseline first, then lornel.exe, then the older build.
struct Variant {
  const char* name;  // in the output
  const char* key;   // appended to the figure's key: "" or "@before"
  Program program;
  std::wstring dir;
};

void Results(const char* key, int runs, const std::vector<Variant>& variants,
             const std::vector<std::vector<double>>& values, const char* unit) {
  for (std::size_t i = 1; i < variants.size(); ++i)
    Result((std::string(key) + variants[i].key).c_str(), runs, values[i], values[0], unit);
}

bool Fail(const char* what) {
  Log("FAILED %s\n", what);
  return false;
}

// --- figures ---------------------------------------------------------------------

unsigned long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.nFileSizeLow;
}

void Size(const Options& o) {
  Log("RESULT size runs=1 program=%lu baseline=0 ratio=0 unit=bytes\n", FileSize(o.lornel));
  if (!o.before.empty())
    Log("RESULT size@before runs=1 program=%lu baseline=0 ratio=0 unit=bytes\n",
        FileSize(o.before));
}

// key is the start-up figure's; its memory figure swaps "startup" for "memory".
bool StartupAndMemory(const Options& o, const std::string& key,
                      const std::vector<Variant>& variants) {
  const std::size_t n = variants.size();
  std::vector<std::vector<double>> times(n), peaks(n);
  bool ok = true;
  Interleave(o.runs, static_cast<int>(n), [&](int which, int run) {
    if (!ok) return;
    const Variant& v = variants[static_cast<std::size_t>(which)];
    Child c;
    const double ms = TimedStart(v.program, v.dir, &c);
    if (ms < 0) {
      ok = Fail("start-up");
      return;
    }
    Pump(500);
    const double peak = static_cast<double>(c.PeakWorkingSet()) / 1024.0;
    c.Stop();
    times[static_cast<std::size_t>(which)].push_back(ms);
    peaks[static_cast<std::size_t>(which)].push_back(peak);
    Log("sample %s run=%d %s ms=%.1f peak_kib=%.0f\n", key.c_str(), run, v.name, ms, peak);
  });
  if (!ok) return false;
  Results(key.c_str(), o.runs, variants, times, "ms");
  Results(("memory" + key.substr(std::string("startup").size())).c_str(), o.runs, variants, peaks,
          "KiB");
  return true;
}

bool FirstStartup(const Options& o, const std::vector<Variant>& variants) {
  const std::size_t n = variants.size();
  std::vector<std::vector<double>> times(n);
  bool ok = true;
  Interleave(o.runs, static_cast<int>(n), [&](int which, int run) {
    if (!ok) return;
    const Variant& v = variants[static_cast<std::size_t>(which)];
    const std::wstring dir = FreshDirectory(kScratch, L"first");
    CopyInto(v.program.exe, dir);
    Child c;
    const double ms = TimedStart(v.program, dir, &c);
    // Wine may add the archive bit to a file that is set hidden only.
    const DWORD attributes = GetFileAttributesW(Join(dir, L"SkinH_EL.dll").c_str());
    const bool wrote =
        !v.program.lornel || (attributes != INVALID_FILE_ATTRIBUTES &&
                              (attributes & ~FILE_ATTRIBUTE_ARCHIVE) == FILE_ATTRIBUTE_HIDDEN);
    c.Stop();
    RemoveFlatDirectory(dir);
    if (ms < 0 || !wrote) {
      ok = Fail(ms < 0 ? "first start-up" : "first start-up wrote no hidden SkinH_EL.dll");
      return;
    }
    times[static_cast<std::size_t>(which)].push_back(ms);
    Log("sample first run=%d %s ms=%.1f\n", run, v.name, ms);
  });
  if (!ok) return false;
  Results("first", o.runs, variants, times, "ms");
  return true;
}

struct CpuWindow {
  double processMs = 0, serverMs = -1, peakKib = 0;
};

// Process CPU time over the window, scaled to exactly o.seconds; the
// wineserver's time over the same window beside it when it can be found.
bool MeasureCpu(const Options& o, Child& c, int wineserver, CpuWindow* out) {
  Pump(1000);  // let start-up or the round settle
  const auto c0 = c.CpuMs();
  const auto s0 = UnixCpuMs(wineserver);
  const double t0 = NowMs();
  Sleep(static_cast<DWORD>(o.seconds) * 1000);
  const auto c1 = c.CpuMs();
  const auto s1 = UnixCpuMs(wineserver);
  const double scale = o.seconds * 1000.0 / (NowMs() - t0);
  if (!c0 || !c1) return false;
  out->processMs = (*c1 - *c0) * scale;
  if (s0 && s1) out->serverMs = (*s1 - *s0) * scale;
  out->peakKib = static_cast<double>(c.PeakWorkingSet()) / 1024.0;
  return true;
}

bool Cpu(const Options& o, const char* key, const std::vector<Variant>& variants,
         const std::function<bool(Child&, HWND)>& prepare) {
  const int wineserver = FindOwnWineserver();
  const std::size_t n = variants.size();
  std::vector<std::vector<double>> cpu(n), server(n), peak(n);
  bool ok = true;
  Interleave(o.cpuRuns, static_cast<int>(n), [&](int which, int run) {
    if (!ok) return;
    const Variant& v = variants[static_cast<std::size_t>(which)];
    const Program& p = v.program;
    if (p.dpi) SetWineDpi(p.dpi);
    Child c =
        Child::Start(Join(v.dir, p.exe.substr(p.exe.find_last_of(L"\\/") + 1)), p.args, v.dir);
    if (p.dpi) {
      c.WaitIdle(kStartTimeoutMs);
      SetWineDpi(96);
    }
    HWND top = nullptr;
    if (!c.WaitIdle(kStartTimeoutMs) || !CameUp(c, p, &top)) {
      ok = Fail("start for the CPU figure");
      return;
    }
    if (p.lornel && prepare && !prepare(c, top)) {
      ok = Fail("preparing lornel.exe for the CPU figure");
      return;
    }
    CpuWindow w;
    if (!MeasureCpu(o, c, wineserver, &w)) {
      ok = Fail("reading the CPU time of the child from /proc");
      return;
    }
    c.Stop();
    const auto i = static_cast<std::size_t>(which);
    cpu[i].push_back(w.processMs);
    if (w.serverMs >= 0) server[i].push_back(w.serverMs);
    peak[i].push_back(w.peakKib);
    Log("sample %s run=%d %s cpu_ms=%.1f wineserver_ms=%.1f peak_kib=%.0f\n", key, run, v.name,
        w.processMs, w.serverMs, w.peakKib);
  });
  if (!ok) return false;
  Results(key, o.cpuRuns, variants, cpu, "ms");
  bool allServer = true;
  for (std::size_t i = 0; i < n; ++i) allServer = allServer && server[i].size() == cpu[i].size();
  if (allServer)
    Results((std::string(key) + "-wineserver").c_str(), o.cpuRuns, variants, server, "ms");
  Results((std::string(key) + "-memory").c_str(), o.cpuRuns, variants, peak, "KiB");
  return true;
}

std::vector<std::wstring> Answers(const std::wstring& iniPath) {
  win32::Win32Host host;
  const std::string path = win32::Gbk(iniPath);
  std::vector<std::wstring> answers;
  for (int n = 1; n <= config::kQuestionCount; ++n)
    answers.push_back(win32::Wide(
        config::ReadConfigValue(host, path, config::kAnswerSection, config::QuestionAnswerKey(n))));
  return answers;
}

int Run(const Options& o) {
  if (o.lornel.empty() || o.baseline.empty() || o.config.empty()) {
    Log("usage: bench_driver.exe --lornel=EXE --baseline=EXE --config=INI [--runs=N] "
        "[--cpu-runs=N] [--seconds=S] [--figures=size,startup,startup-same-work,first,idle,locked] "
        "[--before=EXE] [--same-work=EXE]\n");
    return 2;
  }
  const Program lornel{o.lornel, L"", kMainTitle, true};
  const Program plain{o.baseline, L"", kBaselineTitle, false};
  const Program idleTimer{o.baseline, L"idle-timer", kBaselineTitle, false};
  const Program fifteen{o.baseline, L"fifteen-timers", kBaselineTitle, false};
  const Program sameWork{o.sameWork, L"", kSameWorkTitle, false};

  // The start-up and CPU figures run where the skin library file already lies.
  std::vector<std::wstring> dirs;
  auto prepared = [&](const Program& p, const wchar_t* tag) {
    const std::wstring dir = FreshDirectory(kScratch, tag);
    CopyInto(p.exe, dir);
    if (p.lornel) CopyInto(o.config, dir);
    Child warm;
    if (TimedStart(p, dir, &warm) < 0) return std::wstring();
    warm.Stop();
    dirs.push_back(dir);
    return dir;
  };
  const std::wstring baselineDir = prepared(plain, L"baseline");
  const std::wstring lornelDir = prepared(lornel, L"lornel");
  if (baselineDir.empty() || lornelDir.empty()) return Fail("first start of the programs"), 1;
  if (GetFileAttributesW(Join(lornelDir, L"SkinH_EL.dll").c_str()) == INVALID_FILE_ATTRIBUTES)
    return Fail("lornel.exe wrote no SkinH_EL.dll"), 1;
  const Program before{o.before, L"", kMainTitle, true};
  const std::wstring beforeDir = o.before.empty() ? L"" : prepared(before, L"before");
  if (!o.before.empty() && beforeDir.empty()) return Fail("first start of the older build"), 1;
  Program scaled = lornel;
  scaled.dpi = o.scaledDpi;
  const std::string scaledKey = "@dpi" + std::to_string(o.scaledDpi);
  const bool wantsSameWork = o.Wants("startup-same-work") && !o.sameWork.empty();
  const std::wstring sameWorkDir = wantsSameWork ? prepared(sameWork, L"same-work") : L"";
  if (wantsSameWork && sameWorkDir.empty()) return Fail("first start of the same-work program"), 1;
  auto variants = [&](const Program& baseline, const std::wstring& dir) {
    std::vector<Variant> v{{"baseline", "", baseline, dir}, {"lornel", "", lornel, lornelDir}};
    if (!o.before.empty()) v.push_back({"before", "@before", before, beforeDir});
    if (o.scaledDpi) v.push_back({"scaled", scaledKey.c_str(), scaled, lornelDir});
    return v;
  };
  const std::wstring ini = Join(lornelDir, L"wtda.ini");

  bool ok = true;
  if (o.Wants("size")) Size(o);
  if (ok && o.Wants("startup")) ok = StartupAndMemory(o, "startup", variants(plain, baselineDir));
  if (ok && o.Wants("startup-same-work"))
    ok = wantsSameWork ? StartupAndMemory(o, "startup-same-work", variants(sameWork, sameWorkDir))
                       : Fail("startup-same-work without --same-work");
  if (ok && o.Wants("first")) ok = FirstStartup(o, variants(plain, baselineDir));
  if (ok && o.Wants("idle")) ok = Cpu(o, "idle", variants(idleTimer, baselineDir), {});
  if (ok && o.Wants("locked")) {
    const std::vector<std::wstring> answers = Answers(ini);
    ok = Cpu(o, "locked", variants(fifteen, baselineDir), [&](Child& c, HWND top) {
      std::wstring why;
      const double t0 = NowMs();
      const bool played = PlayAllQuestions(c, top, answers, &why);
      if (!played)
        Log("FAILED round at: %s\n", win32::Gbk(why).c_str());
      else
        Log("round of fourteen questions played in %.0f ms\n", NowMs() - t0);
      return played;
    });
  }
  for (const std::wstring& dir : dirs) RemoveFlatDirectory(dir);
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace lornel::bench

int wmain(int argc, wchar_t** argv) {
  lornel::bench::Options o;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    const auto eq = arg.find(L'=');
    if (eq == std::wstring::npos) continue;
    const std::wstring key = arg.substr(0, eq), value = arg.substr(eq + 1);
    if (key == L"--lornel")
      o.lornel = lornel::bench::WindowsPath(value);
    else if (key == L"--baseline")
      o.baseline = lornel::bench::WindowsPath(value);
    else if (key == L"--config")
      o.config = lornel::bench::WindowsPath(value);
    else if (key == L"--same-work")
      o.sameWork = lornel::bench::WindowsPath(value);
    else if (key == L"--before")
      o.before = lornel::bench::WindowsPath(value);
    else if (key == L"--runs")
      o.runs = std::max(1, _wtoi(value.c_str()));
    else if (key == L"--cpu-runs")
      o.cpuRuns = std::max(1, _wtoi(value.c_str()));
    else if (key == L"--seconds")
      o.seconds = std::max(1, _wtoi(value.c_str()));
    else if (key == L"--scaled-dpi")
      o.scaledDpi = std::max(0, _wtoi(value.c_str()));
    else if (key == L"--figures")
      o.figures = std::string(value.begin(), value.end());
  }
  return lornel::bench::Run(o);
}
