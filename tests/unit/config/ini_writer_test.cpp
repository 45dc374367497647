// Writing one value: the key's line changes in place, everything else of the
// user's file stays byte for byte, and what is written reads back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "config/ini.h"

namespace lornel::config {
namespace {

std::string Write(std::string_view file, std::string_view section, std::string_view key,
                  std::string_view value) {
  auto written = WriteIniValue(file, section, key, value);
  EXPECT_TRUE(written.has_value()) << section << "/" << key << "=" << value;
  return written.value_or("<refused>");
}

TEST(IniWriterLayout, NewFileAndNewSectionsAsTheProfileWriterLaysThemOut) {
  std::string file = Write("", "a", "k", "1");
  EXPECT_EQ(file, "[a]\r\nk=1\r\n");
  file = Write(file, "a", "j", "");
  file = Write(file, "b", "x", "2");
  EXPECT_EQ(file, "[a]\r\nk=1\r\nj=\r\n[b]\r\nx=2\r\n");
  // A missing key goes after the last line of its section, not after blank lines.
  EXPECT_EQ(Write("[a]\r\nk=1\r\n\r\n[b]\r\n", "a", "j", "2"), "[a]\r\nk=1\r\nj=2\r\n\r\n[b]\r\n");
  EXPECT_EQ(Write("[a]\nk=1", "a", "j", "2"), "[a]\nk=1\r\nj=2\r\n");
  EXPECT_EQ(Write("x=1", "a", "j", "2"), "x=1\r\n[a]\r\nj=2\r\n");
}

TEST(IniWriterLayout, AnExistingKeyChangesInPlaceKeepingItsSpelling) {
  EXPECT_EQ(Write("; note\r\n[A]\r\n  Key  =  old  \r\n\r\n", "a", "key", "new"),
            "; note\r\n[A]\r\n  Key  =new  \r\n\r\n");
  EXPECT_EQ(Write("[a]\nk\nk=2\n", "a", "k", "v"), "[a]\nk=v\nk=2\n");
  // The first section of the name is the one read, so it is the one written.
  EXPECT_EQ(Write("[a]\nx=1\n[a]\nk=2\n", "a", "k", "3"), "[a]\nx=1\nk=3\r\n[a]\nk=2\n");
}

TEST(IniWriterValues, WhatIsWrittenReadsBackUnchanged) {
  for (const std::string value :
       {"", "plain", "  spaced  ", "\t", "\"quoted\"", "'single'", "\"", "'", "a\"b", "\"open", "=",
        "[x]", "\xB5\xDA\x81\x5D\x81\x5B\x95\x5C", "\xA1\xA1\xD6\xD0\xA1\xA1", "x\x1A"}) {
    const std::string file = Write("[s]\r\nk=old\r\n", "s", "k", value);
    EXPECT_EQ(ReadIniValue(file, "s", "k"), value) << file;
  }
}

TEST(IniWriterValues, RefusesWhatCouldNotReadBack) {
  using namespace std::string_literals;
  EXPECT_FALSE(WriteIniValue("", "s", "k", "a\r\nb"));
  EXPECT_FALSE(WriteIniValue("", "s", "k", "a\0b"s));
  EXPECT_FALSE(WriteIniValue("", "s", "k", "a\x81"));      // half a character
  EXPECT_FALSE(WriteIniValue("", "s", "k", "a\x81\x20"));  // broken character
  EXPECT_FALSE(WriteIniValue("", "s", "k=x", "1"));
  EXPECT_FALSE(WriteIniValue("", "s", "[k]", "1"));
  EXPECT_FALSE(WriteIniValue("", "s", " ", "1"));
  EXPECT_FALSE(WriteIniValue("", "", "k", "1"));
  EXPECT_FALSE(WriteIniValue("", "s\n", "k", "1"));
}

TEST(IniWriterEncodings, FilesWithAByteOrderMarkKeepTheirEncoding) {
  const std::string utf8 = "\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\n";
  const std::string written = Write(utf8, "s", "j", "\xCE\xC4");
  EXPECT_EQ(written, "\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\nj=\xE6\x96\x87\r\n");
  const std::string utf16("\xFF\xFE[\0s\0]\0\n\0", 10);
  EXPECT_EQ(Write(utf16, "s", "k", "1"), std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0"
                                                     "1\0\r\0\n\0",
                                                     20));
  // Broken UTF-8 would not survive the round trip: the file is left alone.
  EXPECT_FALSE(WriteIniValue("\xEF\xBB\xBF[s]\r\nk=\xC0\r\n", "s", "k", "1"));
  // A value outside code page 936 cannot be asked for in GBK, but GBK values go in.
  EXPECT_EQ(ReadIniValue(Write(utf16, "s", "k", "\xA1\xA1\xD6\xD0"), "s", "k"), "\xA1\xA1\xD6\xD0");
}

}  // namespace
}  // namespace lornel::config
