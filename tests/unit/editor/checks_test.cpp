// The checks before saving: errors stop the save, warnings inform.
#include "editor/checks.h"

#include <gtest/gtest.h>

namespace lornel::editor {
namespace {

Quiz Valid() {
  Quiz quiz;
  quiz.countdown = u"30";
  quiz.points = u"1";
  return quiz;
}

std::vector<std::string> Texts(const Quiz& quiz, Severity severity) {
  std::vector<std::string> out;
  for (const Finding& f : CheckQuiz(quiz))
    if (f.severity == severity) out.push_back(f.text);
  return out;
}

TEST(Checks, TextThatGbkCannotHoldIsAnErrorNamingRowAndCharacter) {
  Quiz quiz = Valid();
  quiz.titles[2] = u"哈哈\U0001F600";  // an emoji
  quiz.answers[6] = u"한";             // Hangul: not in GBK
  quiz.titles[9] = u"𪚥";              // beyond the BMP, not in GBK
  const auto errors = CheckQuiz(quiz);
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0].field, (Field{FieldKind::Title, 3}));
  EXPECT_EQ(errors[0].severity, Severity::Error);
  EXPECT_NE(errors[0].text.find("第3题题目：第3个字符（U+1F600）"), std::string::npos);
  EXPECT_NE(errors[1].text.find("第10题题目：第1个字符（U+2A6A5）"), std::string::npos);
  EXPECT_NE(errors[2].text.find("第7题答案：第1个字符（U+D55C）"), std::string::npos);
  quiz.points = u"\U0001F600";
  EXPECT_EQ(Texts(quiz, Severity::Error).size(), 4u);
}

TEST(Checks, CountdownAndPointsMustBeNumbers) {
  for (const std::u16string ok : {u"0", u"30", u"３０", u" 30 ", u"0030"}) {
    Quiz quiz = Valid();
    quiz.countdown = ok;
    EXPECT_TRUE(CheckQuiz(quiz).empty()) << Texts(quiz, Severity::Error)[0];
  }
  for (const std::u16string bad : {u"", u"  ", u"abc", u"30秒", u"-5", u"1.5", u"00", u"０"}) {
    Quiz quiz = Valid();
    quiz.countdown = bad;
    const auto errors = Texts(quiz, Severity::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("倒计时：", 0), 0u);
  }
  for (const std::u16string ok : {u"1", u"0.5", u"-2", u"1e1", u"１", u".5", u"+3"}) {
    Quiz quiz = Valid();
    quiz.points = ok;
    EXPECT_TRUE(CheckQuiz(quiz).empty());
  }
  for (const std::u16string bad : {u"", u"x", u"1分", u"1e", u".", u"--1"}) {
    Quiz quiz = Valid();
    quiz.points = bad;
    ASSERT_EQ(Texts(quiz, Severity::Error).size(), 1u);
  }
}

TEST(Checks, AnswerWarnings) {
  Quiz quiz = Valid();
  quiz.answers[0] = u"Apple";
  quiz.answers[1] = u"a,b.C";
  EXPECT_TRUE(CheckQuiz(quiz).empty());
  quiz.answers[2] = u"北京北";
  quiz.answers[3] = u" cat ";
  quiz.titles[4] = u"第一行\r\n第二行";
  const auto warnings = Texts(quiz, Severity::Warning);
  ASSERT_EQ(warnings.size(), 4u);
  EXPECT_EQ(warnings[0], "第5题题目：换行会保存为空格（题目文件的一个值只占一行）。");
  EXPECT_NE(warnings[1].find("第3题答案：屏幕键盘打不出“北 京”"), std::string::npos);
  EXPECT_NE(warnings[2].find("第4题答案：前后的空格会保存下来"), std::string::npos);
  EXPECT_NE(warnings[3].find("第4题答案：屏幕键盘打不出“空格”"), std::string::npos);
  EXPECT_TRUE(Texts(quiz, Severity::Error).empty());
}

TEST(Checks, TheOnScreenKeyboardTypesLettersCommaAndFullStop) {
  const std::u16string& keys = OnScreenKeyboardCharacters();
  EXPECT_EQ(keys.size(), 26u * 2 + 2);
  for (const char16_t c : std::u16string_view(u"qQzZ,.")) EXPECT_NE(keys.find(c), keys.npos);
  for (const char16_t c : std::u16string_view(u"1 ，。")) EXPECT_EQ(keys.find(c), keys.npos);
}

}  // namespace
}  // namespace lornel::editor

namespace lornel::editor {
namespace {

TEST(Checks, BeforeSavingWarningsConcernOnlyChangedValuesAndKeyboardOnesAreOne) {
  Quiz inFile = Valid();
  inFile.answers = {u"北京", u"12", u"Apple"};
  Quiz typed = inFile;
  EXPECT_TRUE(ForSaving(CheckQuiz(typed), typed, inFile).empty());  // seen before
  typed.answers[3] = u"李白";
  typed.answers[4] = u"7 ";
  typed.countdown = u"";
  const auto findings = ForSaving(CheckQuiz(typed), typed, inFile);
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].text, "倒计时：不能为空。填 0 表示不倒计时。");
  EXPECT_NE(findings[1].text.find("第5题答案：前后的空格"), std::string::npos);
  EXPECT_NE(findings[2].text.find("作答：第4题答案“李 白”，第5题答案“7 空格”。"),
            std::string::npos);
}

}  // namespace
}  // namespace lornel::editor
