// The real main window built by the Win32 backend for a test, with its events
// recorded and its window commands (full screen, Esc) run as the program runs them.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "app/window_commands.h"
#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"
#include "ui/win32/message_pump.h"

namespace lornel::test {

struct WindowCommands : contract::Recorder {
  ui::Form* form = nullptr;
  void OnControlEvent(const ui::ControlEvent& e) override {
    Recorder::OnControlEvent(e);
    if (e.binding.slot == quiz::MainSlot::ToggleFullScreen) app::ToggleFullScreen(*form);
    if (e.binding.slot == quiz::MainSlot::Escape) app::Escape(*form);
  }
};

class MainForm : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<win32::Win32Form>(quiz::MainTable(), recorder);
    recorder.form = form.get();
    ASSERT_TRUE(form->Create());
    Pump(100);
  }
  HWND Of(quiz::MainId id) { return form->ControlWindow(static_cast<int>(id)); }
  WindowCommands recorder;
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
