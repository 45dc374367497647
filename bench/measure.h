// What the bench drivers share: a clock, medians, child processes and the
// Linux counters behind them (Wine maps / to Z:). Files, scratch directories,
// the message loop and the reading of controls come from the Windows test kit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/win32/support/controls.h"
#include "tests/win32/support/files.h"
#include "tests/win32/support/pump.h"

namespace lornel::bench {

using test::Control;
using test::Enabled;
using test::FreshDirectory;
using test::Join;
using test::Pump;
using test::RemoveFlatDirectory;
using test::Visible;
using test::WaitUntil;
using test::WindowText;

// Where the scratch directories go, under the temporary directory.
inline constexpr wchar_t kScratch[] = L"lornel-bench";

double NowMs();
// The middle value; the mean of the two middle ones for an even count; 0 for none.
double Median(std::vector<double> values);
// "--samples=7" read into value (no less than 0) when arg is the option name.
void TakeNumber(const std::wstring& arg, const wchar_t* name, int& value);
// The median of program[i] / baseline[i] over the runs both have: the two
// samples of one run lie side by side in time, so under a load that jumps
// between levels they mostly share one, where the medians of each may not.
double PairedRatio(const std::vector<double>& program, const std::vector<double>& baseline);

// "/a/b" becomes "Z:\a\b"; a Windows path is returned as it is.
std::wstring WindowsPath(std::wstring path);

// The first number of /proc/PID/task/*/schedstat, summed: nanoseconds on a CPU.
// Falls back to utime + stime of /proc/PID/stat (clock ticks of 10 ms).
std::optional<double> UnixCpuMs(int unixPid);
// The Linux process whose command line contains needle (case-insensitive), or 0.
int FindUnixPid(const std::wstring& needle);
// The wineserver of this driver's prefix, or 0 when it cannot be told apart.
int FindOwnWineserver();
// Sums the first field of schedstat lines; utime + stime of a stat line.
std::optional<double> SchedstatMs(std::string_view schedstat);
std::optional<double> StatTicks(std::string_view stat);

class Child {
 public:
  // CreateProcess of exe in dir with the quoted exe and args as command line.
  static Child Start(const std::wstring& exe, const std::wstring& args, const std::wstring& dir);
  Child() = default;
  Child(Child&& other) noexcept;
  Child& operator=(Child&& other) noexcept;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();

  bool started() const { return pi_.hProcess != nullptr; }
  DWORD pid() const { return pi_.dwProcessId; }
  HANDLE process() const { return pi_.hProcess; }
  bool WaitIdle(int timeoutMs);
  // The visible top-level window of the child with this title.
  HWND WaitForWindow(const std::wstring& title, int timeoutMs);
  std::vector<HWND> MessageBoxes() const;
  // Process CPU time so far, user and kernel, from Linux (see UnixCpuMs).
  std::optional<double> CpuMs();
  std::size_t PeakWorkingSet() const;
  // WM_CLOSE to its windows, then TerminateProcess after timeoutMs; waits for the exit.
  void Stop(int timeoutMs = 5000);

 private:
  PROCESS_INFORMATION pi_{};
  std::wstring needle_;
  int unixPid_ = 0;
};

// No window of the tree is left with an update region: everything shown is painted.
bool FullyPainted(HWND top);

}  // namespace lornel::bench
