#include "ui/win32/message_pump.h"

#include "ui/win32/classes.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

// The keys of the window's commands (F11, Esc, Pause ...) are taken here,
// before the focused control (the answer box) sees them. Tab moves between the
// controls with a tab stop; no other key is a dialog key (IsDialogMessage
// would also make Enter and Esc click buttons).
bool PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  // Only our own windows: a message box or a common dialog keeps its keys.
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || reinterpret_cast<WNDPROC>(GetClassLongPtrW(root, GCLP_WNDPROC)) != TopLevelProc)
    return false;
  Win32Form* form = Win32Form::FormOf(root);
  if (!form) return false;
  if (form->OnCommandKey(msg.wParam, msg.time)) return true;
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  const bool back = GetKeyState(VK_SHIFT) < 0;
  // Within the ranking while it is up: the controls beneath it are out of reach.
  HWND scope = form->TabScope(), focus = GetFocus();
  if (focus && !IsChild(scope, focus)) focus = nullptr;
  if (HWND next = GetNextDlgTabItem(scope, focus, back)) SetFocus(next);
  return true;
}

}  // namespace

PumpEnd PumpMessages(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return {true, static_cast<int>(msg.wParam)};
    if (got < 0) break;
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return {};
}

int RunMessageLoop() {
  return PumpMessages([] { return false; }).exitCode;
}

}  // namespace lornel::win32
