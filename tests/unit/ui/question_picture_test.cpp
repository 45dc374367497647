// The question picture's place beside or instead of the text, and its resampling.
#include "ui/question_picture.h"

#include <gtest/gtest.h>

#include "ui/picture_pixels.h"

namespace lornel::ui {
namespace {

constexpr Scale kOne = Scale::FromPermille(1000);
constexpr Rect kLabel{0, 0, 1136, 224};  // the question label at scale 1

struct Case {
  const char* what;
  Size picture;
  bool hasText;
  Scale scale;
  Rect label, text, picture_;
};

class LayoutTest : public testing::TestWithParam<Case> {};

TEST_P(LayoutTest, KeepsTheAspectAndStaysInsideTheLabel) {
  const Case& c = GetParam();
  const PictureLayout got = LayOutQuestionPicture(c.label, c.picture, c.hasText, c.scale);
  EXPECT_EQ(got.text, c.text);
  EXPECT_EQ(got.picture, c.picture_);
  if (got.picture.width > 0) {
    EXPECT_GE(got.picture.left, c.label.left);
    EXPECT_LE(got.picture.right(), c.label.right());
    EXPECT_LE(got.picture.bottom(), c.label.bottom());
    const double aspect = double(c.picture.width) / c.picture.height;
    EXPECT_NEAR(double(got.picture.width) / got.picture.height, aspect,
                aspect * 0.02 + 1.0 / got.picture.height);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, LayoutTest,
    testing::Values(
        Case{"photo beside text: the label's height",
             {4000, 3000},
             true,
             kOne,
             kLabel,
             {0, 0, 829, 224},
             {837, 0, 299, 224}},
        Case{"wide: at most half the width",
             {4000, 500},
             true,
             kOne,
             kLabel,
             {0, 0, 560, 224},
             {568, 76, 568, 71}},
        Case{"tall: a narrow strip",
             {300, 3000},
             true,
             kOne,
             kLabel,
             {0, 0, 1106, 224},
             {1114, 0, 22, 224}},
        Case{"tiny: at most twice its size",
             {16, 10},
             true,
             kOne,
             kLabel,
             {0, 0, 1096, 224},
             {1104, 102, 32, 20}},
        Case{"no text: centred and as large as fits",
             {4000, 3000},
             false,
             kOne,
             kLabel,
             {},
             {418, 0, 299, 224}},
        Case{"no text, tiny", {16, 10}, false, kOne, kLabel, {}, {552, 102, 32, 20}},
        Case{"one pixel wide still shows", {1, 4000}, false, kOne, kLabel, {}, {567, 0, 1, 224}},
        Case{"144 DPI: twice the size at that scale",
             {16, 10},
             true,
             Scale::FromPermille(1500),
             {0, 0, 1704, 336},
             {0, 0, 1644, 336},
             {1656, 153, 48, 30}},
        Case{"full screen, offset label",
             {800, 600},
             true,
             Scale::FromPermille(1600),
             {40, 30, 1818, 358},
             {40, 30, 1328, 358},
             {1381, 30, 477, 358}},
        Case{"no picture: all text", {0, 0}, true, kOne, kLabel, kLabel, {}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(FitPicture, TheEnlargedViewFillsTheClientAreaUpToTwice) {
  EXPECT_EQ(FitPicture({0, 0, 1200, 800}, {4000, 3000}, kOne), (Rect{66, 0, 1067, 800}));
  EXPECT_EQ(FitPicture({0, 0, 1200, 800}, {100, 50}, kOne), (Rect{500, 350, 200, 100}));
  EXPECT_EQ(FitPicture({0, 0, 0, 800}, {100, 50}, kOne), (Rect{}));
}

Pixels Solid(int w, int h, std::uint32_t argb) {
  return {w, h, std::vector<std::uint32_t>(std::size_t(w) * h, argb)};
}

TEST(ScalePicture, FlatStaysFlatAndEdgesAverage) {
  for (Size to : {Size{7, 3}, Size{40, 40}, Size{1, 1}, Size{200, 90}}) {
    const Pixels out = ScalePicture(Solid(13, 17, 0xFF336699), to.width, to.height, 0);
    ASSERT_EQ(out.argb.size(), std::size_t(to.width) * to.height);
    for (std::uint32_t p : out.argb) ASSERT_EQ(p, 0xFF336699u);
  }
  // Black and white columns halved: grey, not one of the two.
  Pixels stripes = Solid(4, 2, 0xFF000000);
  for (int y = 0; y < 2; ++y)
    stripes.argb[std::size_t(y) * 4 + 1] = stripes.argb[std::size_t(y) * 4 + 3] = 0xFFFFFFFF;
  for (std::uint32_t p : ScalePicture(stripes, 2, 1, 0).argb) EXPECT_EQ(p, 0xFF808080u);
}

TEST(ScalePicture, TransparencyShowsTheBackground) {
  const Colour grey = Hex(0xECECEC);
  EXPECT_EQ(ScalePicture(Solid(3, 3, 0), 5, 5, grey).argb[12], 0xFFECECECu);
  // Half-covered red (premultiplied) over that grey.
  EXPECT_EQ(ScalePicture(Solid(2, 2, 0x80800000), 1, 1, grey).argb[0], 0xFFF67676u);
}

TEST(ScalePicture, NothingFromNothing) {
  EXPECT_TRUE(ScalePicture({}, 10, 10, 0).empty());
  EXPECT_TRUE(ScalePicture(Solid(2, 2, 0), 0, 10, 0).empty());
  EXPECT_TRUE(ScalePicture({5, 5, {1, 2}}, 3, 3, 0).empty()) << "fewer pixels than its size says";
}

}  // namespace
}  // namespace lornel::ui
