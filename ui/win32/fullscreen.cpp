// Full screen for the projector: the window loses its caption and frame and
// covers its monitor (taskbar included), the same controls are laid out at the
// largest scale that fits, centred. Not topmost: message boxes and the notice
// window still come to the front. Nothing is created or destroyed, so texts,
// states and running timers are untouched by a switch.
#include "platform/win32/text.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

// Our own system command: below 0xF000, the low four bits left to Windows.
constexpr UINT kFullScreenCommand = 0x1F10;

// WS_SYSMENU stays, so Alt+Space still opens the system menu (and its item) on
// the captionless window; Minimize stays reachable through it as well.
constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_THICKFRAME;
constexpr LONG_PTR kFrameExStyles =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

// The window is redrawn whole once the controls are in place, so the old
// picture is not copied into the resized window (Wine gives it a new surface)
// nor is the window erased and its frame painted at once, only to be painted over.
constexpr UINT kSwitchMove =
    SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_DEFERERASE;

RECT MonitorRect(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info))
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return info.rcMonitor;
}

}  // namespace

void Win32Form::AddFullScreenMenuItem() {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kFullScreenCommand, Wide("全屏显示\tF11").c_str());
}

bool Win32Form::OnFullScreenKey(WPARAM key) {
  if (!table_.window.fullScreen) return false;
  if (key == VK_F11) {
    SetFullScreen(!fullScreen());
    return true;
  }
  if (key == VK_ESCAPE && fullScreen()) {
    SetFullScreen(false);
    return true;
  }
  return false;
}

bool Win32Form::OnSysCommand(WPARAM command) {
  if (OnMenuToggle(command)) return true;
  if (!table_.window.fullScreen) return false;
  if ((command & 0xFFF0) == kFullScreenCommand) {
    SetFullScreen(!fullScreen());
    return true;
  }
  // Moving a window that covers its monitor would only uncover the desktop.
  return (command & 0xFFF0) == SC_MOVE && fullScreen();
}

void Win32Form::OnDisplayChange() {
  if (fullScreen()) FitMonitor(DpiOfWindow(hwnd_));
}

void Win32Form::SetFullScreen(bool on) {
  if (!table_.window.fullScreen || destroyed_ || !hwnd_ || on == fullScreen()) return;
  // From the taskbar's menu of a minimised window: switch the restored window.
  if (IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
  const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  if (on) {
    Windowed windowed{{}, style, exStyle, scale_, DpiOfWindow(hwnd_)};
    GetWindowRect(hwnd_, &windowed.rect);
    windowed_ = windowed;
    SetWindowLongPtrW(hwnd_, GWL_STYLE, style & ~kFrameStyles);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, exStyle & ~kFrameExStyles);
    FitMonitor(windowed.dpi);
  } else {
    const Windowed windowed = *windowed_;
    windowed_.reset();
    SetWindowLongPtrW(hwnd_, GWL_STYLE, windowed.style);
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, windowed.exStyle);
    origin_ = {};
    RECT r = windowed.rect;
    const int dpi = DpiOfWindow(hwnd_);
    if (dpi == windowed.dpi) {
      scale_ = windowed.scale;
    } else {  // the DPI changed while full screen: fit the window to it anew
      const ui::Size outer =
          FitTo(DisplayAt(MonitorFromRect(&windowed.rect, MONITOR_DEFAULTTONEAREST), dpi));
      r.right = r.left + outer.width;
      r.bottom = r.top + outer.height;
    }
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, kSwitchMove);
    LayOutControls(true);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  CheckMenuItem(GetSystemMenu(hwnd_, FALSE), kFullScreenCommand,
                MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// The whole monitor the window is on, at the largest scale that fits it and
// never below the windowed scale at this DPI.
void Win32Form::FitMonitor(int dpi) {
  const RECT monitor = MonitorRect(hwnd_);
  const ui::Size size{monitor.right - monitor.left, monitor.bottom - monitor.top};
  const ui::Scale windowed = ui::LayoutScale(
      DisplayOf(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST),
                static_cast<DWORD>(windowed_->style), static_cast<DWORD>(windowed_->exStyle), dpi),
      tableClient_);
  const ui::FullScreenFit fit = ui::FitFullScreen(size, tableClient_, windowed);
  scale_ = fit.scale;
  origin_ = fit.origin;
  SetWindowPos(hwnd_, nullptr, monitor.left, monitor.top, size.width, size.height, kSwitchMove);
  LayOutControls(true);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace lornel::win32
