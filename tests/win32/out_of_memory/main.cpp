// Memory running out, in a program of its own whose operator new fails on
// request as lornel.exe's does when malloc fails: the fatal report must reach
// the message box and end the process with -1 without asking for memory again
// (a request would come back here and report anew). Exit code 0: it did.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <new>

#include "common/fatal.h"
#include "platform/win32/host.h"

namespace {

bool g_failing = false;
int g_requestsWhileFailing = 0;
wchar_t g_shownTitle[64], g_shownText[256];

class Host : public lornel::win32::Win32Host {
 public:
  [[noreturn]] void ExitProcess(int code) override {
    const wchar_t* expected = L"运行时出错!\r\n\r\n错误信息：分配 1234 字节内存失败!\r\n";
    const bool ok = code == -1 && g_requestsWhileFailing == 1 &&
                    std::wcscmp(g_shownTitle, L"错误") == 0 &&
                    std::wcscmp(g_shownText, expected) == 0;
    if (!ok)
      std::fprintf(stderr, "exit %d, %d requests for memory, box %s the expected text\n", code,
                   g_requestsWhileFailing, std::wcscmp(g_shownText, expected) ? "without" : "with");
    ::ExitProcess(ok ? 0 : 1);
  }
};

Host& TheHost() {
  static Host host;
  return host;
}

// Reads the box once it has its texts, and answers it.
LRESULT CALLBACK ReadAndClose(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG) {
    GetWindowTextW(call->hwnd, g_shownTitle, 64);
    GetDlgItemTextW(call->hwnd, 0xFFFF, g_shownText, 256);
    PostMessageW(call->hwnd, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// As lornel.exe's, with a malloc that fails from the moment it is told to
// (the library's operator delete frees what malloc gave).
void* operator new(std::size_t bytes) {
  void* p = g_failing ? nullptr : std::malloc(bytes ? bytes : 1);
  if (g_failing) ++g_requestsWhileFailing;
  if (p) return p;
  lornel::common::FatalReport(TheHost(), lornel::common::OutOfMemoryReason(bytes));
}

int main() {
  TheHost();
  SetWindowsHookExW(WH_CALLWNDPROCRET, ReadAndClose, nullptr, GetCurrentThreadId());
  g_failing = true;
  static void* volatile kept = ::operator new(1234);
  std::fprintf(stderr, "operator new returned %p\n", kept);
  return 1;
}
