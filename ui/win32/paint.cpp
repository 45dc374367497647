#include "ui/win32/paint.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ui/paint_geometry.h"
#include "ui/question_picture.h"
#include "ui/win32/classes.h"
#include "ui/win32/window_text.h"

namespace lornel::win32 {
namespace {

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

// A one-line caption of a scaled window, each glyph where the table-size font
// puts it times the scale. Advances rounded at the scaled size would add up and
// move a sentence's gaps away from the labels that lie over them. The DC
// leaves with the font it came with, drawn or not.
bool DrawScaledLine(const Control& c, HDC dc, const RECT& rect, const std::wstring& caption) {
  const ui::Scale scale = c.form->scale();
  if (scale.IsOne() || !c.tableFont || c.row->wordWrap ||
      caption.find_first_of(L"\r\n") != std::wstring::npos)
    return false;
  const int n = static_cast<int>(caption.size());
  std::vector<int> ends(caption.size());
  SIZE table;
  {
    Selection tableSize(dc, c.tableFont);
    if (!GetTextExtentExPointW(dc, caption.c_str(), n, 0, nullptr, ends.data(), &table))
      return false;
  }
  std::vector<int> advances(caption.size());
  for (int i = 0, at = 0; i < n; ++i) {
    const int end = scale.Of(ends[i]);
    advances[i] = end - at;
    at = end;
  }
  Selection scaled(dc, c.font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  const int width = scale.Of(table.cx), height = metrics.tmHeight;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int x = c.row->hAlign == ui::HAlign::Centre  ? (w - width) / 2
                : c.row->hAlign == ui::HAlign::Right ? w - width
                                                     : 0;
  const int y = c.row->vAlign == ui::VAlign::Middle   ? (h - height) / 2
                : c.row->vAlign == ui::VAlign::Bottom ? h - height
                                                      : 0;
  ExtTextOutW(dc, rect.left + x, rect.top + y, ETO_CLIPPED, &rect, caption.c_str(),
              static_cast<UINT>(n), advances.data());
  return true;
}

void DrawCaption(const Control& c, HDC dc, RECT rect) {
  const std::wstring caption = WindowText(c.hwnd);
  if (caption.empty()) return;
  Selection font(dc, c.font ? c.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, c.textColour);
  if (!DrawScaledLine(c, dc, rect, caption))
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, TextFlags(*c.row));
}

constexpr COLORREF kNoteColour = RGB(0x80, 0x80, 0x80);

RECT ToRect(const ui::Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

}  // namespace

void DrawPicture(const ui::Pixels& source, ScaledCopy& copy, HDC dc, const ui::Rect& r,
                 COLORREF background) {
  if (r.width <= 0 || r.height <= 0) return;
  if (!copy.bitmap || copy.size != ui::Size{r.width, r.height}) {
    copy.bitmap.Reset();
    const ui::Pixels scaled = ui::ScalePicture(source, r.width, r.height, background);
    if (scaled.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = r.width;
    info.bmiHeader.biHeight = -r.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    copy.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy.bitmap) return;
    std::memcpy(bits, scaled.argb.data(), scaled.argb.size() * sizeof(scaled.argb[0]));
    GdiFlush();
    copy.size = {r.width, r.height};
  }
  const OwnedMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  Selection selected(memory.get(), copy.bitmap.get());
  BitBlt(dc, r.left, r.top, r.width, r.height, memory.get(), 0, 0, SRCCOPY);
}

namespace {

// The caption beside its picture, or above a grey one-line note when the
// picture could not be shown.
void DrawCaptionWithPicture(const Control& c, HDC dc, const RECT& rect) {
  LabelPicture& picture = *c.labelPicture;
  const ui::Rect label{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  if (picture.source.empty()) {
    Selection font(dc, c.font ? c.font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT text = rect, note = rect;
    text.bottom = note.top = std::max(rect.top, rect.bottom - metrics.tmHeight);
    DrawCaption(c, dc, text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kNoteColour);
    DrawTextW(dc, picture.note.c_str(), static_cast<int>(picture.note.size()), &note,
              DT_NOPREFIX | DT_SINGLELINE | DT_LEFT | DT_BOTTOM | DT_END_ELLIPSIS);
    return;
  }
  const bool hasText = !WindowText(c.hwnd).empty();
  const ui::PictureLayout layout = ui::LayOutQuestionPicture(
      label, {picture.source.width, picture.source.height}, hasText, c.form->scale());
  if (hasText) DrawCaption(c, dc, ToRect(layout.text));
  DrawPicture(picture.source, picture.scaled, dc, layout.picture,
              BackgroundColour(c.row->background));
}

}  // namespace

void PaintLabel(const Control& c, HDC dc, const RECT& client) {
  RECT rect = client;
  const ui::Row& row = *c.row;
  if (row.edge == ui::Edge::Gradient && row.frame.width > 0) {
    const int w = client.right - client.left, h = client.bottom - client.top;
    ui::GradientFrame frame = row.frame;
    frame.width = c.form->scale().Of(frame.width);
    const auto lines = ui::GradientFrameLines(frame, w, h);
    for (const ui::FrameLine& line : lines) {
      const OwnedBrush brush(CreateSolidBrush(line.colour));
      RECT r = line.horizontal ? RECT{line.from, line.fixed, line.to, line.fixed + 1}
                               : RECT{line.fixed, line.from, line.fixed + 1, line.to};
      FillRect(dc, &r, brush.get());
    }
    if (!lines.empty()) {
      const int used = ui::UsedFrameWidth(frame, w, h);
      InflateRect(&rect, -used, -used);
    }
  }
  FillRect(dc, &rect, BackgroundBrush(row.background));
  if (c.labelPicture)
    DrawCaptionWithPicture(c, dc, rect);
  else
    DrawCaption(c, dc, rect);
}

void PaintTransLabel(const Control& c, HDC dc, const RECT& client) { DrawCaption(c, dc, client); }

void PaintPicture(const Control& c, HDC dc, const RECT& client) {
  if (!c.picture) {  // a picture that failed to decode is simply not shown
    FillRect(dc, &client, BackgroundBrush(c.row->background));
    return;
  }
  const OwnedMemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  Selection picture(source.get(), c.picture.get());
  const bool deep = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 16;
  SetStretchBltMode(dc, deep ? HALFTONE : COLORONCOLOR);
  if (deep) SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
             source.get(), 0, 0, c.pictureWidth, c.pictureHeight, SRCCOPY);
}

}  // namespace lornel::win32
