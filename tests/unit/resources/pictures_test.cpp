// The committed pictures and icon are what the program's decoders and the
// resource compiler expect: baseline JFIF colour JPEGs of the sizes the
// picture boxes are laid out for, and one 256 x 256 RGB PNG in an ICO.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/unit/resources/image_headers.h"

namespace {

using lornel::testing::ReadIco;
using lornel::testing::ReadJpeg;
using lornel::testing::ReadPng;

const std::filesystem::path kResources = std::filesystem::path(LORNEL_SOURCE_DIR) / "resources";

std::vector<std::uint8_t> Slurp(const std::string& name) {
  std::ifstream in(kResources / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Picture {
  const char* file;
  int width;
  int height;
};

class CommittedJpeg : public ::testing::TestWithParam<Picture> {};

TEST_P(CommittedJpeg, IsBaselineJfifColourOfItsLayoutSize) {
  const Picture& p = GetParam();
  const auto bytes = Slurp(p.file);
  ASSERT_FALSE(bytes.empty()) << (kResources / p.file);
  const auto info = ReadJpeg(bytes);
  ASSERT_EQ(info.error, "") << p.file;
  EXPECT_TRUE(info.jfif) << "APP0 JFIF must follow SOI";
  EXPECT_TRUE(info.baseline) << "no SOF0";
  EXPECT_FALSE(info.other_frame) << "progressive or other non-baseline frame";
  EXPECT_EQ(info.components, 3) << "the decoder is set up for colour (YCbCr)";
  EXPECT_EQ(info.width, p.width);
  EXPECT_EQ(info.height, p.height);
  EXPECT_TRUE(info.ends_with_eoi) << "truncated file";
}

INSTANTIATE_TEST_SUITE_P(Resources, CommittedJpeg,
                         ::testing::Values(Picture{"answer_cover.jpg", 1018, 192},
                                           Picture{"notice_bubbles.jpg", 400, 300},
                                           Picture{"notice_info.jpg", 626, 626}),
                         [](const auto& param) {
                           std::string name = param.param.file;
                           return name.substr(0, name.find('.'));
                         });

TEST(CommittedIcon, IsOne256PixelRgbPngInAnIco) {
  const auto bytes = Slurp("lornel.ico");
  ASSERT_FALSE(bytes.empty());
  const auto ico = ReadIco(bytes);
  ASSERT_EQ(ico.error, "");
  EXPECT_EQ(ico.count, 1);
  EXPECT_EQ(ico.width, 256);
  EXPECT_EQ(ico.height, 256);
  EXPECT_EQ(ico.bit_count, 24);
  EXPECT_EQ(ico.planes, 1);
  const auto png = ReadPng(ico.image);
  ASSERT_EQ(png.error, "");
  EXPECT_EQ(png.width, 256);
  EXPECT_EQ(png.height, 256);
  EXPECT_EQ(png.bit_depth, 8);
  EXPECT_EQ(png.colour_type, 2) << "RGB without alpha";
  EXPECT_FALSE(png.transparency) << "tRNS would make a colour transparent";
  EXPECT_EQ(png.interlace, 0);
  EXPECT_EQ(ico.image.data() + ico.image.size(), bytes.data() + bytes.size())
      << "the entry's size must cover the rest of the file";
}

// The readers must be able to fail, or the checks above prove nothing.
TEST(ImageHeaderReaders, SeeTheFaultsTheyAreMeantToCatch) {
  auto jpeg = Slurp("notice_info.jpg");
  ASSERT_GT(jpeg.size(), 100u);
  auto progressive = jpeg;
  for (std::size_t i = 2; i + 1 < progressive.size(); ++i) {
    if (progressive[i] == 0xFF && progressive[i + 1] == 0xC0) {
      progressive[i + 1] = 0xC2;
      break;
    }
  }
  const auto p = ReadJpeg(progressive);
  EXPECT_FALSE(p.baseline);
  EXPECT_TRUE(p.other_frame);

  const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + 40);
  EXPECT_NE(ReadJpeg(cut).error, "");
  EXPECT_FALSE(ReadJpeg(cut).ends_with_eoi);

  auto ico = Slurp("lornel.ico");
  ASSERT_GT(ico.size(), 60u);
  auto flipped = ico;
  flipped[22 + 8 + 4 + 4 + 9] = 6;  // IHDR colour type -> RGBA, CRC now wrong
  EXPECT_NE(ReadPng(ReadIco(flipped).image).error, "");
  const std::vector<std::uint8_t> short_ico(ico.begin(), ico.end() - 1);
  EXPECT_NE(ReadIco(short_ico).error, "");
}

}  // namespace
