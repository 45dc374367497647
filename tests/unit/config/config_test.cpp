// The configuration operations on the in-memory host: which file is read,
// when it is not touched at all, and that a user's file is never written.
#include "config/config.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "config/ini.h"
#include "config/path.h"
#include "tests/support/fake_host.h"

namespace lornel::config {
namespace {

const std::string kPath = "C:\\lornel\\wtda.ini";

struct ConfigTest : ::testing::Test {
  fake::FakeHost host;
  std::string Read(const std::string& section, const std::string& key) {
    return ReadConfigValue(host, kPath, section, key);
  }
};

TEST(QuestionKeys, TitleAndAnswerKeysOfAllFourteenQuestions) {
  const char* numerals[] = {"一", "二", "三", "四",   "五",   "六",   "七",
                            "八", "九", "十", "十一", "十二", "十三", "十四"};
  for (int n = 1; n <= 14; ++n) {
    EXPECT_EQ(QuestionTitleKey(n), std::string("第") + numerals[n - 1] + "题题目");
    EXPECT_EQ(QuestionAnswerKey(n), std::string("第") + numerals[n - 1] + "题答案");
  }
  EXPECT_EQ(QuestionTitleKey(1), "\xB5\xDA\xD2\xBB\xCC\xE2\xCC\xE2\xC4\xBF");  // GBK bytes
  EXPECT_EQ(QuestionTitleKey(0), "");
  EXPECT_EQ(QuestionAnswerKey(15), "");
  EXPECT_EQ(QuestionPictureKey(1), "第一题图片");
  EXPECT_EQ(QuestionCountdownKey(11), "第十一题倒计时");
  EXPECT_EQ(QuestionPointsKey(14), "第十四题得分");
  EXPECT_EQ(QuestionPointsKey(15), "");
}

TEST(Paths, SplitAtTheLastSeparatorThatIsOneAndResolveBesideTheFile) {
  const std::string jo = "\x81\x5C";  // 乗: its second byte is that of a backslash
  EXPECT_EQ(FolderOf("C:\\" + jo + "\\wtda.ini"), "C:\\" + jo);
  EXPECT_EQ(FileNameOf("C:\\a\\" + jo + ".jpg"), jo + ".jpg");
  EXPECT_EQ(FolderOf("C:\\q" + jo + "wtda.ini"), "C:");
  // '/' separates as a backslash does, and stays where it stands.
  EXPECT_EQ(FolderOf("D:/quiz/wtda.ini"), "D:/quiz");
  EXPECT_EQ(FileNameOf("D:\\quiz/图片\\猫.jpg"), "猫.jpg");
  EXPECT_EQ(FolderOf("wtda.ini"), "");
  EXPECT_EQ(FileNameOf("wtda.ini"), "wtda.ini");

  EXPECT_EQ(PicturePath(kPath, "图片\\猫.png"), "C:\\lornel\\图片\\猫.png");
  EXPECT_EQ(PicturePath("D:/quiz/wtda.ini", "a.jpg"), "D:/quiz/a.jpg");
  EXPECT_EQ(PicturePath("C:\\" + jo + "\\wtda.ini", "a.jpg"), "C:\\" + jo + "\\a.jpg");
  EXPECT_EQ(PicturePath("C:\\q" + jo + "wtda.ini", "a.jpg"), "C:\\a.jpg");
  EXPECT_EQ(PicturePath("\\wtda.ini", "a.jpg"), "\\a.jpg");
  EXPECT_EQ(PicturePath("wtda.ini", "a.jpg"), "a.jpg");
  for (const char* absolute : {"D:\\p\\a.jpg", "d:a.jpg", "\\\\server\\share\\a.gif", "\\a.bmp",
                               "/a.bmp", "//server/a.gif"})
    EXPECT_EQ(PicturePath(kPath, absolute), absolute);
  EXPECT_EQ(PicturePath(kPath, ""), "");
}

TEST_F(ConfigTest, AMissingFileReadsEmptyEverywhere) {
  EXPECT_FALSE(ConfigFileExists(host, kPath));
  for (int n = 1; n <= 14; ++n) {
    EXPECT_EQ(Read(kTitleSection, QuestionTitleKey(n)), "");
    EXPECT_EQ(Read(kAnswerSection, QuestionAnswerKey(n)), "");
  }
  EXPECT_EQ(Read(kCountdownSection, kCountdownKey), "");
  EXPECT_EQ(Read(kPointsSection, kPointsKey), "");
  EXPECT_TRUE(host.writes.empty());
}

TEST_F(ConfigTest, LeadingSpacesAndControlCharactersAreSkipped) {
  host.files[kPath] = "[s]\r\nk=1\r\n";
  EXPECT_EQ(ReadConfigValue(host, " \t\r\n\x01" + kPath, "\x1F s", "\x20\x0Bk"), "1");
  // Only leading ones: a trailing control character stays part of the path.
  EXPECT_EQ(ReadConfigValue(host, kPath + "\x01", "s", "k"), "");
  // Code 33 '!' and up are kept.
  EXPECT_EQ(ReadConfigValue(host, kPath, "!s", "k"), "");
}

TEST_F(ConfigTest, AnEmptyPathSectionOrKeyNeverTouchesTheFile) {
  host.files[kPath] = "[s]\r\nk=1\r\n";
  const int before = host.readCount;
  EXPECT_EQ(ReadConfigValue(host, "", "s", "k"), "");
  EXPECT_EQ(ReadConfigValue(host, " \x01\x1F\x20", "s", "k"), "");
  EXPECT_EQ(ReadConfigValue(host, kPath, "", "k"), "");
  EXPECT_EQ(ReadConfigValue(host, kPath, "\t\t", "k"), "");
  EXPECT_EQ(ReadConfigValue(host, kPath, "s", ""), "");
  EXPECT_EQ(ReadConfigValue(host, kPath, "s", "\r\n"), "");
  EXPECT_EQ(ReadConfigValue(host, kPath, "s", std::string("\0k", 2)), "");
  EXPECT_EQ(host.readCount, before);
  EXPECT_EQ(ReadConfigValue(host, kPath, "s", "k"), "1");
  EXPECT_EQ(host.readCount, before + 1);
}

TEST_F(ConfigTest, ADirectoryNamedLikeTheFileCountsAsPresentAndReadsEmpty) {
  host.directories.insert(kPath);
  EXPECT_TRUE(ConfigFileExists(host, kPath));
  EXPECT_EQ(Read(kPointsSection, kPointsKey), "");
  WriteDefaultConfig(host, kPath);
  EXPECT_TRUE(host.writes.empty());
  EXPECT_EQ(host.files.count(kPath), 0u);
}

TEST_F(ConfigTest, TheDefaultFileHasTheThirtyThreeEntriesInOrder) {
  WriteDefaultConfig(host, kPath);
  ASSERT_EQ(host.writes, std::vector<std::string>{kPath});
  const std::string& file = host.files[kPath];

  // Walk the lines: sections and entries in the order of the writes.
  const auto entries = DefaultEntries();
  ASSERT_EQ(entries.size(), 33u);
  std::vector<std::string> expected;
  std::string section;
  for (const auto& e : entries) {
    if (e.section != section) expected.push_back("[" + (section = e.section) + "]");
    expected.push_back(e.key + "=" + e.value);
  }
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < file.size();) {
    const auto end = file.find("\r\n", pos);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    lines.push_back(file.substr(pos, end - pos));
    pos = end + 2;
  }
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(lines.size(), 40u);
  EXPECT_EQ(lines[15], "[-=-=-=-=-=-=-=-=-=-=-=-=-=]");
  EXPECT_EQ(lines[16], std::string(28, '='));
  EXPECT_EQ(lines.back(), "答对一题得分=1");

