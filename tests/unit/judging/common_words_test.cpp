// The most frequent words of an outside word list, typed as word lists made
// apart from Unihan spell them (judging/tools/make_common_words.py).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/gbk.h"
#include "judging/judge.h"

namespace lornel::judging {
namespace {

std::string Gbk(std::string_view utf8) {
  std::string out;
  for (const char16_t unit : config::gbk::DecodeUtf8(utf8))
    config::gbk::AppendCode(out, config::gbk::UnitToCode(unit));
  return out;
}

TEST(Accepts, PinyinTakesEveryCommonWordAsWordListsSpellIt) {
  std::ifstream in(LORNEL_SOURCE_DIR "tests/unit/judging/common_words.txt");
  ASSERT_TRUE(in);
  int words = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with('#')) continue;
    std::istringstream fields(line);
    std::string word, reading;
    fields >> word;
    const std::string expected = Gbk(word);
    while (fields >> reading)
      EXPECT_TRUE(Accepts(reading, expected, {.pinyin = true})) << word << " typed " << reading;
    ++words;
  }
  EXPECT_EQ(words, 3000);
}

}  // namespace
}  // namespace lornel::judging
