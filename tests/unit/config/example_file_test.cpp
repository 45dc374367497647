// examples/wtda.ini: a complete, readable question file laid out as the
// default file is, in GBK with CR LF, then the judging sections.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "config/answer_ways.h"
#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"
#include "config/question_kinds.h"
#include "config/quiz_file.h"
#include "judging/judge.h"

namespace lornel::config {
namespace {

std::string ExampleFile() {
  std::ifstream in(LORNEL_SOURCE_DIR "examples/wtda.ini", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(ExampleFile, HoldsFourteenQuestionsAThirtySecondCountdownOnePointAndSounds) {
  const std::string file = ExampleFile();
  ASSERT_FALSE(file.empty());
  for (int n = 1; n <= 14; ++n) {
    EXPECT_FALSE(ReadIniValue(file, kTitleSection, QuestionTitleKey(n)).empty()) << n;
    EXPECT_FALSE(ReadIniValue(file, kAnswerSection, QuestionAnswerKey(n)).empty()) << n;
  }
  EXPECT_EQ(ReadIniValue(file, kAnswerSection, QuestionAnswerKey(2)), "Apple");
  EXPECT_EQ(ReadIniValue(file, kCountdownSection, kCountdownKey), "30");
  EXPECT_EQ(TextToInteger(ReadIniValue(file, kCountdownSection, kCountdownKey)), 30);
  EXPECT_EQ(ReadIniValue(file, kPointsSection, kPointsKey), "1");
  EXPECT_EQ(ReadIniValue(file, kSoundSection, kSoundKey), "1");
  EXPECT_EQ(ReadIniValue(file, kGroupsSection, kRandomGroupKey), "1")
      << "随机 on the group question";
}

TEST(ExampleFile, AsksQuestionsEachOfTheThreeWays) {
  const QuizFile quiz("wtda.ini", ExampleFile());
  std::set<AnswerWay> ways;
  for (int n = 1; n <= kQuestionCount; ++n) ways.insert(WayOf(quiz, n));
  EXPECT_EQ(ways.size(), 3u);
  EXPECT_EQ(BuzzSettingsOf(quiz).seconds, 10);
}

TEST(ExampleFile, ItsQuestionPictureLiesBesideIt) {
  const std::string value = ReadIniValue(ExampleFile(), kPictureSection, QuestionPictureKey(14));
  EXPECT_EQ(value, "图片\\长江.jpg");
  EXPECT_EQ(ReadIniValue(ExampleFile(), kQuestionCountdownSection, QuestionCountdownKey(14)), "45");
  EXPECT_EQ(ReadIniValue(ExampleFile(), kQuestionPointsSection, QuestionPointsKey(12)), "2");
  const std::u8string name = u8"examples/图片/长江.jpg";  // the file system's UTF-8, not GBK
  std::ifstream picture(LORNEL_SOURCE_DIR + std::string(name.begin(), name.end()),
                        std::ios::binary);
  EXPECT_EQ(picture.get(), 0xFF) << "a JPEG";
}

TEST(ExampleFile, IsGbkWithCrLfInTheDefaultFilesLayout) {
  const std::string file = ExampleFile();
  EXPECT_TRUE(gbk::IsWellFormed(file));
  EXPECT_EQ(DetectIniEncoding(file), IniEncoding::Ansi);
  // Line for line the default file, with values filled in.
  std::istringstream ours(file), defaults(DefaultConfigText());
  std::string a, b;
  int lines = 0;
  while (std::getline(defaults, b)) {
    ASSERT_TRUE(std::getline(ours, a)) << lines;
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.back(), '\r');
    // Section lines and separators whole; entries up to their '='.
    const auto cut = b[0] == '[' || b[0] == '=' ? std::string::npos : b.find('=');
    EXPECT_EQ(a.substr(0, cut), b.substr(0, cut)) << lines;
    ++lines;
  }
  EXPECT_EQ(lines, 40);
  for (const char* section : {"[判题方式：]\r", "[声音：]\r", "[分组：]\r", "[其他答案：]\r"}) {
    while (std::getline(ours, a) && a[0] != '[') {
    }
    EXPECT_EQ(a, section);
  }
}

// Every question can be answered on the board once both switches are on: the
// choice and true/false ones by their options, the rest typed; with them off,
// only the letter and digit answers can be typed.
TEST(ExampleFile, TurnsBothSwitchesOnSoEveryQuestionCanBeAnsweredOnTheBoard) {
  const std::string file = ExampleFile();
  EXPECT_EQ(ReadIniValue(file, kJudgingSection, kPinyinKey), "1");
  EXPECT_EQ(ReadIniValue(file, kJudgingSection, kLenientKey), "1");
  const QuizFile quiz("wtda.ini", file);
  EXPECT_EQ(AskedQuestionOf(quiz, 6).kind, QuestionKind::TrueFalse);
  const AskedQuestion oceans = AskedQuestionOf(quiz, 9);
  EXPECT_EQ(oceans.kind, QuestionKind::Choice);
  EXPECT_EQ(oceans.options.size(), 4u);
  EXPECT_EQ(oceans.right, "A");
  int on = 0, off = 0;
  for (int n = 1; n <= 14; ++n) {
    const bool tapped = AskedQuestionOf(quiz, n).kind != QuestionKind::Typed;
    on += tapped || judging::TypeableOnBoard(quiz.Answer(n), {.pinyin = true, .lenient = true});
    off += tapped || judging::TypeableOnBoard(quiz.Answer(n), {});
  }
  EXPECT_EQ(on, 14);
  EXPECT_EQ(off, 10);
}

}  // namespace
}  // namespace lornel::config
