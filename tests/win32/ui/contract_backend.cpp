// The Win32 backend under the shared control-kind cases: real windows, real
// timers, and clicks as real mouse input.
#include <windows.h>
#include <commctrl.h>

#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"

namespace lornel::contract {
namespace {

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(const ui::Table& table) : form_(table, recorder) {
    form_.Create();
    SetForegroundWindow(form_.hwnd());
    test::Pump(50);
  }
  ui::Form& form() override { return form_; }
  void Wait(int ms) override { test::Pump(ms); }
  void UserClick(int id) override { test::ClickAtCentre(form_.ControlWindow(id), form_.hwnd()); }
  int ShownPosition(int id) override {
    return static_cast<int>(SendMessageW(form_.ControlWindow(id), PBM_GETPOS, 0, 0));
  }

 private:
  win32::Win32Form form_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend(const ui::Table& table) {
  return std::make_unique<Win32Backend>(table);
}

}  // namespace lornel::contract
