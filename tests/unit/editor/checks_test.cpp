// The checks before saving: errors stop the save, warnings inform.
#include "editor/checks.h"

#include <gtest/gtest.h>

#include "editor/options.h"
#include "editor/pictures.h"
#include "platform/picture_file.h"
#include "tests/support/fake_host.h"

namespace lornel::editor {
namespace {

Quiz Valid() {
  Quiz quiz;
  quiz.countdown = u"30";
  quiz.points = u"1";
  return quiz;
}

std::vector<Finding> Check(const Quiz& typed) { return CheckQuiz(typed, Normalized(typed)); }

std::vector<std::string> Texts(const Quiz& quiz, Severity severity) {
  std::vector<std::string> out;
  for (const Finding& f : Check(quiz))
    if (f.severity == severity) out.push_back(f.text);
  return out;
}

TEST(Checks, TextThatGbkCannotHoldIsAnErrorNamingRowAndCharacter) {
  Quiz quiz = Valid();
  quiz.titles[2] = u"哈哈\U0001F600";  // an emoji
  quiz.answers[6] = u"한";             // Hangul: not in GBK
  quiz.titles[9] = u"𪚥";              // beyond the BMP, not in GBK
  const auto errors = Check(quiz);
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
    EXPECT_TRUE(Check(quiz).empty()) << Texts(quiz, Severity::Error)[0];
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
    EXPECT_TRUE(Check(quiz).empty());
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
  EXPECT_TRUE(Check(quiz).empty());
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

TEST(Checks, TheKeysTypeDigitsAndWithTheRulesPinyinAndLenientForms) {
  Quiz quiz = Valid();
  quiz.answers = {u"3.14", u"北京", u"北京。", u"Ａｂｃ", u"猫"};
  quiz.otherAnswers[4] = u"喵|cat";
  auto keyboard = [&] {
    std::vector<int> rows;
    for (const Finding& f : Check(quiz))
      if (!f.untypeable.empty()) rows.push_back(f.field.row);
    return rows;
  };
  // The other answer "cat" is typeable: no warning for row 5.
  EXPECT_EQ(keyboard(), (std::vector<int>{2, 3, 4}));
  quiz.pinyin = u"1";
  EXPECT_EQ(keyboard(), (std::vector<int>{3, 4}));
  quiz.lenient = u"1";
  EXPECT_EQ(keyboard(), std::vector<int>{});
  quiz.answers[5] = u"十瓧";  // 瓧 has no reading
  const auto findings = Check(quiz);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_NE(findings[0].text.find("打不出“瓧”（它有英文字母、数字和常用符号，汉字可以用拼音打出）"
                                  "；“瓧”没有拼音读音"),
            std::string::npos);
}

TEST(Checks, OtherAnswersOwnSecondsAndPoints) {
  Quiz quiz = Valid();
  quiz.otherAnswers[0] = u"a|b";
  quiz.otherAnswers[1] = u" |a";
  quiz.otherAnswers[2] = u"a｜";
  quiz.ownCountdowns = {u"", u"20", u"00", u"x"};
  quiz.ownPoints = {u"", u"2", u"0.5", u"两分"};
  const auto errors = Texts(quiz, Severity::Error);
  ASSERT_EQ(errors.size(), 5u);
  EXPECT_EQ(errors[0].rfind("第2题其他答案：开头和末尾不能是“|”", 0), 0u);
  EXPECT_EQ(errors[1].rfind("第3题其他答案：", 0), 0u);
  EXPECT_NE(errors[2].find("第3题秒数：“00”会让每道题立刻超时"), std::string::npos);
  EXPECT_EQ(errors[3].rfind("第4题秒数：请填写整数秒数", 0), 0u);
  EXPECT_EQ(errors[4].rfind("第4题得分：请填写数字", 0), 0u);
}

// Each finding of the severity starts with one of the beginnings, in order.
void ExpectStarts(const Quiz& quiz, Severity severity, const std::vector<std::string>& starts) {
  const auto texts = Texts(quiz, severity);
  ASSERT_EQ(texts.size(), starts.size()) << (texts.empty() ? "" : texts[0]);
  for (std::size_t i = 0; i < texts.size(); ++i)
    EXPECT_EQ(texts[i].rfind(starts[i], 0), 0u) << texts[i];
}

TEST(Checks, ChoiceAndTrueFalseAnswersAsTheBoardReadsThem) {
  Quiz quiz = Valid();
  const std::u16string choices[][2] = {
      {u"甲|乙|丙|丁", u"a"}, {u" 甲 ｜乙｜", u"Ｂ"},   {u"甲|乙|丙", u"C, A"},
      {u"甲| |丙", u"A"},     {u"1|2|3|4|5|6|7", u"A"}, {u"只有一个", u"A"},
      {u"甲|乙|丙|丁", u"E"}, {u"甲|乙", u""},          {u"甲|乙", u"甲"}};
  for (int n = 1; n <= 9; ++n) {
    quiz.kinds[n - 1] = u"选择";
    quiz.options[n - 1] = choices[n - 1][0];
    quiz.answers[n - 1] = choices[n - 1][1];
  }
  const std::u16string truths[] = {u"√", u"错误", u"也许"};
  for (int n = 10; n <= 12; ++n) {
    quiz.kinds[n - 1] = u"判断";
    quiz.answers[n - 1] = truths[n - 10];
  }
  ExpectStarts(
      quiz, Severity::Error,
      {"第4题选项：选项B是空的", "第5题选项：最多六个选项（A 到 F），这里有 7 个",
       "第6题选项：选择题至少要有两个选项", "第7题答案：“E”不对：答案填正确选项的字母（A 到 D）",
       "第8题答案：选择题的答案填正确选项的字母（A 到 B）", "第9题答案：“甲”不对",
       "第12题答案：判断题的答案填“对”或“错”"});
  // Tapped, not typed: no word about the on-screen keys.
  EXPECT_TRUE(Texts(quiz, Severity::Warning).empty());

  EXPECT_EQ(OptionCells(u" a | |b｜ | "), (std::vector<std::u16string>{u"a", u"", u"b"}));
  EXPECT_EQ(BoxCells(u"a|b|c|d|e|f|g").back(), u"f | g");
  const std::u16string boxes[] = {u"a ", u"", u"c", u" ", u""};
  EXPECT_EQ(JoinedOptions(boxes), u"a |  | c");
}

TEST(Checks, BuzzInValuesKeysAndTheGroupsInPlay) {
  Quiz quiz = Valid();
  quiz.buzzSeconds = u"１０";
  quiz.foulPenalty = u"0.5";
  // A key set for a group replaces its digits: 5 and 1 are free again. A to F
  // choose an option only once a group has won the buzz.
  quiz.buzzKeys = {u"A", u"ｗ", u"F5", u"", u"1", u"5"};
  quiz.groupCount = u"6";
  EXPECT_TRUE(Check(quiz).empty()) << Texts(quiz, Severity::Error)[0];
  quiz.buzzSeconds = u"十";
  quiz.foulPenalty = u"-1";
  quiz.wrongPenalty = u"x";
  quiz.buzzKeys = {u"Q", u"q", u"F11", u"??", u"", u"4"};
  quiz.groupCount = u"7";
  ExpectStarts(quiz, Severity::Error,
               {"抢答时间：请填写整数秒数", "犯规扣分：这里填扣几分，不能是负数",
                "答错扣分：请填写数字", "组数：填 1 到 6", "第1组抢答键：“Q”也是第2组的抢答键",
                "第2组抢答键：“q”也是第1组的抢答键", "第3组抢答键：“F11”是课堂程序自己用的键",
                "第4组抢答键：“??”不是一个键", "第6组抢答键：“4”也是第4组的抢答键"});
  // Groups beyond the number in play are not asked about.
  quiz.buzzSeconds = quiz.foulPenalty = quiz.wrongPenalty = u"";
  quiz.groupCount = u"2";
  ExpectStarts(quiz, Severity::Error,
               {"第1组抢答键：“Q”也是第2组的抢答键", "第2组抢答键：“q”也是第1组的抢答键"});
}

TEST(Checks, PicturesMissingTooLargeOrNotAPicture) {
  fake::FakeHost host;
  host.files["C:\\quiz\\图片\\a.jpg"] = "\xFF\xD8\xFF\xE0 jpeg";
  host.files["C:\\quiz\\b.png"] = std::string("\x89PNG\r\n\x1A\n", 8);
  host.files["D:\\c.bmp"] = "BM" + std::string(40, '\0');
  host.files["C:\\quiz\\d.gif"] = "GIF89a" + std::string(platform::kMaxPictureFileBytes, 'x');
  host.files["C:\\quiz\\e.jpg"] = "not a picture";
  Quiz quiz = Valid();
  quiz.pictures = {u"图片\\a.jpg", u"b.png", u"D:\\c.bmp", u"d.gif", u"e.jpg", u"f.jpg"};
  const auto findings = CheckPictures(quiz, "C:\\quiz\\wtda.ini", host);
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].field, (Field{FieldKind::Picture, 4}));
  EXPECT_NE(findings[0].text.find("超过 20 MB，课堂上不会显示"), std::string::npos);
  EXPECT_NE(findings[1].text.find("不是能显示的图片"), std::string::npos);
  EXPECT_NE(findings[2].text.find("找不到图片“C:\\quiz\\f.jpg”"), std::string::npos);
  EXPECT_EQ(findings[2].severity, Severity::Warning);
}

}  // namespace
}  // namespace lornel::editor

namespace lornel::editor {
namespace {

TEST(Checks, BeforeSavingWarningsConcernOnlyChangedValuesAndKeyboardOnesAreOne) {
  Quiz inFile = Valid();
  inFile.answers = {u"北京", u"12", u"Apple"};
  Quiz typed = inFile;
  EXPECT_TRUE(ForSaving(Check(typed), typed, inFile).empty());  // seen before
  typed.answers[3] = u"李白";
  typed.answers[4] = u"7 ";
  typed.countdown = u"";
  const auto findings = ForSaving(Check(typed), typed, inFile);
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].text, "倒计时：不能为空。填 0 表示不倒计时。");
  EXPECT_NE(findings[1].text.find("第5题答案：前后的空格"), std::string::npos);
  EXPECT_NE(findings[2].text.find("作答：第4题答案“李 白”，第5题答案“空格”。"), std::string::npos);
}

}  // namespace
}  // namespace lornel::editor
