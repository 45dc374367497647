// The answer judge: exact, lenient and pinyin comparison, other answers, and
// what the on-screen keys can type.
#include "judging/judge.h"

#include <gtest/gtest.h>

#include "judging/pinyin.h"

namespace lornel::judging {
namespace {

constexpr Rules kExact{}, kPinyin{.pinyin = true}, kLenient{.lenient = true},
    kBoth{.pinyin = true, .lenient = true};

struct Case {
  const char* typed;
  const char* expected;
  bool accepted;
};

void ExpectJudged(const Rules& rules, std::initializer_list<Case> cases) {
  for (const Case& c : cases)
    EXPECT_EQ(Accepts(c.typed, c.expected, rules), c.accepted)
        << "typed \"" << c.typed << "\" for \"" << c.expected << "\"";
}

TEST(Accepts, WithEveryRuleOffOnlyTheCaseOfAsciiLettersMayDiffer) {
  ExpectJudged(kExact, {{"HELLO", "hello", true},
                        {"北京", "北京", true},
                        {"beijing", "北京", false},
                        {"北京 ", "北京", false},
                        {"ａｐｐｌｅ", "apple", false},
                        {"\x81\x61", "\x81\x41", false},  // a trail byte is no letter
                        {"", "", true}});
}

TEST(Accepts, PinyinTakesAnyReadingOfEachCharacter) {
  ExpectJudged(kPinyin, {{"beijing", "北京", true},
                         {"Bei Jing", "北京", true},
                         {"BEIJING", "北京", true},
                         {"běijīng", "北京", true},  // tone marks typed are no harm
                         {"chang", "长", true},
                         {"zhang", "长", true},
                         {"changzhang", "长长", true},
                         {"yinhang", "银行", true},
                         {"yinxing", "银行", true},
                         {"beijin", "北京", false},
                         {"beijingg", "北京", false},
                         {"bei京", "北京", false},  // a character with a reading is spelled
                         {"北 京", "北京", false},  // that takes the lenient rule
                         {"", "北京", false}});
}

TEST(Accepts, PinyinTypesUmlautUAsVOrU) {
  ExpectJudged(kPinyin, {{"lv", "绿", true},
                         {"lu", "绿", true},
                         {"lü", "绿", true},
                         {"nvhai", "女孩", true},
                         {"la", "绿", false},
                         {"vhai", "女孩", false}});
}

TEST(Accepts, PinyinRefusesReadingsThatOnlyTheOldDictionaryGives) {
  // Near misses that typed an archaic reading of one character, and modern
  // second readings that stay.
  ExpectJudged(
      kPinyin,
      {{"pengguo", "苹果", false},  {"chaixun", "查询", false},  {"shanshu", "删除", false},
       {"renzai", "人才", false},   {"suowei", "所有", false},   {"yigan", "一个", false},
       {"shenmo", "什么", false},   {"renzi", "儿子", false},    {"tongpao", "同胞", false},
       {"qingshen", "精神", false}, {"jingnian", "青年", false}, {"mengtian", "明天", false},
       {"pijiao", "比较", false},   {"paozi", "包子", false},    {"fushi", "不是", false},
       {"cengjia", "增加", false},  {"qituo", "其他", false},    {"xingjiu", "研究", false},
       {"juqiu", "足球", false},    {"hanxie", "感谢", false},   {"shenme", "什么", true},
       {"chaoyang", "朝阳", true},  {"zhaoyang", "朝阳", true}});
}

TEST(Accepts, PinyinTakesErhuaAsABareR) {
  // Not where 儿 begins a word, or follows a character without a reading.
  ExpectJudged(kPinyin, {{"yidianr", "一点儿", true},
                         {"yidianer", "一点儿", true},
                         {"zher", "这儿", true},
                         {"zhe r", "这 儿", true},
                         {"yihuirgongfu", "一会儿工夫", true},
                         {"zher", "這兒", true},
                         {"erzi", "儿子", true},
                         {"rzi", "儿子", false},
                         {"r", "儿", false},
                         {"cr", "C儿", false},
                         {"zherr", "这儿", false}});
}

TEST(Accepts, PinyinLeavesOtherCharactersToThemselves) {
  ExpectJudged(kPinyin, {{"weishengsuc", "维生素C", true},
                         {"Wei Sheng Su C", "维生素C", true},
                         {"weishengsu", "维生素C", false},
                         {"shui h2o", "水H2O", true},
                         {"shui h20", "水H2O", false},
                         {"《hongloumeng》", "《红楼梦》", true},
                         {"hongloumeng", "《红楼梦》", false},
                         // U+74E7 has no reading: it stands for itself alone.
                         {"瓧", "瓧", true},
                         {"shi瓧", "十瓧", true},
                         {"shiqianwa", "十瓧", false},
                         // An answer with nothing to read is judged as without pinyin.
                         {"h2 o", "H2O", false},
                         {"v", "u", false}});
}

TEST(Accepts, LenientFoldsWidthSpacesAndEndPunctuation) {
  ExpectJudged(kLenient, {{"北京。", "北京", true},
                          {" 北京 ", "北京", true},
                          {"北 京", "北京", true},
                          {"北　京！", "北京", true},
                          {"ＡＰＰＬＥ", "apple", true},
                          {"apple", "ＡＰＰＬＥ?!", true},
                          {"…北京？", "北京", true},
                          {"北", "北京", false},
                          {"a,b", "ab", false},  // punctuation inside counts
                          {"50", "50%", false},
                          {"beijing", "北京", false},
                          // Nothing left to compare: an empty answer takes no "。".
                          {"。", "", false},
                          {"?", "!", false}});
  ExpectJudged(kBoth, {{"Beijing。", "北京", true}, {"bei jing", "北京！", true}});
}

TEST(Accepts, AnAnswerOfManyPolyphonesIsJudgedWithoutBacktracking) {
  // 3000 characters of two readings that share their start: a backtracking
  // matcher would take 2^3000 steps on the refused text.
  std::string expected, typed;
  for (int i = 0; i < 3000; ++i) expected += "长", typed += i % 2 ? "chang" : "zhang";
  EXPECT_TRUE(Accepts(typed, expected, kPinyin));
  EXPECT_FALSE(Accepts(typed + "g", expected, kPinyin));
}

TEST(SplitAlternatives, CutsAtBothBarsAndDropsEmptyPieces) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitAlternatives("首都|燕京｜北平"), (V{"首都", "燕京", "北平"}));
  EXPECT_EQ(SplitAlternatives("||a|| |b|"), (V{"a", "b"}));
  EXPECT_EQ(SplitAlternatives(" new  york |\tla "), (V{"new  york", "la"}));
  EXPECT_EQ(SplitAlternatives(""), V{});
  // 0x7C as a trail byte is part of its character, not a bar.
  EXPECT_EQ(SplitAlternatives("\x81\x7C|b"), (V{"\x81\x7C", "b"}));
}

