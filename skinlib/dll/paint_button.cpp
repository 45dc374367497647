// Push buttons, radio buttons, check boxes and group boxes.
#include "skinlib/dll/canvas.h"
#include "skinlib/dll/paint.h"
#include "skinlib/dll/paint_util.h"
#include "skinlib/dll/scale.h"

namespace skinh {
namespace {

using namespace lornel::skin;

enum class ButtonKind { kPush, kRadio, kCheck, kGroup, kOther };

ButtonKind KindOf(LONG style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return (style & (BS_BITMAP | BS_ICON)) ? ButtonKind::kOther : ButtonKind::kPush;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return (style & (BS_BITMAP | BS_ICON)) ? ButtonKind::kOther
             : (style & BS_PUSHLIKE)         ? ButtonKind::kPush
                                             : ButtonKind::kRadio;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return (style & (BS_BITMAP | BS_ICON)) ? ButtonKind::kOther
             : (style & BS_PUSHLIKE)         ? ButtonKind::kPush
                                             : ButtonKind::kCheck;
    case BS_GROUPBOX:
      return ButtonKind::kGroup;
    default:
      return ButtonKind::kOther;  // owner-drawn, user buttons, split buttons...
  }
}

// Horizontal DrawText alignment from BS_LEFT / BS_RIGHT / BS_CENTER.
UINT HorizontalFlags(LONG style, UINT fallback) {
  switch (style & BS_CENTER) {
    case BS_LEFT:
      return DT_LEFT;
    case BS_RIGHT:
      return DT_RIGHT;
    case BS_CENTER:
      return DT_CENTER;
    default:
      return fallback;
  }
}

enum class VAlign { kTop, kMiddle, kBottom };
VAlign VerticalAlign(LONG style) {
  switch (style & BS_VCENTER) {
    case BS_TOP:
      return VAlign::kTop;
    case BS_BOTTOM:
      return VAlign::kBottom;
    default:
      return VAlign::kMiddle;
  }
}

// Draws a caption into box with the button's alignment rules; multi-line
// captions (BS_MULTILINE, or CR LF in the text) are placed as one block.
// Returns the rectangle the text took.
RECT DrawCaption(HDC dc, const WindowText& text, RECT box, LONG style, UINT hFallback,
                 UINT prefix) {
  const UINT h = HorizontalFlags(style, hFallback);
  const bool multi = (style & BS_MULTILINE) != 0;
  RECT measured = box;
  const UINT base = h | prefix | (multi ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(dc, text.data(), text.length(), &measured, base | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  RECT place = box;
  switch (VerticalAlign(style)) {
    case VAlign::kTop:
      place.bottom = place.top + height;
      break;
    case VAlign::kBottom:
      place.top = place.bottom - height;
      break;
    case VAlign::kMiddle:
      place.top = box.top + (box.bottom - box.top - height) / 2;
      place.bottom = place.top + height;
      break;
  }
  DrawTextW(dc, text.data(), text.length(), &place, base);
  // The rectangle actually covered, for the focus mark.
  const int width = measured.right - measured.left;
  RECT used = place;
  if (h == DT_CENTER)
    used.left = box.left + (box.right - box.left - width) / 2;
  else if (h == DT_RIGHT)
    used.left = box.right - width;
  used.right = used.left + width;
  return used;
}

void PaintPush(HWND hwnd, Canvas& cv, const Theme& t, const Looks& looks, const Scale& s) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LRESULT state = SendMessageW(hwnd, BM_GETSTATE, 0, 0);
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const bool pressed =
      enabled && ((state & BST_PUSHED) || (state & (BST_CHECKED | BST_INDETERMINATE)));
  const bool focused = GetFocus() == hwnd;
  const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const UINT ui = UiState(hwnd);

  const RECT all{0, 0, cv.width(), cv.height()};
  const ParentColours parent = AskParent(hwnd, cv.dc(), WM_CTLCOLORBTN, t);
  cv.FillBrush(all, parent.brush);

  Fill fill{t.Colour(kButtonTop), t.Colour(kButtonBottom), t.Metric(kGloss) != 0};
  COLORREF text = t.Colour(kButtonText);
  COLORREF border = t.Colour(kButtonBorder);
  if (!enabled) {
    fill = {t.Colour(kDisabledFace), t.Colour(kDisabledFace), false};
    text = t.Colour(kDisabledText);
    border = Mix(t.Colour(kDisabledFace), t.Colour(kDisabledText), 110);
  } else if (pressed) {
    fill = {t.Colour(kPressedTop), t.Colour(kPressedBottom), false};
    text = t.Colour(kPressedText);
  } else if (looks.hot) {
    fill.top = t.Colour(kHotTop);
    fill.bottom = t.Colour(kHotBottom);
    text = t.Colour(kHotText);
  }
  if (enabled && (isDefault || focused)) border = t.Colour(kAccent);

  const int radius = s.Px(t.Metric(kButtonRadius));
  const int bw = s.Px(t.Metric(kBorderWidth));
  cv.RoundRect(all, radius, bw, border, &fill);
  if (enabled && focused && !(ui & UISF_HIDEFOCUS)) {
    const int inset = bw + s.Px(2);
    const RECT ring{inset, inset, cv.width() - inset, cv.height() - inset};
    cv.Outline(ring, radius > inset ? radius - inset : 0, s.Px(1), t.Colour(kAccent));
  }

  WindowText caption(hwnd);
  if (caption.length() == 0) return;
  FontScope font(cv.dc(), hwnd);
  SetBkMode(cv.dc(), TRANSPARENT);
  SetTextColor(cv.dc(), text);
  int pad = bw + s.Px(3) + radius / 3;
  // A one-line caption wider than the padded face takes from the padding: a
  // scaled-down font draws wider than the scale says, and a cut word misreads.
  bool oneLine = true;
  for (int i = 0; i < caption.length(); ++i) oneLine = oneLine && caption.data()[i] != L'\n';
  SIZE extent{};
  if (oneLine && GetTextExtentPoint32W(cv.dc(), caption.data(), caption.length(), &extent) &&
      extent.cx > cv.width() - 2 * pad) {
    const int centred = (cv.width() - static_cast<int>(extent.cx)) / 2;
    pad = centred > bw + s.Px(1) ? centred : bw + s.Px(1);
  }
  RECT box{pad, bw + s.Px(1), cv.width() - pad, cv.height() - bw - s.Px(1)};
  if (pressed) OffsetRect(&box, s.Px(1), s.Px(1));
  DrawCaption(cv.dc(), caption, box, style | ((style & BS_VCENTER) ? 0 : BS_VCENTER), DT_CENTER,
              PrefixFlags(ui));
}

void PaintMark(HWND hwnd, Canvas& cv, const Theme& t, const Looks& looks, const Scale& s,
               bool radio) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LRESULT state = SendMessageW(hwnd, BM_GETSTATE, 0, 0);
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const bool pushed = (state & BST_PUSHED) != 0;
  const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
  const bool focused = GetFocus() == hwnd;
  const UINT ui = UiState(hwnd);

  const RECT all{0, 0, cv.width(), cv.height()};
  const ParentColours parent = AskParent(hwnd, cv.dc(), WM_CTLCOLORSTATIC, t);
  cv.FillBrush(all, parent.brush);

  FontScope font(cv.dc(), hwnd);
  TEXTMETRICW tm{};
  GetTextMetricsW(cv.dc(), &tm);
  // The circle grows with the caption's font, so that large classroom captions
  // do not sit beside a tiny mark.
  int size = tm.tmHeight * 3 / 4 + s.Px(1);
  size = size < s.Px(13) ? s.Px(13) : size > s.Px(28) ? s.Px(28) : size;
  if (size > cv.height()) size = cv.height();
  const bool markRight = (style & BS_LEFTTEXT) != 0;
  const int edge = s.Px(1);
  int top = (cv.height() - size) / 2;
  if (VerticalAlign(style) == VAlign::kTop) top = edge;
  if (VerticalAlign(style) == VAlign::kBottom) top = cv.height() - size - edge;
  const int left = markRight ? cv.width() - size - edge : edge;
  const RECT box{left, top, left + size, top + size};

  COLORREF ring = t.Colour(kFrame);
  COLORREF inside = t.Colour(kField);
  COLORREF mark = t.Colour(kMark);
  if (!enabled) {
    ring = t.Colour(kShadow);
    inside = t.Colour(kDisabledFace);
    mark = t.Colour(kDisabledText);
  } else {
    if (looks.hot || focused) ring = t.Colour(kAccent);
    if (pushed) inside = Mix(t.Colour(kField), t.Colour(kAccent), 48);
  }
  const Fill fieldFill{inside, inside, false};
  const Fill markFill{mark, mark, false};
  const int ringWidth = s.Px(size >= s.Px(20) ? 2 : 1);
  if (radio) {
    cv.RoundRect(box, size / 2, ringWidth, ring, &fieldFill);
    if (check == BST_CHECKED) {
      const int inset = size * 3 / 10;
      const RECT dot{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
      cv.RoundRect(dot, (dot.right - dot.left) / 2, 0, mark, &markFill);
    }
  } else {
    cv.RoundRect(box, size / 6, ringWidth, ring, &fieldFill);
    if (check == BST_INDETERMINATE) {
      const int inset = size / 4;
      const RECT block{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
      cv.RoundRect(block, s.Px(1), 0, mark, &markFill);
    } else if (check == BST_CHECKED) {
      DrawTick(cv.dc(), box, s.Px(2), mark);
    }
  }

  WindowText caption(hwnd);
  if (caption.length() == 0) return;
  SetBkMode(cv.dc(), TRANSPARENT);
  SetTextColor(cv.dc(), enabled ? parent.text : t.Colour(kDisabledText));
  const int gap = size / 3 + s.Px(3);
  RECT textBox = markRight ? RECT{0, 0, box.left - gap, cv.height()}
                           : RECT{box.right + gap, 0, cv.width(), cv.height()};
  const RECT used = DrawCaption(cv.dc(), caption, textBox, style, DT_LEFT, PrefixFlags(ui));
  if (focused && !(ui & UISF_HIDEFOCUS)) {
    const int dot = s.Px(1);
    RECT focus{used.left - dot, used.top, used.right + dot, used.bottom};
    IntersectRect(&focus, &focus, &all);
    if (dot == 1) {
      SetTextColor(cv.dc(), RGB(0, 0, 0));
      DrawFocusRect(cv.dc(), &focus);
    } else {
      cv.DottedFrame(focus, dot);  // DrawFocusRect's dots are always one pixel
    }
  }
}

struct GroupLayout {
  int captionHeight;
  RECT caption;  // empty when there is no caption
};

GroupLayout LayoutGroup(HWND hwnd, HDC dc, const WindowText& caption, int width, int radius,
                        const Scale& s, UINT prefix) {
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  GroupLayout g{tm.tmHeight, {0, 0, 0, 0}};
  if (caption.length() == 0) return g;
  RECT measured{0, 0, width, tm.tmHeight};
  DrawTextW(dc, caption.data(), caption.length(), &measured, DT_SINGLELINE | DT_CALCRECT | prefix);
  const int textWidth = measured.right - measured.left;
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const int margin = s.Px(8) + radius / 2;
  int x = margin;
  if ((style & BS_CENTER) == BS_CENTER)
    x = (width - textWidth) / 2;
  else if ((style & BS_CENTER) == BS_RIGHT)
    x = width - margin - textWidth;
  g.caption = {x, 0, x + textWidth, tm.tmHeight};
  return g;
}

void PaintGroupFilled(HWND hwnd, Canvas& cv, const Theme& t, const Scale& s) {
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const UINT prefix = PrefixFlags(UiState(hwnd));
  const RECT all{0, 0, cv.width(), cv.height()};
  const ParentColours parent = AskParent(hwnd, cv.dc(), WM_CTLCOLORSTATIC, t);
  cv.FillBrush(all, parent.brush);

  FontScope font(cv.dc(), hwnd);
  WindowText caption(hwnd);
  const int radius = s.Px(t.Metric(kPanelRadius));
  const int line = s.Px(1);
  const GroupLayout g = LayoutGroup(hwnd, cv.dc(), caption, cv.width(), radius, s, prefix);
  const RECT frame{0, g.captionHeight / 2, cv.width(), cv.height()};
  if (t.Metric(kFrameStyle) == 1) {
    cv.Outline({frame.left + line, frame.top + line, frame.right, frame.bottom}, radius, line,
               t.Colour(kFrameLight));
    cv.Outline({frame.left, frame.top, frame.right - line, frame.bottom - line}, radius, line,
               t.Colour(kFrame));
  } else {
    cv.Outline(frame, radius, line, t.Colour(kFrame));
  }
  if (caption.length() == 0) return;

  RECT textBox = g.caption;
  if (t.Metric(kCaptionStyle) == 1) {
    const Fill tab{t.Colour(kLight), t.Colour(kLight), false};
    const RECT tabRect{textBox.left - s.Px(7), 0, textBox.right + s.Px(7),
                       g.captionHeight + s.Px(2)};
    cv.RoundRect(tabRect, radius < s.Px(5) ? radius : s.Px(5), line, t.Colour(kFrame), &tab);
  } else {
    cv.FillBrush({textBox.left - s.Px(4), 0, textBox.right + s.Px(4), g.captionHeight},
                 parent.brush);
  }
  SetBkMode(cv.dc(), TRANSPARENT);
  SetTextColor(cv.dc(), enabled ? parent.text : t.Colour(kDisabledText));
  DrawTextW(cv.dc(), caption.data(), caption.length(), &textBox, DT_SINGLELINE | DT_LEFT | prefix);
}

// Group boxes that do not clip what lies inside them: only the frame and the
// caption are drawn, straight onto the window, as the system's own would.
void PaintGroupOutline(HWND hwnd, HDC dc, const Theme& t, const Scale& s) {
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const UINT prefix = PrefixFlags(UiState(hwnd));
  RECT client;
  GetClientRect(hwnd, &client);
  const ParentColours parent = AskParent(hwnd, dc, WM_CTLCOLORSTATIC, t);
  FontScope font(dc, hwnd);
  WindowText caption(hwnd);
  const GroupLayout g = LayoutGroup(hwnd, dc, caption, client.right, 0, s, prefix);
  const int top = g.captionHeight / 2;
  const int w = client.right, h = client.bottom;
  const bool etched = t.Metric(kFrameStyle) == 1;
  const int line = s.Px(1);
  // With an etched frame the light line lies one line in and down.
  for (int pass = etched ? 0 : 1; pass < 2; ++pass) {
    const int o = pass == 0 ? line : 0;
    const COLORREF c = pass == 0 ? t.Colour(kFrameLight) : t.Colour(kFrame);
    const int right = w - (etched ? line - o : 0), bottom = h - (etched ? line - o : 0);
    FillSolidRect(dc, {o, top + o, right, top + o + line}, c);
    FillSolidRect(dc, {o, bottom - line, right, bottom}, c);
    FillSolidRect(dc, {o, top + o, o + line, bottom}, c);
    FillSolidRect(dc, {right - line, top + o, right, bottom}, c);
  }
  if (caption.length() == 0) return;
  RECT textBox = g.caption;
  RECT gap{textBox.left - s.Px(4), 0, textBox.right + s.Px(4), g.captionHeight};
  FillRect(dc, &gap, parent.brush);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? parent.text : t.Colour(kDisabledText));
  DrawTextW(dc, caption.data(), caption.length(), &textBox, DT_SINGLELINE | DT_LEFT | prefix);
}

}  // namespace

bool SkinsButtonStyle(HWND hwnd) {
  return KindOf(GetWindowLongW(hwnd, GWL_STYLE)) != ButtonKind::kOther;
}

bool GroupBoxFillsInside(HWND hwnd) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if (style & WS_CLIPCHILDREN) return true;
  return (style & WS_CLIPSIBLINGS) && !GetWindow(hwnd, GW_CHILD);
}

void PaintButton(HWND hwnd, HDC target, const Theme& theme, const Looks& looks) {
  const ButtonKind kind = KindOf(GetWindowLongW(hwnd, GWL_STYLE));
  if (kind == ButtonKind::kOther) return;
  const Scale s = ScaleOf(hwnd);
  if (kind == ButtonKind::kGroup && !GroupBoxFillsInside(hwnd)) {
    PaintGroupOutline(hwnd, target, theme, s);
    return;
  }
  RECT client;
  GetClientRect(hwnd, &client);
  Canvas cv(target, client.right, client.bottom);
  if (!cv.ok()) return;
  switch (kind) {
    case ButtonKind::kPush:
      PaintPush(hwnd, cv, theme, looks, s);
      break;
    case ButtonKind::kRadio:
      PaintMark(hwnd, cv, theme, looks, s, true);
      break;
    case ButtonKind::kCheck:
      PaintMark(hwnd, cv, theme, looks, s, false);
      break;
    case ButtonKind::kGroup:
      PaintGroupFilled(hwnd, cv, theme, s);
      break;
    case ButtonKind::kOther:
      break;
  }
  cv.CopyTo(target, 0, 0);
}

}  // namespace skinh
