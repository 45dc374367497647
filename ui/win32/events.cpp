// What the controls report, turned into the events their bindings name.
#include <windowsx.h>

#include "ui/control_rules.h"
#include "ui/win32/classes.h"
#include "ui/win32/form.h"
#include "ui/win32/translations.h"

namespace lornel::win32 {

const Translation* FindTranslation(Arrives arrives, UINT code) {
  for (const Translation& t : kTranslations)
    if (t.arrives == arrives && t.code == code) return &t;
  return nullptr;
}

const Translation* TranslationOf(ui::Event kind) {
  for (const Translation& t : kTranslations)
    if (t.kind == kind) return &t;
  return nullptr;
}

void Win32Form::Raise(const Control& control, ui::Event event, POINT at) {
  if (const ui::Binding* binding = ui::rules::BindingOf(*control.row, event))
    sink_->OnControlEvent({*binding, control.row->id, scale_.Back(at.x), scale_.Back(at.y), -1,
                           static_cast<std::uint32_t>(GetMessageTime())});
}

bool Win32Form::Translate(Arrives arrives, HWND target, UINT code, LPARAM lParam) {
  const Translation* t = FindTranslation(arrives, code);
  if (!t) return false;
  Control* c = ControlOf(target);
  if (!c || c->form != this) return false;
  POINT at{};
  switch (t->where) {
    case Where::Nowhere:
      break;
    case Where::ClientPoint:
      at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      break;
    case Where::ScreenPoint:
      at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (at.x == -1 && at.y == -1) return false;  // Shift+F10 or the menu key: no point to place
      break;
    case Where::MessagePoint: {
      const DWORD pos = GetMessagePos();
      at = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
      break;
    }
  }
  if (arrives != Arrives::PassedUp) {
    if (t->where == Where::ScreenPoint || t->where == Where::MessagePoint)
      ScreenToClient(c->hwnd, &at);
    Raise(*c, t->kind, at);
    return true;
  }
  // The first of the control and its panels bound to the kind takes it, as the
  // in-memory backend does; the point is in that one's own client area.
  for (Control* taker = c; taker;) {
    if (ui::rules::Raises(*taker->row, t->kind)) {
      ScreenToClient(taker->hwnd, &at);
      Raise(*taker, t->kind, at);
      return true;
    }
    const int parent = taker->row->parent;
    taker = parent == ui::kWindowParent ? nullptr : &controls_[parent];
  }
  return false;
}

void Win32Form::OnEditNotification(const Control& c, int code) {
  // EN_CHANGE, sent for typing and for SetWindowText alike, is translated as the other codes are.
  if (code == EN_SETFOCUS) lastFocusedEdit_ = c.row->id;
}

void Win32Form::OnCommand(HWND child, int code) {
  Control* c = ControlOf(child);
  if (!c || c->form != this) return;
  if (c->row->kind == ui::Kind::EditBox) OnEditNotification(*c, code);
  if (c->row->kind == ui::Kind::RadioBox && code == BN_CLICKED) {
    // The button checked itself (BS_AUTORADIOBUTTON); WS_GROUP marks do not decide the set.
    for (const Control& other : controls_)
      if (ui::rules::InSameRadioSet(*c->row, *other.row))
        SendMessageW(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
    return;
  }
  Translate(Arrives::Notification, child, code, 0);
}

LRESULT Win32Form::OnControlColour(HDC dc, HWND child) {
  const Control* c = ControlOf(child);
  const unsigned background = c ? c->row->background : ui::kDefaultColour;
  SetTextColor(dc, c ? c->textColour : GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, BackgroundColour(background));
  return reinterpret_cast<LRESULT>(BackgroundBrush(background));
}

bool Win32Form::OnSetCursor(HWND child) {
  const Control* c = ControlOf(child);
  if (!c || c->row->cursor != ui::Cursor::Hand) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

}  // namespace lornel::win32
