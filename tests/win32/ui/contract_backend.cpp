// The Win32 backend under the shared control-kind cases: real windows, real
// timers, and clicks as real mouse input.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/win32/text.h"
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

// time 0: the system stamps the key as it queues it.
void SendKey(WORD vk, bool up, DWORD time = 0) {
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = vk;
  key.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  key.ki.time = time;
  SendInput(1, &key, sizeof(INPUT));
}

// A line of a menu as Windows holds it; a popup's item answers its command + 1.
ui::MenuLine LineAt(HMENU menu, int position) {
  wchar_t text[64] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
  info.dwTypeData = text;
  info.cch = 63;
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) ||
      (info.fType & MFT_SEPARATOR))
    return {};
  return {static_cast<int>(info.wID) - 1, win32::Gbk(text), !(info.fState & MFS_GRAYED),
          (info.fState & MFS_CHECKED) != 0};
}

struct PopupPick {
  int command = -1;
  int ticks = 0;
  std::vector<ui::MenuLine>* shown = nullptr;
} pick_;

void CALLBACK Pick(HWND, UINT, UINT_PTR, DWORD) {
  HWND open = FindWindowW(L"#32768", nullptr);
  if (!open || !IsWindowVisible(open)) return;
  if (pick_.ticks++ > 0) {
    if (pick_.ticks == 6) SendKey(VK_ESCAPE, false), SendKey(VK_ESCAPE, true);
    return;
  }
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(open, MN_GETHMENU, 0, 0));
  int downs = 0;
  bool found = false;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    pick_.shown->push_back(LineAt(menu, i));
    const ui::MenuLine& line = pick_.shown->back();
    if (!found && !line.text.empty()) ++downs;  // Down passes over separators only
    found = found || (line.command >= 0 && line.command == pick_.command);
  }
  for (int i = 0; found && i < downs; ++i) SendKey(VK_DOWN, false), SendKey(VK_DOWN, true);
  const WORD last = found ? VK_RETURN : VK_ESCAPE;
  SendKey(last, false);
  SendKey(last, true);
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
    }
  }
  void UserRightClick(int id) override {
    test::ClickAtCentre(form_.ControlWindow(id), form_.hwnd(), true);
    test::Pump(50);
  }
  void UserPressKey(int id, ui::Key key, std::uint32_t time) override {
    SetForegroundWindow(form_.hwnd());
    SetFocus(form_.ControlWindow(id));
    std::vector<WORD> held;
    if (key.ctrl) held.push_back(VK_CONTROL);
    if (key.shift) held.push_back(VK_SHIFT);
    if (key.alt) held.push_back(VK_MENU);
    held.push_back(static_cast<WORD>(key.vk));
    for (WORD vk : held) SendKey(vk, false, time);
    for (auto vk = held.rbegin(); vk != held.rend(); ++vk) SendKey(*vk, true, time);
    PumpAsTheProgramDoes(100);
  }
  std::vector<ui::MenuLine> SystemMenu() override {
    HMENU menu = GetSystemMenu(form_.hwnd(), FALSE);
    const int count = GetMenuItemCount(menu);
    int ours = 0;
    for (const ui::Command& c : form_.table().commands) ours += c.menus.Has(ui::kSystemMenu);
    std::vector<ui::MenuLine> lines;
    for (int i = std::max(0, count - ours - 1); i < count; ++i) {
      lines.push_back(LineAt(menu, i));
      lines.back().command = -1;
    }
    return lines;
  }
  // As the system menu's own loop does with the item's id.
  void UserChooseFromSystemMenu(int command) override {
    HMENU menu = GetSystemMenu(form_.hwnd(), FALSE);
    int position = GetMenuItemCount(menu);
    for (const ui::Command& c : form_.table().commands)
      position -= c.menus.Has(ui::kSystemMenu) && c.id >= command;
    SendMessageW(form_.hwnd(), WM_SYSCOMMAND, GetMenuItemID(menu, position), 0);
  }
  // A thread timer runs in the menu's own loop: it reads the open menu and
  // picks the line with real keys, Esc when the line keeps the menu open.
  int UserChooseFromPopup(int menu, int arg, int command) override {
    SetForegroundWindow(form_.hwnd());
    shown.clear();
    pick_ = {command, 0, &shown};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Pick);
    const int chosen = form_.PopupMenu(menu, arg);
    KillTimer(nullptr, timer);
    test::Pump(30);
    return chosen;
  }

 private:
  win32::Win32Form form_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend(const ui::Table& table) {
  return std::make_unique<Win32Backend>(table);
}

}  // namespace lornel::contract
