// A push button takes the focus on its mouse-down. On a busy PC the press of
// the next on-screen key can be queued before the keystroke that the last one
// injected; that keystroke then reaches the button instead of the answer box,
// and the letter is lost. So the keys do the mouse part of a click themselves
// (capture, pushed look, click on release inside) and never take the focus.
// The keyboard part stays the button's: Tab still reaches a key, Space clicks it.
#include "ui/win32/keys.h"

#include <windowsx.h>

#include "ui/win32/guard.h"

namespace lornel::win32 {
namespace {

bool Inside(HWND hwnd, LPARAM lParam) {
  RECT client;
  GetClientRect(hwnd, &client);
  return PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

void SetPushed(HWND hwnd, bool pushed) {
  if (((SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) != pushed)
    SendMessageW(hwnd, BM_SETSTATE, pushed, 0);
}

LRESULT CALLBACK OnScreenKeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&]() -> LRESULT {
    const Control* c = Win32Form::ControlOf(hwnd);
    const WNDPROC base =
        c ? c->baseProc : reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:  // a fast second click on the same key
        SetCapture(hwnd);
        SetPushed(hwnd, true);
        return 0;
      case WM_MOUSEMOVE:
        // Dragged off, the key pops up; dragged back, it is held again.
        if (GetCapture() == hwnd) SetPushed(hwnd, Inside(hwnd, lParam));
        break;
      case WM_LBUTTONUP:
        if (GetCapture() != hwnd) break;
        ReleaseCapture();  // WM_CAPTURECHANGED pops the key up
        if (Inside(hwnd, lParam))
          SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                       reinterpret_cast<LPARAM>(hwnd));
        return 0;
      case WM_CAPTURECHANGED:
        SetPushed(hwnd, false);
        break;
      default:
        break;
    }
    return CallWindowProcW(base, hwnd, message, wParam, lParam);
  });
}

}  // namespace

bool IsOnScreenKey(const ui::Row& row) {
  return (row.kind == ui::Kind::Button && row.onScreenKey) || row.kind == ui::Kind::OptionButton;
}

void SubclassOnScreenKey(Control& key) {
  key.baseProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(key.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OnScreenKeyProc)));
}

}  // namespace lornel::win32
