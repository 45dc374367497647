// The real program on the display it starts on (run on 1280x800 at 96 DPI, on
// a 1024x768 projector and at 144 DPI on 2560x1440): whole on the screen, every
// control its table rectangle times the scale, captions drawn at that size,
// each score inside its gap of the sentence, and a question played by clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/notice_ids.h"
#include "quiz/main_ids.h"
#include "quiz/tables.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"
#include "tests/win32/support/scaled.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

// A name for the shots of this display: "1024x768@96" gives "1024x768-96dpi".
std::wstring ShotName(const wchar_t* what) {
  const char* display = std::getenv("LORNEL_DISPLAY");
  std::string name = display && *display ? display : "default";
  if (const auto at = name.find('@'); at != std::string::npos) name.replace(at, 1, "-") += "dpi";
  return std::wstring(what) + L"-" + std::wstring(name.begin(), name.end());
}

const std::string kQuiz =
    test::QuizFile{.titles = {"用英语打个招呼"}, .answers = {"Hello"}, .countdown = "30"}.Bytes();

struct Ink {
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

template <class Pred>
Ink InkOf(const Pixels& p, Pred is) {
  Ink ink;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (is(p.At(x, y))) {
        ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

bool Dark(COLORREF c) { return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90; }
bool Red(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90; }

// The ink of a caption drawn here, black on white, with a bold font of that height.
Ink RenderedInk(const std::wstring& text, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 2400, 400);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"");
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, 2400, 400};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutW(dc, 10, 10, text.c_str(), static_cast<int>(text.size()));
  Pixels p{2400, 400, {}};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.colours.push_back(GetPixel(dc, x, y));
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return InkOf(p, Dark);
}

TEST(Display, TheWindowAndEveryControlFitTheScreenAtTheirScale) {
  ASSERT_EQ(test::DisplayMismatch(), "");
  Session s(L"display", kQuiz);
  HWND main = s.p.MainWindow();
  const ui::Scale scale = test::LayoutScaleOf(main);
  ASSERT_GE(scale.permille(), ui::Scale::kMin);
  RECT work, window;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(main, &window);
  EXPECT_TRUE(window.left >= work.left && window.top >= work.top && window.right <= work.right &&
              window.bottom <= work.bottom)
      << window.left << "," << window.top << " " << window.right << "," << window.bottom;
  for (const ui::Row& row : quiz::MainTable().rows)
    EXPECT_TRUE(test::NearScaled(Program::Control(main, row.id), row.rect, scale))
        << reinterpret_cast<const char*>(row.name);

  // The start button's caption, as tall as this font draws it at the scaled size.
  ParkPointer();
  DropStaleHotLooks(main);
  SettlePaint(main);
  HWND start = s.Of(MainId::StartButton);
  const Ink shown = InkOf(GrabWindow(start), Dark);
  const Ink drawn = RenderedInk(Wide(Text(start)), scale.Of(56));
  EXPECT_NEAR(shown.height(), drawn.height(), 2);
  EXPECT_NEAR(shown.width(), drawn.width(), 0.03 * drawn.width());
}

TEST(Display, AQuestionIsPlayedByClicksAndItsScoreShowsInItsGap) {
  Session s(L"display-round", kQuiz);
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  s.TypeOnScreen("HELLO");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hello");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  Program::Answer(*right, IDOK);
  HWND score = s.Of(quiz::kGroups[0].score);
  EXPECT_TRUE(WaitUntil([&] { return Text(score) == "1"; }));

  // In view: on the screen, above any taskbar, and drawn.
  RECT work, at;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(score, &at);
  EXPECT_TRUE(at.left >= work.left && at.right <= work.right && at.bottom <= work.bottom);
  ParkPointer();
  SettlePaint(s.p.MainWindow());
  // Every score lies in its gap: no glyph of the sentence where two digits
  // would be drawn, and its "：" and "分" right beside the label.
  const ui::Scale scale = test::LayoutScaleOf(s.p.MainWindow());
  const auto darkIn = [](const RECT& r) {
    const Pixels p = Grab(r);
    return std::count_if(p.colours.begin(), p.colours.end(), Dark);
  };
  for (const quiz::Group& group : quiz::kGroups) {
    ASSERT_GT(InkOf(GrabWindow(s.Of(group.score)), Red).right, 0) << "a score is drawn";
    RECT label;
    GetWindowRect(s.Of(group.score), &label);
    const int edge = scale.Of(6), beside = scale.Of(24);
    EXPECT_EQ(darkIn({label.left + edge, label.top, label.right - edge, label.bottom}), 0)
        << "the sentence runs into group " << group.g << "'s score";
    EXPECT_GT(darkIn({label.left - beside, label.top, label.left, label.bottom}), 10)
        << "no \"：\" before group " << group.g << "'s score";
    EXPECT_GT(darkIn({label.right, label.top, label.right + beside, label.bottom}), 10)
        << "no \"分\" after group " << group.g << "'s score";
  }
  // The current group's line catches up within its second, then the picture.
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::AnsweringScore)) == "1"; }, 10000));
  DropStaleHotLooks(s.p.MainWindow());
  ShootWindow(s.p.MainWindow(), ShotName(L"main"));
}

TEST(Display, TheNoticeCardIsScaledWithItsRoundedOutline) {
  const std::wstring dir = FreshDirectory(L"display-notice");
  Program first = Program::Start(dir);
  ASSERT_TRUE(first.MainWindow());
  Program second = Program::Start(dir);
  HWND notice = second.WaitForWindow(L"", 10000);
  ASSERT_TRUE(notice);
  const ui::Scale scale = test::LayoutScaleOf(notice);
  RECT r, client;
  GetWindowRect(notice, &r);
  GetClientRect(notice, &client);
  EXPECT_GE(r.left, 0);
  EXPECT_GE(r.top, 0);
  EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  for (const ui::Row& row : app::NoticeTable().rows)
    EXPECT_TRUE(test::NearScaled(Program::Control(notice, row.id), row.rect, scale))
        << reinterpret_cast<const char*>(row.name);
  // The outline follows the scaled card: corners cut, edges kept.
  const int w = r.right - r.left, h = r.bottom - r.top, d = std::min(w / 5, h / 5);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(notice, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right, w - 1);
  EXPECT_EQ(box.bottom, h - 1);
  EXPECT_FALSE(PtInRegion(region, d / 8, d / 8));
  EXPECT_FALSE(PtInRegion(region, w - 2 - d / 8, h - 2 - d / 8));
  EXPECT_TRUE(PtInRegion(region, w / 2, 0));
  EXPECT_TRUE(PtInRegion(region, d / 2, d / 2));
  DeleteObject(region);
  ShootWindow(notice, ShotName(L"notice"), 12);
}

}  // namespace
}  // namespace lornel::e2e
