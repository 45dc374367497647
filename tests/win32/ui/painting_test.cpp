// What the control kinds put on the screen, read back pixel by pixel.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "resources/embedded.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

using ui::Kind;

enum : int {
  kPanel,
  kFramed,
  kEmptyFramed,
  kAmpersand,
  kTrans,
  kPicture,
  kBroken,
  kHand,
  kOption,
  kCount
};

constexpr ui::GradientFrame kFrame{8, ui::Hex(0x808080), ui::Hex(0xFFFFFF), ui::Hex(0x808080)};

constexpr ui::Row kRows[] = {
    {.id = kPanel,
     .name = u8"panel",
     .kind = Kind::GroupBox,
     .rect = {10, 150, 400, 100},
     .background = ui::Hex(0x336699)},
    {.id = kFramed,
     .name = u8"framed",
     .kind = Kind::Label,
     .rect = {10, 10, 200, 60},
     .caption = "",
     .textColour = ui::Hex(0xFF0000),
     .background = ui::Hex(0xECECEC),
     .edge = ui::Edge::Gradient,
     .frame = kFrame},
    {.id = kEmptyFramed,
     .name = u8"emptyFramed",
     .kind = Kind::Label,
     .rect = {220, 10, 100, 60},
     .background = ui::Hex(0x00FF00),
     .edge = ui::Edge::Gradient,
     .frame = kFrame},
    {.id = kAmpersand,
     .name = u8"ampersand",
     .kind = Kind::Label,
     .rect = {10, 80, 60, 60},
     .caption = "&",
     .font = {"", 48},
     .textColour = ui::Hex(0x000000),
     .background = ui::Hex(0xFFFFFF),
     .hAlign = ui::HAlign::Centre,
     .vAlign = ui::VAlign::Middle},
    {.id = kTrans,
     .name = u8"trans",
     .kind = Kind::TransLabel,
     .parent = kPanel,
     .rect = {10, 20, 380, 60},
     .caption = "",
     .font = {"", 40},
     .textColour = ui::Hex(0xFFFF00)},
    {.id = kPicture,
     .name = u8"picture",
     .kind = Kind::PicBox,
     .rect = {340, 10, 64, 32},
     .picture = resources::Blob::AnswerCover},
    {.id = kBroken,
     .name = u8"broken",
     .kind = Kind::PicBox,
     .rect = {340, 60, 64, 32},
     .picture = resources::Blob::NoticeInfo},
    {.id = kHand,
     .name = u8"hand",
     .kind = Kind::Label,
     .rect = {80, 80, 60, 30},
     .caption = "手",
     .cursor = ui::Cursor::Hand},
    {.id = kOption,
     .name = u8"option",
     .kind = Kind::OptionButton,
     .rect = {150, 76, 180, 70},
     .caption = "A 太平洋",
     .font = {"", 32}},
};
static_assert(ui::IdsMatchOrder(kRows));

const ui::Table& PaintTable() {
  static const ui::Table table{
      {.caption = "画", .outerWidth = 440, .outerHeight = 300, .titleBar = true}, kRows};
  return table;
}

// A solid 16 x 8 picture of one colour, encoded with libjpeg.
std::vector<std::uint8_t> SolidJpeg(unsigned char r, unsigned char g, unsigned char b) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = 16;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(16 * 3);
  for (int x = 0; x < 16; ++x) row[x * 3] = r, row[x * 3 + 1] = g, row[x * 3 + 2] = b;
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(out, out + size);
  jpeg_destroy_compress(&info);
  free(out);
  return bytes;
}

resources::Bytes TestPictures(resources::Blob blob, int) {
  static const std::vector<std::uint8_t> red = SolidJpeg(255, 0, 0);
  static const std::uint8_t garbage[] = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 4, 5, 6, 7, 8};
  if (blob == resources::Blob::AnswerCover) return red;
  if (blob == resources::Blob::NoticeInfo) return garbage;
  return {};
}

class Painting : public testing::Test {
 protected:
  void SetUp() override {
    resources::SetProvider(TestPictures);
    form = std::make_unique<win32::Win32Form>(PaintTable(), recorder);
    ASSERT_TRUE(form->Create());
    SetForegroundWindow(form->hwnd());
    test::Pump(150);
  }
  void TearDown() override { resources::SetProvider(nullptr); }

  COLORREF Pixel(int id, int x, int y) {
    HWND hwnd = form->ControlWindow(id);
    UpdateWindow(form->hwnd());
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
  }
  static int Grey(COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3; }

  contract::Recorder recorder;
  std::unique_ptr<win32::Win32Form> form;
};

TEST_F(Painting, GradientFrameIsGreyAtItsEdgesAndWhiteInTheMiddle) {
  EXPECT_EQ(Pixel(kFramed, 100, 0), RGB(0x80, 0x80, 0x80));
  EXPECT_EQ(Pixel(kFramed, 100, 7), RGB(0x80, 0x80, 0x80));
  EXPECT_GT(Grey(Pixel(kFramed, 100, 3)), 0xE0);
  EXPECT_GT(Grey(Pixel(kFramed, 0, 30)), 0x70);  // left band, grey outer edge
  EXPECT_LT(Grey(Pixel(kFramed, 0, 30)), 0x90);
  EXPECT_EQ(Pixel(kFramed, 100, 30), RGB(0xEC, 0xEC, 0xEC));  // background inside
}

