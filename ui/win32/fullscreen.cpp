// Full screen for the projector: the window loses its caption and frame and
// covers its monitor (taskbar included), the same controls are laid out at the
// largest scale that fits, centred. Not topmost: message boxes and the notice
// window still come to the front. Nothing is created or destroyed, so texts,
// states and running timers are untouched by a switch.
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

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

void Win32Form::OnDisplayChange() {
  if (IsFullScreen()) FitMonitor(DpiOfWindow(hwnd_));
}

void Win32Form::SetFullScreen(bool on) {
  if (destroyed_ || !hwnd_ || on == IsFullScreen()) return;
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
