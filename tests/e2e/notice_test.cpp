// The notice window of a second copy as it stands on the screen: its frame,
// place and rounded outline, its labels and pictures, and the flickering
// colour of its message.
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"

namespace lornel::e2e {
namespace {

using app::NoticeId;

HWND Of(HWND notice, NoticeId id) { return Program::Control(notice, static_cast<int>(id)); }

// The most frequent colour that is not the label's background: the pure
// colour of its text (edges of the strokes are blends, fewer of each).
COLORREF TextColour(const Pixels& px) {
  std::map<COLORREF, int> count;
  for (COLORREF c : px.colours) ++count[c];
  COLORREF background = 0, text = 0;
  int most = 0, second = 0;
  for (const auto& [colour, n] : count) {
    if (n > most) {
      second = most, text = background;
      most = n, background = colour;
    } else if (n > second) {
      second = n, text = colour;
    }
  }
  return text;
}

int DistinctColours(const Pixels& px) {
  return static_cast<int>(std::set<COLORREF>(px.colours.begin(), px.colours.end()).size());
}

TEST(Notice, TheCardOfASecondCopy) {
  const std::wstring dir = FreshDirectory(L"notice");
  Program first = Program::Start(dir);
  ASSERT_TRUE(first.MainWindow());
  Program second = Program::Start(dir);
  HWND notice = second.WaitForWindow(L"", 10000);
  ASSERT_TRUE(notice);
  // Read first what lasts only a second.
  HWND seconds = Of(notice, NoticeId::标签2);
  EXPECT_EQ(Text(seconds), "2s");

  RECT r;
  GetWindowRect(notice, &r);
  EXPECT_EQ(r.right - r.left, 319);
  EXPECT_EQ(r.bottom - r.top, 96);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 319) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 96) / 2);
  const LONG frame =
      WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  EXPECT_EQ(GetWindowLongW(notice, GWL_STYLE) & frame, static_cast<LONG>(WS_DLGFRAME));
  EXPECT_TRUE(GetWindowLongW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);

  // Rounded along 19 x 19 corner ellipses: the corners are cut off, the
  // middles of the edges kept. A round-rectangle region ends one pixel short
  // of its right and bottom coordinates, as on Windows.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(notice, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 318);
  EXPECT_EQ(box.bottom, 95);
  for (POINT out :
       {POINT{0, 0}, POINT{2, 1}, POINT{317, 0}, POINT{0, 94}, POINT{317, 94}, POINT{315, 92}})
    EXPECT_FALSE(PtInRegion(region, out.x, out.y)) << "(" << out.x << ", " << out.y << ")";
  for (POINT in :
       {POINT{159, 48}, POINT{0, 48}, POINT{159, 0}, POINT{317, 48}, POINT{159, 94}, POINT{9, 9}})
    EXPECT_TRUE(PtInRegion(region, in.x, in.y)) << "(" << in.x << ", " << in.y << ")";
  DeleteObject(region);

  HWND message = Of(notice, NoticeId::标签1);
  EXPECT_EQ(Text(message), "本程序已经运行\r\n   请勿多开");
  EXPECT_EQ(RectInParent(message).left, 120);
  EXPECT_EQ(RectInParent(message).top, 16);
  EXPECT_EQ(RectInParent(seconds).left, 192);
  EXPECT_EQ(RectInParent(seconds).top, 64);
  // Both pictures decoded and painted: many colours, not a flat fill.
  HWND bubbles = Of(notice, NoticeId::图片框2), info = Of(notice, NoticeId::图片框1);
  ASSERT_TRUE(Visible(bubbles) && Visible(info));
  EXPECT_EQ(RectInParent(bubbles).right, 112);
  EXPECT_EQ(RectInParent(bubbles).bottom, 96);
  EXPECT_EQ(RectInParent(info).left, 280);
  EXPECT_EQ(RectInParent(info).right, 312);
  SettlePaint(notice);
  EXPECT_GT(DistinctColours(GrabWindow(bubbles)), 100);
  EXPECT_GT(DistinctColours(GrabWindow(info)), 30);
  // The card between the pictures and the labels is #C0C0C0; the labels
  // keep the lighter button face.
  POINT gap{115, 40};
  ClientToScreen(notice, &gap);
  const Pixels card = Grab({gap.x, gap.y, gap.x + 1, gap.y + 1});
  EXPECT_EQ(card.At(0, 0), RGB(0xC0, 0xC0, 0xC0));
  RECT labelRect;
  GetWindowRect(seconds, &labelRect);
  const Pixels label = Grab({labelRect.left, labelRect.top, labelRect.left + 1, labelRect.top + 1});
  EXPECT_NE(label.At(0, 0), RGB(0xC0, 0xC0, 0xC0));

  ShootWindow(notice, L"notice", 12);

  // The message changes colour every 50 ms.
  std::set<COLORREF> colours;
  for (int i = 0; i < 8 && !second.WaitForExit(0); ++i) {
    colours.insert(TextColour(GrabWindow(message)));
    Pause(110);
  }
  EXPECT_GE(colours.size(), 3u) << "the message's colour hardly changes";
}

}  // namespace
}  // namespace lornel::e2e
