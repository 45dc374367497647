// Small helpers shared by the painters.
#pragma once

#include <windows.h>

#include "skinlib/dll/theme.h"

namespace skinh {

// A window's text, read at paint time (never changed by the library).
class WindowText {
 public:
  explicit WindowText(HWND hwnd);
  ~WindowText();
  WindowText(const WindowText&) = delete;
  WindowText& operator=(const WindowText&) = delete;
  const wchar_t* data() const { return text_; }
  int length() const { return length_; }

 private:
  wchar_t inline_[256];
  wchar_t* text_ = inline_;
  int length_ = 0;
};

// Selects the control's own font (WM_GETFONT), or DEFAULT_GUI_FONT, for the scope.
class FontScope {
 public:
  FontScope(HDC dc, HWND hwnd);
  ~FontScope();
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// The brush and text colour the parent asks for (WM_CTLCOLOR*). A parent that
// gives the system's default answer gets the skin's face and text instead.
struct ParentColours {
  HBRUSH brush;
  COLORREF text;
};
ParentColours AskParent(HWND hwnd, HDC dc, UINT message, const Theme& theme);

UINT UiState(HWND hwnd);         // WM_QUERYUISTATE
UINT PrefixFlags(UINT uiState);  // DT_HIDEPREFIX when accelerators are hidden
void FillSolidRect(HDC dc, const RECT& r, COLORREF colour);
void DrawTick(HDC dc, const RECT& box, int minWidth, COLORREF colour);
// The colour of a solid brush, or fallback.
COLORREF BrushColour(HBRUSH brush, COLORREF fallback);

}  // namespace skinh