TEST(Pinyin, SpellingAndCharactersWithoutReading) {
  EXPECT_EQ(PinyinSpelling("北京"), "beijing");
  EXPECT_EQ(PinyinSpelling("绿H2O"), "lüH2O");
  EXPECT_EQ(PinyinSpelling("瓧"), "瓧");
  EXPECT_EQ(CharactersWithoutReading("十瓧瓧，兙a"), (std::vector<std::string>{"瓧", "兙"}));
  EXPECT_TRUE(CharactersWithoutReading("北京，H2O").empty());
  // Readings are toneless, u-umlaut as "v", the usual reading first.
  const auto readings = ReadingsOf(0xB3A4);  // 长
  ASSERT_EQ(readings.size(), 2u);
  EXPECT_EQ(Syllable(readings[0]), "zhang");
  EXPECT_EQ(Syllable(readings[1]), "chang");
  EXPECT_TRUE(ReadingsOf('a').empty());
}

TEST(TypeableOnBoard, FollowsTheRules) {
  EXPECT_TRUE(TypeableOnBoard("Apple", kExact));
  EXPECT_TRUE(TypeableOnBoard("3×(4+5)=27", kExact));
  EXPECT_FALSE(TypeableOnBoard("√2≈1.4", kExact));  // no key types ≈
  EXPECT_FALSE(TypeableOnBoard("北京", kExact));
  EXPECT_TRUE(TypeableOnBoard("北京", kPinyin));
  EXPECT_TRUE(TypeableOnBoard("维生素C", kPinyin));
  EXPECT_FALSE(TypeableOnBoard("十瓧", kPinyin));
  EXPECT_FALSE(TypeableOnBoard("北京。", kPinyin));  // "。" types "."
  EXPECT_TRUE(TypeableOnBoard("北京。", kBoth));
  EXPECT_FALSE(TypeableOnBoard("new york", kExact));  // no space key
  EXPECT_TRUE(TypeableOnBoard("new york", kLenient));
  EXPECT_TRUE(TypeableOnBoard("ＡＢ", kLenient));
  EXPECT_FALSE(TypeableOnBoard("", kBoth));
  EXPECT_FALSE(TypeableOnBoard("？", kLenient));
}

}  // namespace
}  // namespace lornel::judging
