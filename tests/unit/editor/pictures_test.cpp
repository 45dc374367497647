// Taking a chosen picture into the quiz's folder on the in-memory host.
#include "editor/pictures.h"

#include <gtest/gtest.h>

#include "platform/picture_file.h"
#include "tests/support/fake_host.h"

namespace lornel::editor {
namespace {

constexpr const char* kConfig = "C:\\课堂\\wtda.ini";
const std::string kCat = "\xFF\xD8\xFF cat", kDog = "\xFF\xD8\xFF dog";

TEST(Pictures, TheFormatIsToldByTheFirstBytes) {
  using platform::PictureFormat;
  EXPECT_EQ(platform::SniffPicture(kCat), PictureFormat::Jpeg);
  EXPECT_EQ(platform::SniffPicture(std::string("\x89PNG\r\n\x1A\n", 8)), PictureFormat::Png);
  EXPECT_EQ(platform::SniffPicture("GIF87a"), PictureFormat::Gif);
  EXPECT_EQ(platform::SniffPicture("BM" + std::string(24, '\0')), PictureFormat::Bmp);
  EXPECT_EQ(platform::SniffPicture("BM"), PictureFormat::None);  // too short for its headers
  EXPECT_EQ(platform::SniffPicture("\x89PNG"), PictureFormat::None);
}

TEST(Pictures, AJpegIsDecodedAtTheFewestEighthsThatStillCoverTheScreen) {
  EXPECT_EQ(platform::JpegEighthsToDecode(4000, 3000, 1920, 1080), 3);  // 1500 x 1125 ≥ 1440 x 1080
  EXPECT_EQ(platform::JpegEighthsToDecode(3000, 4000, 1920, 1080), 3);  // upright: by its height
  EXPECT_EQ(platform::JpegEighthsToDecode(4000, 3000, 2000, 1500), 4);  // exactly half
  EXPECT_EQ(platform::JpegEighthsToDecode(16000, 9000, 1920, 1080), 1);
  EXPECT_EQ(platform::JpegEighthsToDecode(1600, 1200, 1920, 1080), 8);  // no larger than the screen
}

TEST(Pictures, APictureInsideTheFolderIsNamedRelativelyAndNotCopied) {
  fake::FakeHost host;
  host.files["C:\\课堂\\图片\\猫.jpg"] = kCat;
  EXPECT_EQ(AdoptPicture(host, kConfig, "c:\\课堂\\图片\\猫.jpg").value, "图片\\猫.jpg");
  EXPECT_TRUE(host.writes.empty());
}

TEST(Pictures, OneFromElsewhereIsCopiedUnderANameOfItsOwn) {
  fake::FakeHost host;
  host.files["D:\\相册\\猫.jpg"] = kCat;
  host.files["E:\\猫.jpg"] = kDog;
  host.files["F:\\猫.jpg"] = kCat;
  EXPECT_EQ(AdoptPicture(host, kConfig, "D:\\相册\\猫.jpg").value, "图片\\猫.jpg");
  EXPECT_EQ(host.files["C:\\课堂\\图片\\猫.jpg"], kCat);
  EXPECT_TRUE(host.directories.count("C:\\课堂\\图片"));
  // Another picture of the name gets a number; the same bytes are the picture already there.
  EXPECT_EQ(AdoptPicture(host, kConfig, "E:\\猫.jpg").value, "图片\\猫 (2).jpg");
  EXPECT_EQ(host.files["C:\\课堂\\图片\\猫 (2).jpg"], kDog);
  EXPECT_EQ(AdoptPicture(host, kConfig, "F:\\猫.jpg").value, "图片\\猫.jpg");
  EXPECT_EQ(host.writes.size(), 2u);
}

TEST(Pictures, AReadOnlyFolderOrAnUnreadablePictureCopiesNothing) {
  fake::FakeHost host;
  host.files["D:\\猫.jpg"] = kCat;
  host.readOnlyDirectories.insert("C:\\课堂");
  AdoptedPicture refused = AdoptPicture(host, kConfig, "D:\\猫.jpg");
  EXPECT_EQ(refused.value, "");
  EXPECT_NE(refused.problem.find("无法把图片复制到文件夹“C:\\课堂\\图片”里"), std::string::npos);
  // The folder "图片" exists but cannot be written.
  host.readOnlyDirectories = {"C:\\课堂\\图片"};
  host.directories.insert("C:\\课堂\\图片");
  EXPECT_NE(AdoptPicture(host, kConfig, "D:\\猫.jpg").problem, "");
  EXPECT_TRUE(host.writes.empty());
  host.deniedPaths.insert("D:\\猫.jpg");
  EXPECT_NE(AdoptPicture(host, kConfig, "D:\\猫.jpg").problem.find("无法读取图片“D:\\猫.jpg”"),
            std::string::npos);
}

}  // namespace
}  // namespace lornel::editor
