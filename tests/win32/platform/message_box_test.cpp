// The button that closes a real message box, as the handlers see it.
#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/host.h"

namespace lornel::win32 {
namespace {

int g_button = 0;

// Presses the button as the box comes up on this thread: the box is ready by
// then, and no other box can be taken for it.
LRESULT CALLBACK PressWhenActivated(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE)
    PostMessageW(reinterpret_cast<HWND>(wParam), WM_COMMAND, MAKEWPARAM(g_button, BN_CLICKED), 0);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Win32MessageBox, EachButtonReadsAsItsOwnResult) {
  Win32Host host;
  const struct {
    int button;
    platform::MessageResult result;
  } cases[] = {{IDYES, platform::MessageResult::Yes},
               {IDNO, platform::MessageResult::No},
               {IDCANCEL, platform::MessageResult::Cancel}};
  for (const auto& c : cases) {
    g_button = c.button;
    HHOOK hook = SetWindowsHookExW(WH_CBT, PressWhenActivated, nullptr, GetCurrentThreadId());
    const auto result = host.ShowMessageBox("?", "lornel-box", MB_YESNOCANCEL | MB_TASKMODAL, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, c.result) << c.button;
  }
}

}  // namespace
}  // namespace lornel::win32
