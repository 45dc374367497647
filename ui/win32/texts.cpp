// Texts of the controls and the window: GBK for the program's handlers,
// UTF-16 for the editor's.
#include "platform/win32/text.h"
#include "ui/control_rules.h"
#include "ui/win32/form.h"
#include "ui/win32/window_text.h"

namespace lornel::win32 {

void Win32Form::SetText(int id, const std::string& text) {
  // Setting the caption it already has is no change: nothing to repaint, nothing to report.
  if (Text(id) == text) return;
  SetCaption(controls_[id], Wide(text));
}

std::string Win32Form::Text(int id) const { return Gbk(WindowText(controls_[id].hwnd)); }

std::u16string Win32Form::UnicodeText(int id) const {
  const std::wstring text = WindowText(controls_[id].hwnd);
  return std::u16string(text.begin(), text.end());
}

void Win32Form::SetUnicodeText(int id, std::u16string_view text) {
  if (UnicodeText(id) == text) return;
  SetCaption(controls_[id], std::wstring(text.begin(), text.end()));
}

void Win32Form::SetCaption(Control& c, const std::wstring& text) {
  SetWindowTextW(c.hwnd, text.c_str());
  // A single-line edit control reports WM_SETTEXT with EN_CHANGE; a multi-line one does not.
  if (ui::rules::TextSetReportsChange(*c.row) && c.row->multiLine) Raise(c, ui::Event::TextChanged);
  if (c.row->kind == ui::Kind::TransLabel) {
    RepaintTransparent(c);
  } else if (c.row->kind == ui::Kind::Label) {
    InvalidateRect(c.hwnd, nullptr, FALSE);
  }
}

void Win32Form::SetWindowCaption(const std::string& caption) {
  SetWindowTextW(hwnd_, Wide(caption).c_str());
}

}  // namespace lornel::win32
