#include "skinlib/dll/paint_util.h"

#include "skinlib/dll/syscolors.h"

namespace skinh {

using namespace lornel::skin;

WindowText::WindowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) {
    inline_[0] = L'\0';
    return;
  }
  if (length >= static_cast<int>(sizeof(inline_) / sizeof(inline_[0]))) {
    auto* heap = static_cast<wchar_t*>(
        HeapAlloc(GetProcessHeap(), 0, (static_cast<SIZE_T>(length) + 1) * sizeof(wchar_t)));
    if (heap) {
      text_ = heap;
    } else {
      length = static_cast<int>(sizeof(inline_) / sizeof(inline_[0])) - 1;
    }
  }
  length_ = GetWindowTextW(hwnd, text_, length + 1);
  if (length_ < 0) length_ = 0;
  text_[length_] = L'\0';
}

WindowText::~WindowText() {
  if (text_ != inline_) HeapFree(GetProcessHeap(), 0, text_);
}

FontScope::FontScope(HDC dc, HWND hwnd) : dc_(dc) {
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  if (!font) font = GetStockObject(DEFAULT_GUI_FONT);
  old_ = SelectObject(dc, font);
}

FontScope::~FontScope() {
  if (old_) SelectObject(dc_, old_);
}

ParentColours AskParent(HWND hwnd, HDC dc, UINT message, const Theme& theme) {
  const COLORREF face = theme.Colour(kFace);
  const COLORREF text = theme.Colour(kFaceText);
  SetTextColor(dc, text);
  SetBkColor(dc, face);
  HWND parent = GetParent(hwnd);
  HBRUSH brush =
      parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(hwnd)))
             : nullptr;
  if (!brush || IsSystemBrush(brush)) {
    SetTextColor(dc, text);
    SetBkColor(dc, face);
    return {theme.Brush(COLOR_BTNFACE), text};
  }
  return {brush, GetTextColor(dc)};
}

UINT UiState(HWND hwnd) { return static_cast<UINT>(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0)); }

UINT PrefixFlags(UINT uiState) { return (uiState & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0; }

void FillSolidRect(HDC dc, const RECT& r, COLORREF colour) {
  const COLORREF old = SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
}

void DrawTick(HDC dc, const RECT& box, int minWidth, COLORREF colour) {
  const int size = box.right - box.left;
  int width = size / 7;
  if (width < minWidth) width = minWidth;
  LOGBRUSH lb{BS_SOLID, colour, 0};
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width, &lb, 0,
                          nullptr);
  if (!pen) return;
  HGDIOBJ old = SelectObject(dc, pen);
  const POINT points[3] = {{box.left + size * 2 / 9, box.top + size / 2},
                           {box.left + size * 4 / 9, box.top + size * 17 / 24},
                           {box.left + size * 7 / 9, box.top + size * 7 / 24}};
  Polyline(dc, points, 3);
  SelectObject(dc, old);
  DeleteObject(pen);
}

COLORREF BrushColour(HBRUSH brush, COLORREF fallback) {
  LOGBRUSH lb{};
  if (brush && GetObjectW(brush, sizeof(lb), &lb) == sizeof(lb) && lb.lbStyle == BS_SOLID)
    return lb.lbColor;
  return fallback;
}

}  // namespace skinh
