#include "ui/win32/row_styles.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/win32/classes.h"

namespace lornel::win32 {
namespace {

DWORD EdgeExStyle(ui::Edge edge) {
  switch (edge) {
    case ui::Edge::Sunken:
      return WS_EX_CLIENTEDGE;
    case ui::Edge::Raised:
      return WS_EX_DLGMODALFRAME;
    case ui::Edge::ThinSunken:
      return WS_EX_STATICEDGE;
    case ui::Edge::Framed:
      return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    default:
      return 0;
  }
}

}  // namespace

const wchar_t* ClassOf(ui::Kind kind) {
  switch (kind) {
    case ui::Kind::Button:
    case ui::Kind::RadioBox:
    case ui::Kind::CheckBox:
    case ui::Kind::GroupBox:
    case ui::Kind::OptionButton:
      return L"BUTTON";
    case ui::Kind::EditBox:
      return L"EDIT";
    case ui::Kind::ProcessBar:
      return PROGRESS_CLASSW;
    case ui::Kind::Label:
      return kLabelClass;
    case ui::Kind::TransLabel:
      return kTransLabelClass;
    case ui::Kind::PicBox:
      return kPictureClass;
    case ui::Kind::Timer:
      return kTimerClass;
  }
  return kLabelClass;
}

DWORD KindStyle(const ui::Row& row) {
  switch (row.kind) {
    case ui::Kind::Button:
      return BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
    case ui::Kind::RadioBox:
      return BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
    case ui::Kind::CheckBox:
      if (row.toggle) return BS_CHECKBOX | BS_PUSHLIKE | BS_MULTILINE | BS_CENTER | BS_VCENTER;
      return BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
    case ui::Kind::OptionButton:  // the skin leaves an owner-drawn button to us
      return BS_OWNERDRAW;
    case ui::Kind::GroupBox:
      return BS_GROUPBOX | WS_CLIPCHILDREN |
             (row.hAlign == ui::HAlign::Centre ? BS_CENTER : BS_LEFT);
    case ui::Kind::EditBox:
      if (row.multiLine) return ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
      return ES_LEFT | ES_AUTOHSCROLL;
    case ui::Kind::Label:
      return row.edge == ui::Edge::Single ? WS_BORDER : 0;
    default:
      return 0;
  }
}

DWORD KindExStyle(const ui::Row& row) {
  DWORD exStyle = EdgeExStyle(row.edge);
  if (row.kind == ui::Kind::TransLabel) exStyle |= WS_EX_TRANSPARENT;
  // Tab moves into panels.
  if (row.kind == ui::Kind::GroupBox) exStyle |= WS_EX_CONTROLPARENT;
  return exStyle;
}

}  // namespace lornel::win32
