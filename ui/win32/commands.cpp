// The command table on Win32: its items in the system menu, its popup menus,
// and its keys, taken off the queue before the focused control sees them.
#include <windowsx.h>

#include "platform/win32/text.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

// Our system commands lie below Windows' own (0xF000 on), the low four bits
// left to Windows.
constexpr UINT kFirstSysCommand = 0x1000;
constexpr UINT SysCommandOf(int command) {
  return kFirstSysCommand + (static_cast<UINT>(command) << 4);
}

UINT Flags(const ui::MenuLine& line) {
  return MF_STRING | (line.enabled ? 0u : MF_GRAYED) | (line.checked ? MF_CHECKED : 0u);
}

void Append(HMENU menu, const ui::MenuLine& line, UINT id) {
  if (line.text.empty())
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  else
    AppendMenuW(menu, Flags(line), id, Wide(line.text).c_str());
}

}  // namespace

void Win32Form::AddSystemMenuItems() {
  const std::vector<ui::MenuLine> lines =
      ui::MenuLines(table_.commands, commandStates_, ui::kSystemMenu);
  HMENU menu = lines.empty() ? nullptr : GetSystemMenu(hwnd_, FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (const ui::MenuLine& line : lines) Append(menu, line, SysCommandOf(line.command));
}

void Win32Form::SetCommandState(int command, const ui::CommandState& state) {
  commandStates_[static_cast<std::size_t>(command)] = state;
  HMENU menu =
      hwnd_ && table_.commands[static_cast<std::size_t>(command)].menus.Has(ui::kSystemMenu)
          ? GetSystemMenu(hwnd_, FALSE)
          : nullptr;
  if (!menu) return;
  for (const ui::MenuLine& line : ui::MenuLines(table_.commands, commandStates_, ui::kSystemMenu))
    if (line.command == command && !line.text.empty())
      ModifyMenuW(menu, SysCommandOf(command), MF_BYCOMMAND | Flags(line), SysCommandOf(command),
                  Wide(line.text).c_str());
}

bool Win32Form::RaiseCommand(int command, std::optional<int> arg, DWORD time) {
  const auto event = destroyed_ ? std::nullopt
                                : ui::CommandEvent(table_.commands, commandStates_, command, arg,
                                                   static_cast<std::uint32_t>(time));
  if (event) sink_->OnControlEvent(*event);
  return event.has_value();
}

bool Win32Form::OnCommandKey(WPARAM key, DWORD time) {
  const ui::Key pressed{static_cast<int>(key), GetKeyState(VK_CONTROL) < 0,
                        GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
  const Control* focus = ControlOf(GetFocus());
  const bool typing = focus && focus->form == this && focus->row->kind == ui::Kind::EditBox &&
                      IsWindowEnabled(focus->hwnd);
  return RaiseCommand(ui::CommandForKey(table_.commands, commandStates_, pressed, typing),
                      std::nullopt, time);
}

bool Win32Form::OnSysCommand(WPARAM wParam) {
  const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
  // Moving a window that covers its monitor would only uncover the desktop.
  if (command == SC_MOVE) return IsFullScreen();
  if (command < kFirstSysCommand || command >= SysCommandOf(int(table_.commands.size())))
    return false;
  RaiseCommand(static_cast<int>((command - kFirstSysCommand) >> 4), std::nullopt,
               static_cast<DWORD>(GetMessageTime()));
  return true;
}

int Win32Form::PopupMenu(int menu, int arg) {
  if (destroyed_ || !hwnd_) return -1;
  const std::vector<ui::MenuLine> lines = ui::MenuLines(table_.commands, commandStates_, menu);
  HMENU popup = lines.empty() ? nullptr : CreatePopupMenu();
  if (!popup) return -1;
  // Command 0 is "nothing chosen", so a command answers its id + 1.
  for (const ui::MenuLine& line : lines) Append(popup, line, static_cast<UINT>(line.command + 1));
  // Where the click (or the touch) was, not where the mouse has moved since.
  const DWORD at = GetMessagePos();
  const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, GET_X_LPARAM(at),
                                    GET_Y_LPARAM(at), 0, hwnd_, nullptr);
  DestroyMenu(popup);
  // The menu's loop runs the timers: the window may have gone meanwhile.
  return chosen > 0 && RaiseCommand(chosen - 1, arg, static_cast<DWORD>(GetMessageTime()))
             ? chosen - 1
             : -1;
}

}  // namespace lornel::win32