  for (int n = 1; n <= 14; ++n) {
    EXPECT_EQ(Read(kTitleSection, QuestionTitleKey(n)), "");
    EXPECT_EQ(Read(kAnswerSection, QuestionAnswerKey(n)), "");
  }
  EXPECT_EQ(Read(kCountdownSection, kCountdownKey), "0");
  EXPECT_EQ(Read(kPointsSection, kPointsKey), "1");
  EXPECT_EQ(TextToNumber(Read(kPointsSection, kPointsKey)), 1.0);
}

TEST_F(ConfigTest, ThirtyThreeWritesIntoAMissingFileGiveTheDefaultFile) {
  // The separators' keys are rows of '=' that cannot be written as keys;
  // everything else goes through the ordinary writer to the same bytes.
  std::string file;
  std::string expected;
  for (const auto& e : DefaultEntries()) {
    if (e.key.find('=') != std::string::npos) {
      file += "[" + e.section + "]\r\n" + e.key + "=" + e.value + "\r\n";
      continue;
    }
    file = WriteIniValue(file, e.section, e.key, e.value).value();
  }
  EXPECT_EQ(file, DefaultConfigText());
}

TEST_F(ConfigTest, WriteDefaultConfigNeverTouchesAnExistingFile) {
  host.files[kPath] = "mine";
  EXPECT_TRUE(WriteDefaultConfig(host, kPath)) << "a file stands there";
  EXPECT_EQ(host.files[kPath], "mine");
  EXPECT_TRUE(host.writes.empty());
}

TEST_F(ConfigTest, AReadOnlyDirectoryGetsNoFileAndNoRemains) {
  host.readOnlyDirectories.insert("C:\\lornel");
  EXPECT_FALSE(WriteDefaultConfig(host, kPath));
  EXPECT_FALSE(WriteDefaultConfig(host, kPath));
  EXPECT_TRUE(host.files.empty());
  EXPECT_FALSE(ConfigFileExists(host, kPath));
}

TEST_F(ConfigTest, AValueSavedMeanwhileIsUsedAtTheNextRead) {
  host.files[kPath] = std::string("[") + kCountdownSection + "]\r\n" + kCountdownKey + "=0\r\n";
  EXPECT_EQ(Read(kCountdownSection, kCountdownKey), "0");
  host.files[kPath] = std::string("[") + kCountdownSection + "]\r\n" + kCountdownKey + "=30\r\n";
  EXPECT_EQ(Read(kCountdownSection, kCountdownKey), "30");
  EXPECT_EQ(TextToInteger(Read(kCountdownSection, kCountdownKey)), 30);
}

TEST_F(ConfigTest, SoundsAreOnOnlyWhenTheirKeyReadsOne) {
  const auto soundsWith = [&](const std::string& line) {
    host.files[kPath] = DefaultConfigText() + "[声音：]\r\n" + line + "\r\n";
    return SoundsOn(Read(kSoundSection, kSoundKey));
  };
  EXPECT_TRUE(soundsWith("开启声音=1"));
  EXPECT_TRUE(soundsWith("开启声音 = 1 "));
  for (const char* off : {"开启声音=0", "开启声音=", "开启声音=11", "开启声音=１", "开启声音=on"})
    EXPECT_FALSE(soundsWith(off)) << off;
  host.files[kPath] = DefaultConfigText();  // the default file has no such key
  EXPECT_FALSE(SoundsOn(Read(kSoundSection, kSoundKey)));
}

TEST_F(ConfigTest, ALongTitleComesBackCutTo10239Bytes) {
  std::string title;
  while (title.size() < 12000) title += "题目";
  host.files[kPath] =
      std::string("[") + kTitleSection + "]\r\n" + QuestionTitleKey(3) + "=" + title;
  const std::string got = Read(kTitleSection, QuestionTitleKey(3));
  EXPECT_EQ(got.size(), 10238u);  // 5119 whole characters; half a one is left out
  EXPECT_EQ(got, title.substr(0, 10238));
}

TEST_F(ConfigTest, BadFilesNeitherCrashNorHang) {
  using namespace std::string_literals;
  const std::vector<std::string> files = {
      "[" + std::string(kPointsSection) + "]\r\n" + kPointsKey + "=" + std::string(10 << 20, '7'),
      "\0\0\0[\0]\0="s + std::string(1000, '\0'),
      std::string(4096, '\xFF'),
      "[\x81]\r\n\x81=\x81",
      "\xEF\xBB\xBF\xF4\x90\x80\x80\xC0\xAF\xED\xA0\x80",
      std::string("\xFF\xFE") + std::string(4097, '\x5B'),
  };
  for (const auto& bytes : files) {
    host.files[kPath] = bytes;
    EXPECT_LE(Read(kPointsSection, kPointsKey).size(), kMaxValueBytes);
    EXPECT_EQ(Read(kTitleSection, QuestionTitleKey(1)), "");
    WriteDefaultConfig(host, kPath);
    EXPECT_EQ(host.files[kPath], bytes);
  }
}

TEST_F(ConfigTest, AWholeSessionLeavesTheUsersFileByteIdentical) {
  const std::string users =
      "; 我的题目\r\n"
      "\r\n"
      "  [ 题目信息： ]  \r\n"
      "第一题题目 =  苹果用英语怎么说？\r\n"
      "\t第二题题目=\"  带空格的题目  \"\n"
      "# 第三题还没想好\r\n"
      "第三题题目\r\n"
      "\r\n"
      "[答案信息：]\r"
      "第一题答案=Apple\r"
      "第二题答案 = '答案'\r\n"
      "\r\n\r\n"
      "[倒计时时间：（填‘0’等于取消该功能）]\r\n"
      "时间单位：秒 = ３０ \r\n"
      "[答对一题加几分：]\r\n"
      "答对一题得分=1.5";  // no line end at the very end
  host.files[kPath] = users;
  for (int round = 0; round < 50; ++round) {
    ASSERT_TRUE(ConfigFileExists(host, kPath));
    WriteDefaultConfig(host, kPath);
    for (int n = 1; n <= 14; ++n) {
      Read(kTitleSection, QuestionTitleKey(n));
      Read(kAnswerSection, QuestionAnswerKey(n));
    }
    EXPECT_EQ(Read(kTitleSection, QuestionTitleKey(1)), "苹果用英语怎么说？");
    EXPECT_EQ(Read(kTitleSection, QuestionTitleKey(2)), "  带空格的题目  ");
    EXPECT_EQ(Read(kTitleSection, QuestionTitleKey(3)), "");
    EXPECT_EQ(Read(kAnswerSection, QuestionAnswerKey(1)), "Apple");
    EXPECT_EQ(Read(kAnswerSection, QuestionAnswerKey(2)), "答案");
    EXPECT_EQ(TextToInteger(Read(kCountdownSection, kCountdownKey)), 30);
    EXPECT_EQ(TextToNumber(Read(kPointsSection, kPointsKey)), 1.5);
  }
  EXPECT_EQ(host.files[kPath], users);
  EXPECT_TRUE(host.writes.empty());
}

TEST_F(ConfigTest, ReadingOneValueOfAFourteenQuestionFileTakesMicroseconds) {
  WriteDefaultConfig(host, kPath);
  std::string file;
  for (int n = 1; n <= 14; ++n)
    file = WriteIniValue(host.files[kPath], kTitleSection, QuestionTitleKey(n),
                         "这是第几道题目的题干，用来量一量读一个值要多久？")
               .value(),
    host.files[kPath] = file;
  const int reads = 20000;
  // The process's CPU time, which other work on a busy machine does not stretch
  // (<chrono> cannot be compiled with GBK literals: its "\u00b5s").
  const std::clock_t start = std::clock();
  std::size_t total = 0;
  for (int i = 0; i < reads; ++i) total += Read(kPointsSection, kPointsKey).size();
  const double perRead = double(std::clock() - start) * 1e6 / CLOCKS_PER_SEC / reads;
  EXPECT_EQ(total, static_cast<std::size_t>(reads));
  // A generous bound that holds in sanitizer builds too; a plain build needs a few µs.
  EXPECT_LT(perRead, 200.0);
  RecordProperty("microseconds_per_read", std::to_string(perRead));
}

}  // namespace
}  // namespace lornel::config
