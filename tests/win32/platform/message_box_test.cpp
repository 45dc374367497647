// The button that closes a real message box, as the handlers see it.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/win32/host.h"

namespace lornel::win32 {
namespace {

// Presses `button` of the box titled `title` as soon as it is up.
std::thread PressWhenShown(const wchar_t* title, int button) {
  return std::thread([title, button] {
    for (int i = 0; i < 500; ++i) {
      if (HWND box = FindWindowW(L"#32770", title)) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return;
      }
      Sleep(10);
    }
  });
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
    // The last box may still be on its way out: pressing it again would close nothing.
    for (int i = 0; i < 500 && FindWindowW(L"#32770", L"lornel-box"); ++i) Sleep(10);
    std::thread presser = PressWhenShown(L"lornel-box", c.button);
    const auto result = host.ShowMessageBox("?", "lornel-box", MB_YESNOCANCEL | MB_TASKMODAL, 0);
    presser.join();
    EXPECT_EQ(result, c.result) << c.button;
  }
}

}  // namespace
}  // namespace lornel::win32
