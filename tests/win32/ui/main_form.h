// The real main window built by the Win32 backend for a test, with its events recorded.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"
#include "ui/win32/message_pump.h"

namespace lornel::test {

class MainForm : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<win32::Win32Form>(quiz::MainTable(), recorder);
    ASSERT_TRUE(form->Create());
    Pump(100);
  }
  HWND Of(quiz::MainId id) { return form->ControlWindow(static_cast<int>(id)); }
  contract::Recorder recorder;
  std::unique_ptr<win32::Win32Form> form;
};

// A key pressed while target has the focus, through the program's own pump.
inline void PressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  win32::PumpMessages([] {
    MSG msg;
    return !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  });
}

}  // namespace lornel::test
