#include "bench/measure.h"

#include <psapi.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <utility>

namespace lornel::bench {
namespace {

using test::ReadFileBytes;

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

std::wstring FromUtf8(std::string_view s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

bool AllDigits(const wchar_t* s) {
  if (!*s) return false;
  for (; *s; ++s)
    if (*s < L'0' || *s > L'9') return false;
  return true;
}

// The numeric entries of a /proc directory (processes, or the threads of one).
std::vector<int> NumericEntries(const std::wstring& dir) {
  std::vector<int> ids;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(Join(dir, L"*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return ids;
  do {
    if (AllDigits(found.cFileName)) ids.push_back(_wtoi(found.cFileName));
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return ids;
}

std::wstring ProcPath(int pid, const wchar_t* leaf) {
  return L"Z:\\proc\\" + std::to_wstring(pid) + L"\\" + leaf;
}

// NUL-separated fields (cmdline, environ) as one string of lines.
std::vector<std::string> NulFields(const std::string& bytes) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\0') {
      if (i > start) fields.push_back(bytes.substr(start, i - start));
      start = i + 1;
    }
  }
  return fields;
}

struct WindowsOf {
  DWORD pid;
  std::wstring title;  // empty: any
  const wchar_t* cls;  // nullptr: any
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<WindowsOf*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid || (s->visibleOnly && !IsWindowVisible(hwnd))) return TRUE;
  if (!s->title.empty() && WindowText(hwnd) != s->title) return TRUE;
  if (s->cls) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (std::wstring(cls) != s->cls) return TRUE;
  }
  s->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK FindInvalid(HWND hwnd, LPARAM found) {
  if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

double NowMs() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / perMs;
}

void TakeNumber(const std::wstring& arg, const wchar_t* name, int& value) {
  const std::size_t length = std::wcslen(name);
  if (arg.compare(0, length, name) == 0) value = std::max(0, _wtoi(arg.c_str() + length));
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double PairedRatio(const std::vector<double>& program, const std::vector<double>& baseline) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < std::min(program.size(), baseline.size()); ++i)
    if (baseline[i] > 0) ratios.push_back(program[i] / baseline[i]);
  return Median(std::move(ratios));
}

std::wstring WindowsPath(std::wstring wide) {
  if (wide.empty() || wide[0] != L'/') return wide;
  for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
  return L"Z:" + wide;
}

std::optional<double> SchedstatMs(std::string_view schedstat) {
  std::size_t i = 0;
  while (i < schedstat.size() && schedstat[i] == ' ') ++i;
  if (i == schedstat.size() || schedstat[i] < '0' || schedstat[i] > '9') return std::nullopt;
  unsigned long long ns = 0;
  for (; i < schedstat.size() && schedstat[i] >= '0' && schedstat[i] <= '9'; ++i)
    ns = ns * 10 + static_cast<unsigned>(schedstat[i] - '0');
  return static_cast<double>(ns) / 1e6;
}

std::optional<double> StatTicks(std::string_view stat) {
  // The command name may hold spaces and parentheses: fields count from the last ')'.
  const auto close = stat.rfind(')');
  if (close == std::string_view::npos) return std::nullopt;
  std::vector<std::string_view> fields;
  std::size_t i = close + 1;
  while (i < stat.size()) {
    while (i < stat.size() && stat[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < stat.size() && stat[i] != ' ' && stat[i] != '\n') ++i;
    if (i > start) fields.push_back(stat.substr(start, i - start));
    if (i < stat.size() && stat[i] == '\n') break;
  }
  // After ')': state is field 3 of the line, utime 14 and stime 15.
  if (fields.size() < 13) return std::nullopt;
  double sum = 0;
  for (std::size_t f : {11u, 12u}) {
    double v = 0;
    for (char c : fields[f]) {
      if (c < '0' || c > '9') return std::nullopt;
      v = v * 10 + (c - '0');
    }
    sum += v;
  }
  return sum;
}

std::optional<double> UnixCpuMs(int unixPid) {
  if (unixPid <= 0) return std::nullopt;
  const std::wstring taskDir = ProcPath(unixPid, L"task");
  const std::vector<int> threads = NumericEntries(taskDir);
  double sum = 0;
  bool any = false;
  for (int tid : threads) {
    const auto line = ReadFileBytes(Join(Join(taskDir, std::to_wstring(tid)), L"schedstat"));
    if (!line) continue;
    if (const auto ms = SchedstatMs(*line)) {
      sum += *ms;
      any = true;
    }
  }
  if (any) return sum;
  const auto stat = ReadFileBytes(ProcPath(unixPid, L"stat"));
  if (!stat) return std::nullopt;
  const auto ticks = StatTicks(*stat);
  if (!ticks) return std::nullopt;
  return *ticks * 10.0;  // USER_HZ is 100 on Linux
}

int FindUnixPid(const std::wstring& needle) {
  const std::wstring lowered = Lower(needle);
  for (int pid : NumericEntries(L"Z:\\proc")) {
    const auto bytes = ReadFileBytes(ProcPath(pid, L"cmdline"));
    if (!bytes) continue;
    std::wstring line;
    for (const std::string& field : NulFields(*bytes)) line += FromUtf8(field) + L" ";
    if (Lower(line).find(lowered) != std::wstring::npos) return pid;
  }
  return 0;
}

int FindOwnWineserver() {
  wchar_t prefix[MAX_PATH * 2] = {};
  if (!GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH * 2)) return 0;
  const std::wstring wanted = L"WINEPREFIX=" + std::wstring(prefix);
  for (int pid : NumericEntries(L"Z:\\proc")) {
    const auto comm = ReadFileBytes(ProcPath(pid, L"comm"));
    if (!comm || comm->rfind("wineserver", 0) != 0) continue;
    const auto env = ReadFileBytes(ProcPath(pid, L"environ"));
    if (!env) continue;
    for (const std::string& field : NulFields(*env))
      if (FromUtf8(field) == wanted) return pid;
  }
  return 0;
}

// --- Child ----------------------------------------------------------------------

Child Child::Start(const std::wstring& exe, const std::wstring& args, const std::wstring& dir) {
  static int sequence = 0;
  Child c;
  // A marker on the command line finds the child among the Linux processes;
  // neither program reads its command line beyond the baseline's mode word.
  c.needle_ = L"lornel-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++sequence);
  std::wstring command = L"\"" + exe + L"\" " + args + L" " + c.needle_;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                      &si, &c.pi_))
    c.pi_ = {};
  return c;
}

