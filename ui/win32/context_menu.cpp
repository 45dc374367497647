// Context menus: where a caption's characters lie as drawn (the score bar's
// menu picks a group by it), and a popup menu owned by the window.
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/owned.h"
#include "platform/win32/text.h"
#include "ui/win32/form.h"

namespace lornel::win32 {

// Table units: a scaled window draws a line glyph by glyph where its table-size
// font puts them (paint.cpp), so that font measures here; at scale one, the
// control's own, as DrawText places it.
int Win32Form::CaptionCharacterLeft(int id, std::size_t index) const {
  const Control& c = controls_[id];
  const std::string text = Text(id);
  const std::wstring all = Wide(text);
  const int before = static_cast<int>(Wide(text.substr(0, std::min(index, text.size()))).size());
  HFONT font = c.tableFont ? c.tableFont : c.font;
  WindowDc dc(c.hwnd);
  if (!dc) return 0;
  Selection selected(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE whole{}, head{};
  GetTextExtentPoint32W(dc.get(), all.c_str(), static_cast<int>(all.size()), &whole);
  GetTextExtentPoint32W(dc.get(), all.c_str(), before, &head);
  const int free = c.row->rect.width - whole.cx;
  const int start = c.row->hAlign == ui::HAlign::Centre  ? free / 2
                    : c.row->hAlign == ui::HAlign::Right ? free
                                                         : 0;
  return start + head.cx;
}

int Win32Form::PopupMenu(const std::vector<MenuItem>& items) {
  if (destroyed_ || !hwnd_) return -1;
  HMENU menu = CreatePopupMenu();
  if (!menu) return -1;
  // Command 0 is "nothing chosen", so item i answers i + 1.
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].text.empty()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING | (items[i].enabled ? 0u : MF_GRAYED), i + 1,
                  Wide(items[i].text).c_str());
    }
  }
  // Where the click (or the touch) was, not where the mouse has moved since.
  const DWORD at = GetMessagePos();
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, GET_X_LPARAM(at),
                                    GET_Y_LPARAM(at), 0, hwnd_, nullptr);
  DestroyMenu(menu);
  // The menu's loop runs the timers; the window may have gone meanwhile.
  return chosen > 0 && !destroyed_ ? chosen - 1 : -1;
}

}  // namespace lornel::win32
