// What the controls report, turned into the events their bindings name.
#include "ui/control_rules.h"
#include "ui/win32/classes.h"
#include "ui/win32/form.h"

namespace lornel::win32 {

void Win32Form::Raise(const Control& control, ui::Event event) {
  if (ui::rules::Raises(*control.row, event)) sink_.OnControlEvent(control.row->binding);
}

void Win32Form::OnCommand(HWND child, int code) {
  Control* c = ControlOf(child);
  if (!c || c->form != this) return;
  if (c->row->kind == ui::Kind::EditBox) {
    OnEditNotification(*c, code);
    return;
  }
  if (code != BN_CLICKED) return;
  if (c->row->kind == ui::Kind::RadioBox) {
    // The button checked itself (BS_AUTORADIOBUTTON); WS_GROUP marks do not decide the set.
    for (const Control& other : controls_)
      if (ui::rules::InSameRadioSet(*c->row, *other.row))
        SendMessageW(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
    return;
  }
  if (c->row->kind == ui::Kind::Button) Raise(*c, ui::Event::Click);
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
