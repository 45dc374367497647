#include "ui/win32/paint.h"

#include <string>

#include "ui/paint_geometry.h"
#include "ui/win32/classes.h"

namespace lornel::win32 {
namespace {

std::wstring CaptionOf(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
  return text;
}

UINT TextFlags(const ui::Row& row) {
  UINT flags = DT_NOPREFIX;  // "&" is drawn as itself
  flags |= row.hAlign == ui::HAlign::Centre  ? DT_CENTER
           : row.hAlign == ui::HAlign::Right ? DT_RIGHT
                                             : DT_LEFT;
  if (row.wordWrap) return flags | DT_WORDBREAK | DT_TOP;
  flags |= DT_SINGLELINE;
  flags |= row.vAlign == ui::VAlign::Middle   ? DT_VCENTER
           : row.vAlign == ui::VAlign::Bottom ? DT_BOTTOM
                                              : DT_TOP;
  return flags;
}

void DrawCaption(const Control& c, HDC dc, RECT rect) {
  const std::wstring caption = CaptionOf(c.hwnd);
  if (caption.empty()) return;
  HGDIOBJ old = SelectObject(dc, c.font ? c.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, c.textColour);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, TextFlags(*c.row));
  SelectObject(dc, old);
}

}  // namespace

void PaintLabel(const Control& c, HDC dc, const RECT& client) {
  RECT rect = client;
  const ui::Row& row = *c.row;
  if (row.edge == ui::Edge::Gradient && row.frame.width > 0) {
    const int w = client.right - client.left, h = client.bottom - client.top;
    const auto lines = ui::GradientFrameLines(row.frame, w, h);
    for (const ui::FrameLine& line : lines) {
      HBRUSH brush = CreateSolidBrush(line.colour);
      RECT r = line.horizontal ? RECT{line.from, line.fixed, line.to, line.fixed + 1}
                               : RECT{line.fixed, line.from, line.fixed + 1, line.to};
      FillRect(dc, &r, brush);
      DeleteObject(brush);
    }
    if (!lines.empty()) {
      const int used = ui::UsedFrameWidth(row.frame, w, h);
      InflateRect(&rect, -used, -used);
    }
  }
  FillRect(dc, &rect, BackgroundBrush(row.background));
  DrawCaption(c, dc, rect);
}

void PaintTransLabel(const Control& c, HDC dc, const RECT& client) { DrawCaption(c, dc, client); }

void PaintPicture(const Control& c, HDC dc, const RECT& client) {
  if (!c.picture) {  // a picture that failed to decode is simply not shown
    FillRect(dc, &client, BackgroundBrush(c.row->background));
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, c.picture);
  const bool deep = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 16;
  SetStretchBltMode(dc, deep ? HALFTONE : COLORONCOLOR);
  if (deep) SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
             source, 0, 0, c.pictureWidth, c.pictureHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace lornel::win32
