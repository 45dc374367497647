// Files without a byte order mark: UTF-8 as Notepad saves it is read as
// UTF-8, GBK stays GBK, including short GBK texts that are valid UTF-8.
#include "config/utf8_guess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"

namespace lornel::config {
namespace {

std::string Utf8Of(std::string_view gbkText) { return gbk::EncodeUtf8(gbk::ToUnits(gbkText)); }

std::string ExampleFile() {
  std::ifstream in(LORNEL_SOURCE_DIR "examples/wtda.ini", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every GB2312 Chinese character, in GBK.
std::vector<std::string> EverydayHanzi() {
  std::vector<std::string> all;
  for (int lead = 0xB0; lead <= 0xF7; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail >= 0xFA) continue;  // the five empty cells
      all.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    }
  return all;
}

TEST(Utf8WithoutMark, NotepadsUtf8ExampleReadsLikeTheGbkOne) {
  const std::string gbkFile = ExampleFile();
  const std::string utf8File = Utf8Of(gbkFile);
  ASSERT_NE(utf8File, gbkFile);
  std::size_t bom = 9;
  EXPECT_EQ(DetectIniEncoding(utf8File, &bom), IniEncoding::Utf8);
  EXPECT_EQ(bom, 0u);
  EXPECT_EQ(DetectIniEncoding(gbkFile), IniEncoding::Ansi);
  for (const DefaultEntry& e : DefaultEntries()) {
    EXPECT_EQ(ReadIniValue(utf8File, e.section, e.key), ReadIniValue(gbkFile, e.section, e.key))
        << e.key;
  }
  EXPECT_EQ(ReadIniValue(utf8File, kPointsSection, kPointsKey), "1");
}

TEST(Utf8WithoutMark, EveryChineseCharacterReadsRightInBothEncodings) {
  int validAsUtf8 = 0;
  for (const std::string& hanzi : EverydayHanzi()) {
    const std::string gbkFile = "[s]\r\nk=" + hanzi + "\r\n";
    validAsUtf8 += hanzi[0] >= '\xC2' && hanzi[0] <= '\xDF' && hanzi[1] <= '\xBF';
    ASSERT_EQ(ReadIniValue(gbkFile, "s", "k"), hanzi) << "GBK " << hanzi;
    ASSERT_EQ(ReadIniValue(Utf8Of(gbkFile), "s", "k"), hanzi) << "UTF-8 " << hanzi;
  }
  // 小 and 目 among them: GBK characters that are also a UTF-8 sequence.
  EXPECT_GT(validAsUtf8, 500);
  EXPECT_FALSE(ReadsAsUtf8("\xD0\xA1"));  // 小, UTF-8's Cyrillic С
  EXPECT_FALSE(ReadsAsUtf8("\xC4\xBF"));  // 目, UTF-8's Ŀ
}

TEST(Utf8WithoutMark, ShortChineseTextsReadRightInBothEncodings) {
  std::vector<std::string> chinese = EverydayHanzi();
  for (const char* punctuation : {"\xA3\xBF", "\xA3\xAC", "\xA1\xA3", "\xA1\xB0", "\xA1\xB1",
                                  "\xA3\xBA", "\xA3\xA8", "\xA3\xA9", "\xA1\xAD", "\xA3\xB1"})
    chinese.insert(chinese.end(), 500, punctuation);  // ？，。“”：（）…１
  std::mt19937 random(1903);
  int validUtf8 = 0;
  for (int i = 0; i < 100000; ++i) {
    std::string text;
    const int n = 1 + static_cast<int>(random() % 6);
    for (int k = 0; k < n; ++k) {
      text += chinese[random() % chinese.size()];
      if (random() % 3 == 0) text += "a1-"[random() % 3];
    }
    const std::string file = "[s]\nk=" + text + "\n";
    validUtf8 += gbk::DecodeUtf8(file).find(u'\uFFFD') == std::u16string::npos;
    ASSERT_EQ(ReadIniValue(file, "s", "k"), text) << "GBK " << i;
    ASSERT_EQ(ReadIniValue(Utf8Of(file), "s", "k"), text) << "UTF-8 " << i;
  }
  EXPECT_GT(validUtf8, 1000);  // the rare case is not so rare among short texts
}

TEST(Utf8WithoutMark, WhatIsNotUtf8OrNotChineseEnough) {
  EXPECT_FALSE(ReadsAsUtf8("[s]\nk=plain\n"));                 // ASCII: GBK all the same
  EXPECT_FALSE(ReadsAsUtf8("k=\xC0\xAF"));                     // overlong
  EXPECT_FALSE(ReadsAsUtf8("k=\xED\xA0\x80"));                 // a surrogate
  EXPECT_FALSE(ReadsAsUtf8("k=\xF4\x90\x80\x80"));             // beyond U+10FFFF
  EXPECT_FALSE(ReadsAsUtf8("k=\xE4\xB8"));                     // cut at the end
  EXPECT_TRUE(ReadsAsUtf8("k=\xE4\xB8\xAD\xF0\x9F\x98\x80"));  // 中 and an emoji
  EXPECT_TRUE(ReadsAsUtf8("m\xC4\x81"));                       // pinyin mā: no hanzi either way
  EXPECT_FALSE(ReadsAsUtf8("\xCE\xB1\xCE\xB2"));               // αβ: GBK's 唯, 为
  EXPECT_FALSE(ReadsAsUtf8("caf\xC3\xA9"));                    // the price: GBK's 茅
  // Classic mojibake: UTF-8 中文 saved again as if it were GBK stays what it is.
  EXPECT_EQ(ReadIniValue("[s]\nk=\xE4\xB8\xAD\xE6\x96\x87\n", "s", "k"), "\xD6\xD0\xCE\xC4");
  // An emoji in a UTF-8 file costs one character, not the whole file.
  EXPECT_EQ(ReadIniValue(Utf8Of("[s]\nk=\xB1\xB1") + "\xF0\x9F\x98\x80\n", "s", "k"), "\xB1\xB1??");
}

TEST(Utf8WithoutMark, TheWriterKeepsTheEncodingAndHowItIsFound) {
  const std::string utf8 = Utf8Of("[\xCC\xE2]\r\nk=\xD6\xD0\r\n");  // [题] k=中
  const auto written = WriteIniValue(utf8, "\xCC\xE2", "j", "\xCE\xC4");
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, Utf8Of("[\xCC\xE2]\r\nk=\xD6\xD0\r\nj=\xCE\xC4\r\n"));
  // Replacing the only non-ASCII value turns a UTF-8 file into an ASCII one:
  // harmless. Turning a GBK file into valid UTF-8 would change how its other
  // entries read, so that edit is refused.
  EXPECT_EQ(WriteIniValue(Utf8Of("[s]\nk=\xD6\xD0\n"), "s", "k", "x"), "[s]\nk=x\n");
  const std::string gbk = "[s]\nk=\xFF\nj=\xE4\xB8\xAD\n";  // j: GBK 涓 and a broken one
  EXPECT_EQ(ReadIniValue(gbk, "s", "j"), "\xE4\xB8?");
  EXPECT_FALSE(WriteIniValue(gbk, "s", "k", "x"));
  EXPECT_TRUE(WriteIniValue(gbk, "s", "k", "\xD6\xD0"));
}

}  // namespace
}  // namespace lornel::config
