// examples/wtda.ini: a complete, readable question file laid out as the
// default file is, in GBK with CR LF.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"

namespace lornel::config {
namespace {

std::string ExampleFile() {
  std::ifstream in(LORNEL_SOURCE_DIR "examples/wtda.ini", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(ExampleFile, HoldsFourteenQuestionsAThirtySecondCountdownAndOnePoint) {
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
  EXPECT_FALSE(std::getline(ours, a));
  EXPECT_EQ(lines, 40);
}

}  // namespace
}  // namespace lornel::config
