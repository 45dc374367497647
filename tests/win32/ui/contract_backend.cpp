// The Win32 backend under the shared control-kind cases: real windows, real
// timers, and clicks as real mouse input.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"
#include "ui/win32/message_pump.h"

namespace lornel::contract {
namespace {

// The program's own pump, which takes the window's keys before the focused
// control; a thread timer keeps it from waiting on an empty queue.
void PumpAsTheProgramDoes(int ms) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  win32::PumpMessages([&] { return static_cast<int>(end - GetTickCount()) <= 0; });
  KillTimer(nullptr, timer);
}

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
  // The message as its translation says it arrives.
  void Deliver(int id, ui::Event kind, int x, int y) override {
    const win32::Translation* t = win32::TranslationOf(kind);
    if (!t) return;  // no translation: the case sees no event and fails
    HWND control = form_.ControlWindow(id);
    POINT at{form_.scale().Of(x), form_.scale().Of(y)};
    switch (t->arrives) {
      case win32::Arrives::AtControl:
        SendMessageW(control, t->code, 0, MAKELPARAM(at.x, at.y));
        break;
      case win32::Arrives::Notification:
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), t->code),
                     reinterpret_cast<LPARAM>(control));
        break;
      case win32::Arrives::PassedUp:
        ClientToScreen(control, &at);
        SendMessageW(control, t->code, reinterpret_cast<WPARAM>(control), MAKELPARAM(at.x, at.y));
        break;
      case win32::Arrives::WindowKey:
        PostMessageW(control, WM_KEYDOWN, t->code, 1);
        PumpAsTheProgramDoes(30);
        break;
    }
  }
  void UserRightClick(int id) override {
    test::ClickAtCentre(form_.ControlWindow(id), form_.hwnd(), true);
    test::Pump(50);
  }
  void UserPressKey(int id, int vk) override {
    SetForegroundWindow(form_.hwnd());
    SetFocus(form_.ControlWindow(id));
    INPUT keys[2]{};
    for (INPUT& k : keys) {
      k.type = INPUT_KEYBOARD;
      k.ki.wVk = static_cast<WORD>(vk);
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    PumpAsTheProgramDoes(100);
  }

 private:
  win32::Win32Form form_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend(const ui::Table& table) {
  // The tests' own kind of event, translated here and nowhere else.
  static const bool translated = [] {
    win32::AddTranslation(
        {kTestDoubleClick, win32::Arrives::AtControl, WM_LBUTTONDBLCLK, win32::Where::ClientPoint});
    return true;
  }();
  (void)translated;
  return std::make_unique<Win32Backend>(table);
}

}  // namespace lornel::contract
