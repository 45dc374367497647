// Edit box and progress bar frames, progress blocks, window backgrounds.
#include <windows.h>
#include <commctrl.h>

#include "skinlib/dll/canvas.h"
#include "skinlib/dll/paint.h"
#include "skinlib/dll/paint_util.h"
#include "skinlib/dll/scale.h"
#include "skinlib/dll/syscolors.h"

namespace skinh {
namespace {

using namespace lornel::skin;

// Width of the non-client edge as the system laid it out, which may follow the
// window's DPI (0 when there is none). Measured at the top: a mirrored layout
// moves the client origin sideways, scroll bars lie right and below.
int EdgeWidth(HWND hwnd) {
  RECT wr;
  POINT origin{0, 0};
  if (!GetWindowRect(hwnd, &wr) || !ClientToScreen(hwnd, &origin)) return 0;
  return origin.y - wr.top;
}

// A line in outer, the rest of the edge in inner, so the field looks framed by
// a single flat line. The edge is the system's; the line grows with the scale
// but leaves the inner ring at least a pixel.
void PaintFrame(HWND hwnd, COLORREF outer, COLORREF inner) {
  const int edge = EdgeWidth(hwnd);
  if (edge <= 0) return;
  int line = ScaleOf(hwnd).Px(1);
  if (line > edge - 1) line = edge > 1 ? edge - 1 : edge;
  RECT wr;
  GetWindowRect(hwnd, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  HDC dc = GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!dc) return;
  for (int i = 0; i < edge; ++i) {
    const COLORREF c = i < line ? outer : inner;
    FillSolidRect(dc, {i, i, w - i, i + 1}, c);
    FillSolidRect(dc, {i, h - i - 1, w - i, h - i}, c);
    FillSolidRect(dc, {i, i, i + 1, h - i}, c);
    FillSolidRect(dc, {w - i - 1, i, w - i, h - i}, c);
  }
  ReleaseDC(hwnd, dc);
}

}  // namespace

void PaintEditFrame(HWND hwnd, const Theme& t) {
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  // The inside ring takes the background the parent gives the edit box.
  HDC dc = GetDC(hwnd);
  COLORREF inside = t.Colour(kField);
  if (dc) {
    const UINT message = (!enabled || (style & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HWND parent = GetParent(hwnd);
    HBRUSH brush =
        parent ? reinterpret_cast<HBRUSH>(SendMessageW(
                     parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)))
               : nullptr;
    inside = BrushColour(brush, inside);
    ReleaseDC(hwnd, dc);
  }
  COLORREF outer = t.Colour(kFrame);
  if (!enabled)
    outer = t.Colour(kShadow);
  else if (GetFocus() == hwnd)
    outer = t.Colour(kAccent);
  PaintFrame(hwnd, outer, inside);
}

bool SkinsProgressStyle(HWND hwnd) { return !(GetWindowLongW(hwnd, GWL_STYLE) & PBS_MARQUEE); }

void PaintProgressFrame(HWND hwnd, const Theme& t) {
  PaintFrame(hwnd, IsWindowEnabled(hwnd) ? t.Colour(kFrame) : t.Colour(kShadow),
             t.Colour(kProgressTrack));
}

void PaintProgress(HWND hwnd, HDC target, const Theme& t) {
  const Scale s = ScaleOf(hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  Canvas cv(target, client.right, client.bottom);
  if (!cv.ok()) return;
  const RECT all{0, 0, cv.width(), cv.height()};
  cv.FillSolid(all, t.Colour(kProgressTrack));

  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const bool vertical = (style & PBS_VERTICAL) != 0;
  const int low = static_cast<int>(SendMessageW(hwnd, PBM_GETRANGE, TRUE, 0));
  const int high = static_cast<int>(SendMessageW(hwnd, PBM_GETRANGE, FALSE, 0));
  int pos = static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0));
  if (high > low) {
    pos = pos < low ? low : pos > high ? high : pos;
    const int margin = s.Px(1);
    const RECT inner{margin, margin, cv.width() - margin, cv.height() - margin};
    const int length = vertical ? inner.bottom - inner.top : inner.right - inner.left;
    const int thickness = vertical ? inner.right - inner.left : inner.bottom - inner.top;
    const int filled =
        static_cast<int>(static_cast<long long>(length) * (pos - low) / (high - low));
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const Fill fill = enabled ? Fill{t.Colour(kProgressTop), t.Colour(kProgressBottom), false}
                              : Fill{t.Colour(kShadow), t.Colour(kShadow), false};
    int block = s.Px(t.Metric(kBlockWidth));
    if (block == 0) block = thickness * 2 / 3;
    if (block < s.Px(2)) block = s.Px(2);
    int gap = s.Px(t.Metric(kBlockGap));
    if (style & PBS_SMOOTH) {
      block = filled;
      gap = 0;
    }
    if (filled > 0) {
      // Whole blocks up to the position, as the system's bar draws them; the
      // last one may be cut at the bar's end.
      for (int at = 0; at < filled && at < length; at += block + gap) {
        int end = at + block;
        if (end > length) end = length;
        if (style & PBS_SMOOTH) end = filled;
        RECT r = vertical ? RECT{inner.left, inner.bottom - end, inner.right, inner.bottom - at}
                          : RECT{inner.left + at, inner.top, inner.left + end, inner.bottom};
        cv.RoundRect(r, s.Px(1), 0, 0, &fill);
        if (block <= 0) break;
      }
    }
  }
  cv.CopyTo(target, 0, 0);
}

bool EraseContainer(HWND hwnd, HDC dc, const Theme& t) {
  const auto brush = static_cast<UINT_PTR>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND));
  int index = -1;
  if (brush >= 1 && brush <= COLOR_GRADIENTINACTIVECAPTION + 1) {
    index = static_cast<int>(brush) - 1;  // the (HBRUSH)(COLOR_x + 1) convention
  } else {
    for (int i = 0; i <= COLOR_GRADIENTINACTIVECAPTION && index < 0; ++i)
      if (brush && reinterpret_cast<HBRUSH>(brush) == RealSysColourBrush(i)) index = i;
  }
  if (index < 0 || !MapsSysColour(index, nullptr)) return false;
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, t.Brush(index));
  return true;
}

LRESULT FilterControlColour(HWND child, HDC dc, LRESULT answer, const Theme& t) {
  if (answer && !IsSystemBrush(reinterpret_cast<HBRUSH>(answer))) return answer;
  // Edit boxes keep whatever background their parent gives them.
  wchar_t cls[16];
  if (child && GetClassNameW(child, cls, 16) && lstrcmpiW(cls, L"Edit") == 0) return answer;
  SetTextColor(dc, t.Colour(kFaceText));
  SetBkColor(dc, t.Colour(kFace));
  return reinterpret_cast<LRESULT>(t.Brush(COLOR_BTNFACE));
}

}  // namespace skinh
