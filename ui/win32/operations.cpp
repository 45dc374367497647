// The ui::Form operations on the controls' windows: visibility, enabling,
// colours, progress bars, moves and focus (timers: timers.cpp).
#include <windows.h>
#include <commctrl.h>

#include "ui/control_rules.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

struct Sweep {
  HWND label;
  RECT screen;
};

BOOL CALLBACK RedrawBeneath(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<Sweep*>(data);
  RECT r, overlap;
  if (child != s->label && IsWindowVisible(child) && GetWindowRect(child, &r) &&
      IntersectRect(&overlap, &r, &s->screen)) {
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&overlap), 2);
    RedrawWindow(child, &overlap, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  return TRUE;
}

}  // namespace

void Win32Form::SetVisible(int id, bool visible) {
  HWND hwnd = controls_[id].hwnd;
  // A hidden window keeps the keyboard focus, and a hidden button still clicks
  // on Space ("确定" after its panel went): the focus goes to the window itself.
  if (!visible) {
    HWND focus = GetFocus();
    if (focus && (focus == hwnd || IsChild(hwnd, focus))) SetFocus(hwnd_);
  }
  ::ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Form::IsVisible(int id) const { return IsWindowVisible(controls_[id].hwnd) != FALSE; }
void Win32Form::SetEnabled(int id, bool enabled) {
  HWND hwnd = controls_[id].hwnd;
  // Disabling a disabled window still sends it WM_CANCELMODE, through the
  // skin's subclass chain: a change only.
  if ((IsWindowEnabled(hwnd) != FALSE) == enabled) return;
  EnableWindow(hwnd, enabled);
}
bool Win32Form::IsEnabled(int id) const { return IsWindowEnabled(controls_[id].hwnd) != FALSE; }

// A read-only box asks WM_CTLCOLORSTATIC for its colours, which give it its row's all the same.
void Win32Form::SetReadOnly(int id, bool readOnly) {
  if (IsReadOnly(id) != readOnly) SendMessageW(controls_[id].hwnd, EM_SETREADONLY, readOnly, 0);
}
bool Win32Form::IsReadOnly(int id) const {
  return (GetWindowLongW(controls_[id].hwnd, GWL_STYLE) & ES_READONLY) != 0;
}

void Win32Form::SetTextColour(int id, ui::Colour colour) {
  Control& c = controls_[id];
  if (c.textColour == colour) return;
  c.textColour = colour;
  if (c.row->kind == ui::Kind::TransLabel) {
    RepaintTransparent(c);
  } else {
    InvalidateRect(c.hwnd, nullptr, FALSE);
  }
}

// Clears every trace of the old caption: the top-level window and every
// child beneath the label repaint that area before the label draws again.
void Win32Form::RepaintTransparent(const Control& c) {
  HWND top = GetAncestor(c.hwnd, GA_ROOT);
  RECT area;
  GetWindowRect(c.hwnd, &area);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Sweep sweep{c.hwnd, {}};
  GetWindowRect(c.hwnd, &sweep.screen);
  EnumChildWindows(top, RedrawBeneath, reinterpret_cast<LPARAM>(&sweep));
  InvalidateRect(c.hwnd, nullptr, FALSE);
}

void Win32Form::SetProgressRange(const Control& c) {
  const ui::rules::ProgressRange range = ui::rules::RangeOf(c.rangeMin, c.rangeMax);
  SendMessageW(c.hwnd, PBM_SETRANGE32, range.low, range.high);
}

// The bar keeps showing what it was last sent; a new range only pulls it inside.
void Win32Form::SetRangeMin(int id, int value) {
  Control& c = controls_[id];
  c.rangeMin = ui::rules::ClampProgress(value);
  SetProgressRange(c);
}

void Win32Form::SetRangeMax(int id, int value) {
  Control& c = controls_[id];
  c.rangeMax = ui::rules::ClampProgress(value);
  SetProgressRange(c);
}

void Win32Form::SetPosition(int id, int value) {
  Control& c = controls_[id];
  c.position = ui::rules::ClampProgress(value);
  SendMessageW(c.hwnd, PBM_SETPOS, ui::rules::ShownPosition(c.position, c.rangeMin, c.rangeMax), 0);
}

int Win32Form::Position(int id) const { return controls_[id].position; }

bool Win32Form::IsChecked(int id) const {
  return SendMessageW(controls_[id].hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::SetChecked(int id, bool checked) {
  SendMessageW(controls_[id].hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Form::SetLeft(int id, int left) {
  Control& c = controls_[id];
  c.left = ui::rules::ClampMove(left);
  const RECT r = PlaceOf(c);
  SetWindowPos(c.hwnd, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// In table units: exactly what was set, so that the shake's steps still match.
int Win32Form::Left(int id) const {
  const Control& c = controls_[id];
  RECT r;
  GetWindowRect(c.hwnd, &r);
  MapWindowPoints(nullptr, GetParent(c.hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r.left == PlaceOf(c).left ? c.left : scale_.Back(r.left - OriginOf(c).x);
}

void Win32Form::Focus(int id) { SetFocus(controls_[id].hwnd); }
void Win32Form::ShowWindow() { ::ShowWindow(hwnd_, SW_SHOWNORMAL); }
void Win32Form::HideWindow() { ::ShowWindow(hwnd_, SW_HIDE); }
void Win32Form::RequestClose() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void Win32Form::OnDestroy() {
  KillTimers();
  sink_->OnDestroyed();
  destroyed_ = true;
}

}  // namespace lornel::win32