Child::Child(Child&& other) noexcept
    : pi_(std::exchange(other.pi_, {})),
      needle_(std::move(other.needle_)),
      unixPid_(std::exchange(other.unixPid_, 0)) {}

Child& Child::operator=(Child&& other) noexcept {
  std::swap(pi_, other.pi_);
  std::swap(needle_, other.needle_);
  std::swap(unixPid_, other.unixPid_);
  return *this;
}

Child::~Child() {
  if (!pi_.hProcess) return;
  Stop(2000);
  CloseHandle(pi_.hProcess);
  CloseHandle(pi_.hThread);
}

bool Child::WaitIdle(int timeoutMs) {
  return pi_.hProcess && WaitForInputIdle(pi_.hProcess, static_cast<DWORD>(timeoutMs)) == 0;
}

HWND Child::WaitForWindow(const std::wstring& title, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        WindowsOf s{pi_.dwProcessId, title, nullptr, true, {}};
        EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&s));
        found = s.found.empty() ? nullptr : s.found.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::vector<HWND> Child::MessageBoxes() const {
  WindowsOf s{pi_.dwProcessId, L"", L"#32770", true, {}};
  EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::optional<double> Child::CpuMs() {
  if (!unixPid_) unixPid_ = FindUnixPid(needle_);
  return UnixCpuMs(unixPid_);
}

std::size_t Child::PeakWorkingSet() const {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof(pmc);
  if (!pi_.hProcess || !GetProcessMemoryInfo(pi_.hProcess, &pmc, sizeof(pmc))) return 0;
  return pmc.PeakWorkingSetSize;
}

void Child::Stop(int timeoutMs) {
  if (!pi_.hProcess || WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0) return;
  WindowsOf s{pi_.dwProcessId, L"", nullptr, false, {}};
  EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&s));
  for (HWND w : s.found) PostMessageW(w, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
    TerminateProcess(pi_.hProcess, 99);
    WaitForSingleObject(pi_.hProcess, 10000);
  }
}

bool FullyPainted(HWND top) {
  bool invalid = GetUpdateRect(top, nullptr, FALSE) != FALSE;
  if (!invalid) EnumChildWindows(top, FindInvalid, reinterpret_cast<LPARAM>(&invalid));
  return !invalid;
}

}  // namespace lornel::bench
