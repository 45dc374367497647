// The reading rules of the profile reader, as Wine's GetPrivateProfileStringA
// shows them with code page 936 (tests/win32/config checks them against it).
#include <gtest/gtest.h>

#include <string>

#include "config/ini.h"

namespace lornel::config {
namespace {

std::string Read(std::string_view file, std::string_view section, std::string_view key) {
  return ReadIniValue(file, section, key);
}

TEST(IniReaderNames, SectionAndKeyIgnoreTheCaseOfAsciiLettersOnly) {
  EXPECT_EQ(Read("[Sec]\r\nKey=v\r\n", "sEC", "kEY"), "v");
  // Full-width, Greek and Cyrillic letters keep their case.
  EXPECT_EQ(Read("[s]\r\n\xA3\xC1=1\r\n", "s", "\xA3\xE1"), "");  // Ａ / ａ
  EXPECT_EQ(Read("[s]\r\n\xA6\xA1=1\r\n", "s", "\xA6\xC1"), "");  // Α / α
  EXPECT_EQ(Read("[s]\r\n\xA7\xA5=1\r\n", "s", "\xA7\xD5"), "");  // Д / д
  EXPECT_EQ(Read("[s]\r\n\xA6\xA1=1\r\n", "s", "\xA6\xA1"), "1");
}

TEST(IniReaderNames, WhitespaceAroundNamesAndQueriesIsTrimmed) {
  EXPECT_EQ(Read("  \t[ s ]  \n  k  =  1  \n", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\nk=1\n", " s\t", "k \x1A"), "1");
  EXPECT_EQ(Read("[s]\n\x0B\x0C k\x1A=1\n", "s", "k"), "1");
  // The ideographic space is no whitespace to the reader.
  EXPECT_EQ(Read("[s]\n\xA1\xA1k=1\n", "s", "k"), "");
}

TEST(IniReaderNames, SectionLineRunsToItsLastBracket) {
  EXPECT_EQ(Read("[s]junk\nk=1\n", "s", "k"), "1");
  EXPECT_EQ(Read("[s]x]\nk=1\n", "s]x", "k"), "1");
  EXPECT_EQ(Read("[[a]]\nk=1\n", "[a]", "k"), "1");
  EXPECT_EQ(Read("[s]=x\nk=1\n", "s", "k"), "1");
  // Without a closing bracket the line is an entry of the section before.
  EXPECT_EQ(Read("[t]\n[s=2\n", "t", "[s"), "2");
  EXPECT_EQ(Read("[t]\n[s\nk=1\n", "s", "k"), "");
  EXPECT_EQ(Read("[t]\n[s\nk=1\n", "t", "k"), "1");
}

TEST(IniReaderNames, EntriesBeforeTheFirstSectionBelongToNoNamedSection) {
  EXPECT_EQ(Read("k=1\n[s]\nk=2\n", "s", "k"), "2");
  EXPECT_EQ(Read("k=1\n[s]\n", "s", "k"), "");
}

TEST(IniReaderFirstWins, FirstKeyAndOnlyTheFirstSectionCount) {
  EXPECT_EQ(Read("[s]\nk=1\nK=2\n", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\na=1\n[S]\nk=2\n", "s", "k"), "");
  EXPECT_EQ(Read("[s]\na=1\n[s]\nk=2\n", "s", "a"), "1");
  // A line without '=' is a key without a value, and it hides later ones.
  EXPECT_EQ(Read("[s]\nk\nk=2\n", "s", "k"), "");
  EXPECT_EQ(Read("[s]\nk \nk=2\n", "s", "k"), "");
}

TEST(IniReaderLines, NoCommentSyntax) {
  EXPECT_EQ(Read("[s]\n;k=v\nk=w\n", "s", "k"), "w");
  EXPECT_EQ(Read("[s]\n;k=v\n", "s", ";k"), "v");
  EXPECT_EQ(Read("[s]\n#k=v\n", "s", "#k"), "v");
  EXPECT_EQ(Read("[s]\n// k=v\n", "s", "// k"), "v");
}

TEST(IniReaderLines, EveryKindOfLineEnd) {
  EXPECT_EQ(Read("[s]\r\nk=1\r\n", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\rk=1\r", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\nk=1", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\n\r\n\r\r\nk=1\n\n", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\r\nk=1", "s", "k"), "1");
  EXPECT_EQ(Read("[s]\r\nk=", "s", "k"), "");
}

TEST(IniReaderValues, OnlyTheFirstEqualSignSplits) {
  EXPECT_EQ(Read("[s]\na=b=c\n", "s", "a"), "b=c");
  EXPECT_EQ(Read("[s]\na==\n", "s", "a"), "=");
  EXPECT_EQ(Read("[s]\n=x\n", "s", "x"), "");
}

TEST(IniReaderValues, WhitespaceAroundTheValueGoesButNotInside) {
  EXPECT_EQ(Read("[s]\nk= \t a b \t\n", "s", "k"), "a b");
  EXPECT_EQ(Read("[s]\nk=\x1A"
                 "1\x1A\n",
                 "s", "k"),
            "1");
  EXPECT_EQ(Read("[s]\nk=\xA1\xA1"
                 "1\xA1\xA1\n",
                 "s", "k"),
            "\xA1\xA1"
            "1\xA1\xA1");
}

TEST(IniReaderValues, OnePairOfMatchingQuotesIsStripped) {
  EXPECT_EQ(Read("[s]\nk=\"v\"\n", "s", "k"), "v");
  EXPECT_EQ(Read("[s]\nk='v'\n", "s", "k"), "v");
  EXPECT_EQ(Read("[s]\nk= \"  a  \" \n", "s", "k"), "  a  ");
  EXPECT_EQ(Read("[s]\nk=\"\"\n", "s", "k"), "");
  EXPECT_EQ(Read("[s]\nk=\"\"\"\"\n", "s", "k"), "\"\"");
  EXPECT_EQ(Read("[s]\nk=\"a\"b\"\n", "s", "k"), "a\"b");
  // Unmatched or lone quotes stay.
  EXPECT_EQ(Read("[s]\nk='v\"\n", "s", "k"), "'v\"");
  EXPECT_EQ(Read("[s]\nk='\n", "s", "k"), "'");
  EXPECT_EQ(Read("[s]\nk=\"abc\n", "s", "k"), "\"abc");
  // Full-width quotes are ordinary characters.
  EXPECT_EQ(Read("[s]\nk=\xA1\xB0v\xA1\xB1\n", "s", "k"), "\xA1\xB0v\xA1\xB1");
}

TEST(IniReaderValues, CutTo10239BytesNeverInsideACharacter) {
  for (std::size_t n : {10238u, 10239u, 10240u, 20000u}) {
    const std::string file = "[s]\nk=" + std::string(n, 'a') + "\n";
    EXPECT_EQ(Read(file, "s", "k").size(), std::min<std::size_t>(n, kMaxValueBytes)) << n;
  }
  std::string zh;
  for (int i = 0; i < 5120; ++i) zh += "\xD6\xD0";
  EXPECT_EQ(Read("[s]\nk=" + zh + "\n", "s", "k"), zh.substr(0, 10238));
  EXPECT_EQ(Read("[s]\nk=a" + zh + "\n", "s", "k"), "a" + zh.substr(0, 10238));
  // The quotes go before the cut: 10239 bytes inside quotes come back whole.
  const std::string inner(kMaxValueBytes, 'q');
  EXPECT_EQ(Read("[s]\nk=\"" + inner + "\"\n", "s", "k"), inner);
  EXPECT_EQ(Read("[s]\nk=\"" + inner + "q\"\n", "s", "k"), inner);
}

TEST(IniReaderGbk, TrailBytesThatLookLikeSyntaxStayInTheirCharacter) {
  // 0x5B '[', 0x5D ']' and 0x5C '\' are trail bytes; '=' (0x3D) is not.
  EXPECT_EQ(Read("[s\x81\x5D]\nk=1\n", "s\x81\x5D", "k"), "1");
  EXPECT_EQ(Read("[\x81\x5Ds]\nk=1\n", "\x81\x5Ds", "k"), "1");
  EXPECT_EQ(Read("[s]\n\x81\x5B"
                 "a]=1\n",
                 "s",
                 "\x81\x5B"
                 "a]"),
            "1");
  EXPECT_EQ(Read("[s]\nk\x81\x5C=1\n", "s", "k\x81\x5C"), "1");
  EXPECT_EQ(Read("[s]\nk=\x95\x5C\n", "s", "k"), "\x95\x5C");
  // A section line whose only ']' is a trail byte is no section line.
  EXPECT_EQ(Read("[t]\n[s\x81\x5D\nk=1\n", "t", "k"), "1");
  // Trail bytes of letters do not fold with the letters' case.
  EXPECT_EQ(Read("[s]\n\x81\x61=1\n", "s", "\x81\x41"), "");
}

TEST(IniReaderGbk, BrokenCharactersReadAsQuestionMarks) {
  // A lead byte takes the next byte, a line end included.
  EXPECT_EQ(Read("[s]\nk=a\x81\nj=2\n", "s", "k"), "a?j=2");
  EXPECT_EQ(Read("[s]\nk=a\x81\nj=2\n", "s", "j"), "");
  EXPECT_EQ(Read("[s]\nk=a\x81", "s", "k"), "a?");
  EXPECT_EQ(Read("[s]\nk=a\x81 \n", "s", "k"), "a?");
  EXPECT_EQ(Read("[s]\nk=\xFE\xFF\xA1\x7F\xA1\x40\n", "s", "k"), "??\xA1\x40");
  // ... but not a NUL, which still ends the value.
  EXPECT_EQ(Read("[s]\nk=a\x81" + std::string(1, '\0') + "b\n", "s", "k"), "a?");
  // Broken characters are '?' in names too.
  EXPECT_EQ(Read("[s]\n\x81\x20=1\n", "s", "?"), "1");
  EXPECT_EQ(Read("[s]\n\x81\x20=1\n", "s", "\x82\x0A"), "1");
  // One-byte characters 0x80 and 0xFF pass through.
  EXPECT_EQ(Read("[s]\nk=\x80\xFF\n", "s", "k"), "\x80\xFF");
}

TEST(IniReaderNul, NamesAndValuesEndAtANulAfterTrimming) {
  using namespace std::string_literals;
  EXPECT_EQ(Read("[s]\nk=a\0b\n"s, "s", "k"), "a");
  EXPECT_EQ(Read("[s]\nk=a \0\n"s, "s", "k"), "a ");
  EXPECT_EQ(Read("[s]\nk=\"a\0\"\n"s, "s", "k"), "\"a");
  EXPECT_EQ(Read("[s]\nk\0x=a\n"s, "s", "k"), "a");
  EXPECT_EQ(Read("[s]\nk \0x=1\n"s, "s", "k"), "");
  EXPECT_EQ(Read("[s]\n\0k=1\nk=2\n"s, "s", "k"), "2");
  EXPECT_EQ(Read("[s\0x]\nk=1\n"s, "s", "k"), "1");
  EXPECT_EQ(Read("[ s\0 ]\nk=1\n"s, "s", "k"), "1");
  EXPECT_EQ(Read("[ s \0 ]\nk=1\n"s, "s", "k"), "");
  // A query is a C string as well.
  EXPECT_EQ(Read("[s]\nk=1\n", "s\0x"s, "k\0y"s), "1");
}

TEST(IniReaderEncodings, ByteOrderMarksAreHonoured) {
  EXPECT_EQ(Read("\xEF\xBB\xBF[s]\nk=\xE4\xB8\xAD\xE6\x96\x87\n", "s", "k"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(Read(std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x2D\x4E\x87\x65\n\0", 20), "s", "k"),
            "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(Read(std::string("\xFE\xFF\0[\0s\0]\0\n\0k\0=\x4E\x2D\x65\x87\0\n", 20), "s", "k"),
            "\xD6\xD0\xCE\xC4");
  // GBK queries meet the units of the file.
  EXPECT_EQ(Read("\xEF\xBB\xBF[\xE4\xB8\xAD]\nK=1\n", "\xD6\xD0", "k"), "1");
  // Units outside code page 936 come back as '?', or as their best fit.
  EXPECT_EQ(Read("\xEF\xBB\xBF[s]\nk=\xF0\x9F\x98\x80|\xC2\xAA\n", "s", "k"), "??|a");
  // A mark only counts at the very start; UTF-16 without one is read as GBK.
  EXPECT_EQ(Read("[s]\n\xEF\xBB\xBFk=1\n", "s", "k"), "");
  EXPECT_EQ(Read(std::string("[\0s\0]\0\n\0k\0=\0"
                             "1\0",
                             14),
                 "s", "k"),
            "");
  EXPECT_EQ(Read("\xEF\xBB\xBF", "s", "k"), "");
  EXPECT_EQ(Read("\xFF\xFE", "s", "k"), "");
  // An odd last byte of a UTF-16 file is no character.
  EXPECT_EQ(Read(std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0"
                             "1\0"
                             "2",
                             17),
                 "s", "k"),
            "1");
}

TEST(IniReaderEncodings, BrokenUtf8DecodesAsWindowsDoes) {
  EXPECT_EQ(Read("\xEF\xBB\xBF[s]\nk=a\xE4\xB8\n", "s", "k"), "a?");
  // A sequence cut by the end of the file swallows what is left.
  EXPECT_EQ(Read("\xEF\xBB\xBF[s]\nk=a\xE4\x41", "s", "k"), "a?");
  EXPECT_EQ(Read("\xEF\xBB\xBF[s]\nk=\xED\xA0\x80\n", "s", "k"), "??");
  EXPECT_EQ(Read("\xEF\xBB\xBF[s]\nk=\xC0\xAF\n", "s", "k"), "??");
}

TEST(IniReaderBadInput, HugeAndBinaryFilesNeitherCrashNorHang) {
  std::string line = "[s]\nk=" + std::string(10 << 20, 'x');
  EXPECT_EQ(Read(line, "s", "k").size(), kMaxValueBytes);
  EXPECT_EQ(Read(line, "s", "j"), "");
  std::string binary;
  std::uint32_t state = 1;
  for (int i = 0; i < (1 << 20); ++i) {
    state = state * 214013u + 2531011u;
    binary.push_back(static_cast<char>(state >> 16));
  }
  EXPECT_LE(Read(binary, "s", "k").size(), kMaxValueBytes);
  EXPECT_EQ(Read(std::string(1 << 20, '\0'), "s", "k"), "");
  EXPECT_EQ(Read(std::string(1 << 20, '\x81'), "s", "k"), "");
  EXPECT_EQ(Read("", "s", "k"), "");
}

}  // namespace
}  // namespace lornel::config
