// Option buttons: owner-drawn push buttons, painted from their look
// (ui/option_paint.h) whenever the button asks (WM_DRAWITEM): shown, pressed,
// released, or told of a new look.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/option_paint.h"
#include "ui/win32/form.h"
#include "ui/win32/window_text.h"

namespace lornel::win32 {
namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

void Fill(HDC dc, const RECT& r, ui::Colour colour) {
  const OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush ? brush.get() : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

RECT ToRect(const ui::Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

// The caption's height at this font, laid out at the box's width; wider than
// the box when one word alone is.
SIZE Needed(HDC dc, HFONT font, const std::wstring& text, int width) {
  Selection selected(dc, font);
  RECT needed{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, kCaptionFlags | DT_CALCRECT);
  return {needed.right - needed.left, needed.bottom - needed.top};
}

void DrawMark(HDC dc, const ui::OptionPaint& p) {
  if (p.shape == ui::OptionMark::None) return;
  if (p.shape == ui::OptionMark::Dot) {
    const OwnedBrush brush(CreateSolidBrush(p.mark));
    Selection fill(dc, brush.get());
    Selection outline(dc, GetStockObject(NULL_PEN));
    const int inset = p.markBox.width / 6;
    Ellipse(dc, p.markBox.left + inset, p.markBox.top + inset, p.markBox.right() - inset + 1,
            p.markBox.bottom() - inset + 1);
    return;
  }
  LOGBRUSH stroke{BS_SOLID, p.mark, 0};
  const OwnedPen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                  static_cast<DWORD>(ui::MarkPenWidth(p.markBox)), &stroke, 0,
                                  nullptr));
  Selection selected(dc, pen.get());
  for (const std::vector<ui::Point>& line : ui::MarkStrokes(p.shape, p.markBox)) {
    std::vector<POINT> points;
    for (const ui::Point& at : line) points.push_back({at.x, at.y});
    Polyline(dc, points.data(), static_cast<int>(points.size()));
  }
}

void DrawOption(Control& c, HDC dc, int w, int h, bool pressed) {
  const ui::OptionPaint p = ui::PlanOption({w, h}, c.optionLook, pressed, c.form->scale());
  Fill(dc, {0, 0, w, h}, p.frame);
  Fill(dc, {p.frameWidth, p.frameWidth, w - p.frameWidth, h - p.frameWidth}, p.face);
  DrawMark(dc, p);
  const std::wstring caption = WindowText(c.hwnd);
  if (caption.empty() || p.textBox.width <= 0) return;
  const auto fontAt = [&c](int height) {
    ui::Font font = c.row->font;
    font.height = height;
    return c.form->FontAt(font);
  };
  const int height = ui::FitOptionFont(c.row->font.height, [&](int at) {
    const SIZE needed = Needed(dc, fontAt(at), caption, p.textBox.width);
    return needed.cx <= p.textBox.width && needed.cy <= p.textBox.height;
  });
  HFONT font = fontAt(height);
  const SIZE needed = Needed(dc, font, caption, p.textBox.width);
  RECT text = ToRect(p.textBox);
  if (needed.cy < p.textBox.height) text.top += (p.textBox.height - needed.cy) / 2;
  Selection selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, kCaptionFlags);
}

}  // namespace

bool Win32Form::OnDrawItem(const DRAWITEMSTRUCT& item) {
  Control* c = ControlOf(item.hwndItem);
  if (!c || c->row->kind != ui::Kind::OptionButton) return false;
  const RECT& r = item.rcItem;
  const int w = r.right - r.left, h = r.bottom - r.top;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  // Drawn aside and copied at once, so that a tap never shows a half-painted button.
  const OwnedMemoryDc memory(CreateCompatibleDC(item.hDC));
  const OwnedBitmap bitmap(memory ? CreateCompatibleBitmap(item.hDC, w, h) : nullptr);
  if (!bitmap) {
    SetViewportOrgEx(item.hDC, r.left, r.top, nullptr);
    DrawOption(*c, item.hDC, w, h, pressed);
    return true;
  }
  Selection selected(memory.get(), bitmap.get());
  DrawOption(*c, memory.get(), w, h, pressed);
  BitBlt(item.hDC, r.left, r.top, w, h, memory.get(), 0, 0, SRCCOPY);
  return true;
}

void Win32Form::SetOptionLook(int id, ui::OptionLook look) {
  Control& c = controls_[id];
  if (c.optionLook == look) return;
  c.optionLook = look;
  InvalidateRect(c.hwnd, nullptr, FALSE);
}

}  // namespace lornel::win32
