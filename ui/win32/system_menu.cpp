// The system menu's on/off item (the sounds of lornel.exe): its check mark
// follows the state, which lives for the run only.
#include "platform/win32/text.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

// Our own system command beside the full-screen one (0x1F10).
constexpr UINT kToggleCommand = 0x1F20;

}  // namespace

void Win32Form::AddMenuToggle(std::string text, bool on, std::function<void(bool)> turned) {
  toggle_ = MenuToggle{std::move(text), on, std::move(turned)};
  if (hwnd_) AppendMenuToggle();
}

void Win32Form::AppendMenuToggle() {
  HMENU menu = toggle_ ? GetSystemMenu(hwnd_, FALSE) : nullptr;
  if (!menu) return;
  AppendMenuW(menu, MF_STRING | (toggle_->on ? MF_CHECKED : MF_UNCHECKED), kToggleCommand,
              Wide(toggle_->text).c_str());
}

bool Win32Form::OnMenuToggle(WPARAM command) {
  if (!toggle_ || (command & 0xFFF0) != kToggleCommand) return false;
  toggle_->on = !toggle_->on;
  CheckMenuItem(GetSystemMenu(hwnd_, FALSE), kToggleCommand,
                MF_BYCOMMAND | (toggle_->on ? MF_CHECKED : MF_UNCHECKED));
  if (toggle_->turned) toggle_->turned(toggle_->on);
  return true;
}

}  // namespace lornel::win32
