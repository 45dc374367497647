// wtda.ini read whole, once per event: every value as ReadConfigValue gives
// it, from one read of the file, in whatever encoding the file was saved.
#include "config/quiz_file.h"

#include <gtest/gtest.h>

#include <string>

#include "config/gbk.h"
#include "config/ini.h"
#include "tests/support/fake_host.h"

namespace lornel::config {
namespace {

const std::string kQuizPath = fake::kConfigPath;

// A section twice and a key twice, own values set and unset, a long title.
std::string HandEdited() {
  std::string file = DefaultConfigText();
  const std::string title = "第一题题目=";
  file.insert(file.find(title) + title.size(), std::string(kMaxValueBytes - 1, 'x') + "题目");
  return file +
         "[其他答案：]\r\n第二题其他答案= 北京 | 燕京｜\r\n第二题其他答案=不读\r\n"
         "[每题倒计时：]\r\n第三题倒计时=45\r\n第四题倒计时=  \r\n"
         "[每题得分：]\r\n第三题得分=2\r\n"
         "[题目图片：]\r\n第三题图片=图片\\猫.jpg\r\n"
         "[判题方式：]\r\n拼音作答=1\r\n宽松比较=11\r\n"
         "[声音：]\r\n开启声音=1\r\n"
         "[每题得分：]\r\n第五题得分=9\r\n";
}

struct QuizFileTest : ::testing::Test {
  fake::FakeHost host;
  QuizFileTest() { host.files[kQuizPath] = HandEdited(); }
};

TEST_F(QuizFileTest, OneQuizFileIsOneReadOfTheFile) {
  // What opening a question asked of the file, one value at a time.
  int before = host.readCount;
  ReadConfigValue(host, kQuizPath, kTitleSection, QuestionTitleKey(3));
  ReadConfigValue(host, kQuizPath, kPictureSection, QuestionPictureKey(3));
  ReadConfigValue(host, kQuizPath, kAnswerSection, QuestionAnswerKey(3));
  EXPECT_EQ(host.readCount - before, 3);

  before = host.readCount;
  const QuizFile quiz = ReadQuizFile(host, kQuizPath);
  quiz.Title(3), quiz.PicturePath(3), quiz.Answer(3), quiz.OtherAnswers(3), quiz.Rules();
  quiz.CountdownValue(3), quiz.PointsValue(3), quiz.SoundsOn();
  EXPECT_EQ(host.readCount - before, 1);
  RecordProperty("reads_per_quiz_file", host.readCount - before);
}

TEST_F(QuizFileTest, EveryValueReadsAsReadConfigValueGivesIt) {
  const QuizFile quiz = ReadQuizFile(host, kQuizPath);
  int values = 0;
  ForEachValue(quiz.Values(), [&](const std::string& value, const Place& place) {
    EXPECT_EQ(value, ReadConfigValue(host, kQuizPath, place.section, place.key)) << place.key;
    ++values;
  });
  EXPECT_EQ(values, 9 * 14 + 5 + 6 + 4 + 2);  // per question, global, the keys, buzz-in, groups
  EXPECT_EQ(quiz.Title(1), std::string(kMaxValueBytes - 1, 'x')) << "cut, never inside a character";
  EXPECT_EQ(quiz.OtherAnswersValue(2), "北京 | 燕京｜") << "the first of a key";
  EXPECT_EQ(quiz.OtherAnswers(2), (std::vector<std::string>{"北京", "燕京"}));
  EXPECT_EQ(quiz.PicturePath(3), "C:\\lornel\\图片\\猫.jpg");
  EXPECT_EQ(quiz.Title(0), "");
  EXPECT_EQ(quiz.Answer(15), "");
}

TEST_F(QuizFileTest, AQuestionsOwnValueWhenItIsNotEmptyElseTheGlobalOne) {
  const QuizFile quiz = ReadQuizFile(host, kQuizPath);
  EXPECT_EQ(quiz.CountdownValue(3), "45");
  EXPECT_EQ(quiz.PointsValue(3), "2");
  // 4: spaces only read as empty; 5: only in the second section of its name.
  for (int n : {0, 4, 5, 15}) {
    EXPECT_EQ(quiz.CountdownValue(n), "0") << n;
    EXPECT_EQ(quiz.PointsValue(n), "1") << n;
  }
  EXPECT_EQ(ReadCountdownValue(host, kQuizPath, 3), "45");
  EXPECT_EQ(ReadPointsValue(host, kQuizPath, 4), "1");
}

TEST_F(QuizFileTest, ASwitchIsOnForOneAlone) {
  const QuizFile quiz = ReadQuizFile(host, kQuizPath);
  EXPECT_TRUE(quiz.Rules().pinyin);
  EXPECT_FALSE(quiz.Rules().lenient) << "11";
  EXPECT_TRUE(quiz.SoundsOn());
  for (const char* off : {"", "0", "on", "１", " 1"}) EXPECT_FALSE(SwitchOn(std::string(off)));
  EXPECT_TRUE(SwitchOn(std::u16string(u"1")));
}

TEST_F(QuizFileTest, AMissingFileOrPathReadsEmpty) {
  host.files.clear();
  EXPECT_EQ(ReadQuizFile(host, kQuizPath).Values(), QuizValues<std::string>{});
  host.directories.insert(kQuizPath);
  EXPECT_EQ(ReadQuizFile(host, kQuizPath).CountdownValue(1), "");
  const int before = host.readCount;
  EXPECT_EQ(ReadQuizFile(host, " \t\x01").PointsValue(), "");
  EXPECT_EQ(host.readCount, before) << "an empty path is not read";
}

TEST(QuizFileEncodings, Utf8AndUtf16FilesReadAsTheirGbkTwin) {
  const std::u16string units = gbk::ToUnits(HandEdited());
  std::string utf16 = "\xFF\xFE";
  for (const char16_t u : units) utf16 += {char(u & 0xFF), char(u >> 8)};
  const QuizValues<std::string> expected = ReadQuizValues(HandEdited());
  EXPECT_EQ(expected.countdown, "0");
  for (const std::string& file :
       {gbk::EncodeUtf8(units), "\xEF\xBB\xBF" + gbk::EncodeUtf8(units), utf16})
    EXPECT_EQ(ReadQuizValues(file), expected);
  // What GBK cannot hold reaches the editor as it stands.
  const std::string emoji =
      gbk::EncodeUtf8(gbk::ToUnits("[题目信息：]\n第一题题目=")) + "\xF0\x9F\x98\x80";
  EXPECT_EQ(ReadQuizUnits("\xEF\xBB\xBF" + emoji).titles[0], u"\U0001F600");
}

}  // namespace
}  // namespace lornel::config
