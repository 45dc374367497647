#include "ui/win32/message_pump.h"

#include "ui/win32/form.h"
#include "ui/win32/translations.h"

namespace lornel::win32 {
namespace {

// Tab moves between the controls with a tab stop; no other key is a dialog
// key (IsDialogMessage would also make Enter and Esc click buttons). F11 and
// Esc reach full screen here, before the focused control (the answer box) sees
// them, and so do the keys that are the window's own events (the Pause key);
// Esc closes an enlarged picture first.
bool PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const bool windowKey = FindTranslation(Arrives::WindowKey, static_cast<UINT>(msg.wParam));
  if (msg.wParam != VK_TAB && msg.wParam != VK_F11 && msg.wParam != VK_ESCAPE && !windowKey)
    return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || !Win32Form::FormOf(root)) return false;
  Win32Form* form = Win32Form::FormOf(root);
  if (windowKey) return form->TranslateWindowKey(msg.wParam);
  if (msg.wParam != VK_TAB)
    return form->OnLargePictureKey(msg.wParam) || form->OnFullScreenKey(msg.wParam);
  const bool back = GetKeyState(VK_SHIFT) < 0;
  if (HWND next = GetNextDlgTabItem(root, GetFocus(), back)) SetFocus(next);
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
