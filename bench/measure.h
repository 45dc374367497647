// What the bench drivers share: a clock, medians, scratch directories, child
// processes and the Linux counters behind them (Wine maps / to Z:).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lornel::bench {

double NowMs();
// The middle value; the mean of the two middle ones for an even count; 0 for none.
double Median(std::vector<double> values);

// "/a/b" becomes "Z:\a\b"; a Windows path is returned as it is.
std::wstring WindowsPath(std::wstring path);
std::wstring Join(const std::wstring& dir, const std::wstring& name);
// A new empty directory under the temporary directory.
std::wstring FreshDirectory(const std::wstring& tag);
// Removes the files of dir (hidden ones too) and then dir itself.
void RemoveFlatDirectory(const std::wstring& dir);
std::optional<std::string> ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);

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

// Controls are found by their id: 1000 + row of the control table.
HWND Control(HWND top, int tableId);
std::wstring WindowText(HWND hwnd);
bool Visible(HWND hwnd);
bool Enabled(HWND hwnd);
// Runs this thread's messages, then sleeps.
void Pause(int milliseconds);
template <class Pred>
bool WaitUntil(Pred pred, int timeoutMs) {
  const double end = NowMs() + timeoutMs;
  while (!pred()) {
    if (NowMs() > end) return pred();
    Pause(2);
  }
  return true;
}

}  // namespace lornel::bench
