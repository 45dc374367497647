// The real main window built by the Win32 backend for a test, with its events recorded.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"

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

}  // namespace lornel::test
