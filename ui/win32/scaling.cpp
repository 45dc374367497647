// Where a form's windows go and how large they are drawn: the scale that fits
// the display, the controls' places, fonts at that scale, a change of DPI,
// the rounded region and the frame of a window without a title bar.
#include <algorithm>

#include "ui/paint_geometry.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

constexpr int kCoordinateLimit = 32767;  // what a window position can hold

}  // namespace

ui::Display Win32Form::DisplayAt(HMONITOR monitor, int dpi) const {
  return DisplayOf(monitor, GetWindowLongW(hwnd_, GWL_STYLE), GetWindowLongW(hwnd_, GWL_EXSTYLE),
                   dpi);
}

ui::Scale Win32Form::ScaleFor(const ui::Display& display) const {
  return ui::LayoutScale(display, tableClient_);
}

ui::Size Win32Form::OuterSizeAt(const ui::Display& display, ui::Scale scale) const {
  return ui::OuterSize(display, tableClient_, scale);
}

ui::Size Win32Form::FitTo(const ui::Display& display) {
  scale_ = ScaleFor(display);
  return OuterSizeAt(display, scale_);
}

void Win32Form::ApplyDialogFrame() {
  // CreateWindow gives an overlapped window a caption, which this window must not have.
  LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  style &= ~static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                  WS_MAXIMIZEBOX);
  style |= WS_DLGFRAME;
  SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
  const ui::WindowSpec& spec = table_.window;
  SetWindowPos(hwnd_, spec.topmost ? HWND_TOPMOST : nullptr, 0, 0, spec.outerWidth,
               spec.outerHeight,
               SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | (spec.topmost ? 0 : SWP_NOZORDER));
}

void Win32Form::ApplyRegion(ui::Size outer) {
  if (!table_.window.roundedRegion) return;
  const int d = ui::CornerDiameter(outer.width, outer.height);
  // The window owns the region once it is set; it is ours only if that fails.
  OwnedRegion region(CreateRoundRectRgn(0, 0, outer.width, outer.height, d, d));
  if (region && SetWindowRgn(hwnd_, region.get(), TRUE)) region.Release();
}

// Children of a panel lie relative to it; only the window's own children are shifted.
ui::Point Win32Form::OriginOf(const Control& c) const {
  return c.row->parent == ui::kWindowParent ? origin_ : ui::Point{};
}

RECT Win32Form::PlaceOf(const Control& c) const {
  ui::Rect table = c.row->rect;
  table.left = c.left;
  const ui::Rect r = scale_.Of(table);
  const ui::Point at = OriginOf(c);
  const auto limit = [](int v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); };
  return {limit(r.left + at.x), limit(r.top + at.y), limit(r.right() + at.x),
          limit(r.bottom() + at.y)};
}

// Never repaints: creation shows the controls afterwards, a new layout redraws them all at once.
void Win32Form::ApplyFont(Control& c) {
  c.font = fonts_.Get(c.row->font, scale_);
  // Our own labels place each glyph where the table-size font puts it (paint.cpp).
  c.tableFont = nullptr;
  if (!scale_.IsOne() && (c.row->kind == ui::Kind::Label || c.row->kind == ui::Kind::TransLabel))
    c.tableFont = fonts_.Get(c.row->font, ui::Scale());
  SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
}

void Win32Form::LayOutControls(bool keepFonts) {
  // The old fonts stay selected in the controls until each has its new one.
  const FontCache old = keepFonts ? FontCache() : std::exchange(fonts_, FontCache());
  for (Control& c : controls_) {
    if (!c.hwnd) continue;
    const RECT r = PlaceOf(c);
    // The caller redraws and erases the whole window once; 132 redraws would
    // each reach the server, and so would Wine's erasing of the parent after each move.
    SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE);
    if (c.row->kind != ui::Kind::Timer) ApplyFont(c);
  }
}

void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
  if (IsFullScreen()) return FitMonitor(dpi);
  const ui::Size outer =
      FitTo(DisplayAt(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), dpi));
  LayOutControls(false);
  // Where the window had to be made smaller than DPI / 96 to fit, our size wins.
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyRegion(outer);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

SIZE Win32Form::ScaledSizeAt(int dpi) const {
  if (IsFullScreen()) {  // stays the whole monitor
    RECT r;
    GetWindowRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
  }
  // During a drag Windows asks once most of the window lies on the new monitor.
  const ui::Display display = DisplayAt(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), dpi);
  const ui::Size outer = OuterSizeAt(display, ScaleFor(display));
  return {outer.width, outer.height};
}

}  // namespace lornel::win32