TEST_F(Painting, EmptyCaptionStillPaintsBackgroundAndFrame) {
  EXPECT_EQ(Pixel(kEmptyFramed, 50, 30), RGB(0, 0xFF, 0));
  EXPECT_EQ(Pixel(kEmptyFramed, 50, 0), RGB(0x80, 0x80, 0x80));
}

TEST_F(Painting, AmpersandIsDrawnAsItself) {
  int dark = 0;
  for (int y = 0; y < 60; y += 2)
    for (int x = 0; x < 60; x += 2) dark += Grey(Pixel(kAmpersand, x, y)) < 0x60;
  EXPECT_GT(dark, 10);
}

TEST_F(Painting, TransparentLabelLeavesNoTraceOfALongerCaption) {
  form->SetText(kTrans, "WWWWWWWWWWWWWW");
  test::Pump(50);
  int yellowBefore = 0;
  for (int x = 200; x < 380; x += 3) yellowBefore += Pixel(kTrans, x, 30) == RGB(0xFF, 0xFF, 0);
  ASSERT_GT(yellowBefore, 0) << "the long caption reaches the right half";
  form->SetText(kTrans, "1");
  test::Pump(50);
  for (int x = 200; x < 380; x += 3)
    EXPECT_EQ(Pixel(kTrans, x, 30), RGB(0x33, 0x66, 0x99)) << "at x = " << x;
}

TEST_F(Painting, PictureIsStretchedOverTheWholeBox) {
  for (POINT p : {POINT{1, 1}, POINT{32, 16}, POINT{62, 30}}) {
    const COLORREF c = Pixel(kPicture, p.x, p.y);
    EXPECT_GT(GetRValue(c), 0xE0);
    EXPECT_LT(GetGValue(c), 0x30);
  }
}

TEST_F(Painting, PictureThatFailsToDecodeIsNotShown) {
  EXPECT_EQ(Pixel(kBroken, 32, 16), GetSysColor(COLOR_BTNFACE));
}

// A mark and a frame tell the looks apart, colour aside; the caption stays beside the mark.
TEST_F(Painting, AnOptionShowsItsLookByItsFrameAndMark) {
  using Verdict = ui::OptionLook::Verdict;
  const auto count = [&](RECT r, auto test) {
    int n = 0;
    for (int y = r.top; y < r.bottom; y += 2)
      for (int x = r.left; x < r.right; x += 2) n += test(Pixel(kOption, x, y));
    return n;
  };
  const RECT mark{14, 21, 42, 49}, text{48, 10, 166, 60};
  const auto dark = [](COLORREF c) { return Grey(c) < 0x60; };
  EXPECT_EQ(Pixel(kOption, 0, 35), RGB(0x80, 0x80, 0x80));  // a thin grey frame
  EXPECT_EQ(Pixel(kOption, 4, 35), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(count(mark, dark), 0);
  EXPECT_GT(count(text, dark), 20) << "the caption";
  const struct {
    ui::OptionLook look;
    COLORREF colour;
    bool centre;  // the mark covers the box's centre: a dot or a cross, not a tick
  } looks[] = {{{true}, RGB(0x18, 0x48, 0xC0), true},
               {{false, Verdict::Right}, RGB(0x00, 0x70, 0x00), false},
               {{true, Verdict::Wrong}, RGB(0xC0, 0x00, 0x00), true}};
  for (const auto& l : looks) {
    form->SetOptionLook(kOption, l.look);
    EXPECT_EQ(Pixel(kOption, 6, 35), l.colour) << "a thick frame";
    const int marked = count(mark, [&](COLORREF c) { return c == l.colour; });
    EXPECT_GT(marked, 12);
    EXPECT_LT(marked, 150);  // a mark, not a filled box
    EXPECT_EQ(Pixel(kOption, 28, 35) == l.colour, l.centre);
  }
  // A caption too long for one line wraps and shrinks, and stays inside the button.
  form->SetOptionLook(kOption, {});
  form->SetText(kOption, "B 一条很长很长的选项文字");
  const RECT lower{48, 38, 166, 60};
  EXPECT_GT(count(lower, dark), 10) << "a second line";
  EXPECT_EQ(count({0, 0, 14, 70}, dark), 0);
}

TEST_F(Painting, HandCursorOverControlsThatAskForIt) {
  SendMessageW(form->ControlWindow(kHand), WM_SETCURSOR,
               reinterpret_cast<WPARAM>(form->ControlWindow(kHand)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  SendMessageW(form->ControlWindow(kFramed), WM_SETCURSOR,
               reinterpret_cast<WPARAM>(form->ControlWindow(kFramed)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace lornel
