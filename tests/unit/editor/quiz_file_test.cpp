// Saving into the teacher's own file: only the edited values change, in the
// lines the program reads, and what is saved reads back as it was typed.
#include "editor/quiz_file.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"
#include "editor/unicode.h"

namespace lornel::editor {
namespace {

std::string Utf8(std::string_view gbkText) {
  return config::gbk::EncodeUtf8(config::gbk::ToUnits(gbkText));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A hand-edited file: comments, odd spacing, LF and CR LF, a quoted value,
// a key twice, its section twice, a key outside any section.
const std::string kHandEdited =
    "; 我的题目\r\n"
    "stray=1\r\n"
    "  [ 题目信息： ]  \r\n"
    "第一题题目 =  中国的首都？ \n"
    "第三题题目=第一个\r\n"
    "第三题题目=第二个\r\n"
    "# 注释=不是注释\r\n"
    "\r\n"
    "[答案信息：]\r\n"
    "第五题答案='  空格  '\r\n"
    "[题目信息：]\r\n"
    "第三题题目=第二节\r\n"
    "[倒计时时间：（填‘0’等于取消该功能）]\r\n"
    "时间单位：秒=30\r\n"
    "[答对一题加几分：]\r\n"
    "答对一题得分=1";

TEST(QuizFile, OnlyTheEditedLinesChange) {
  Quiz quiz = ReadQuiz(kHandEdited);
  EXPECT_EQ(quiz.titles[0], u"中国的首都？");
  EXPECT_EQ(quiz.titles[2], u"第一个");  // the program reads the first key
  EXPECT_EQ(quiz.answers[4], u"  空格  ");
  // Saving what was read changes nothing at all.
  EXPECT_EQ(WriteQuiz(kHandEdited, quiz), kHandEdited);

  quiz.titles[2] = u"新的第三题";
  quiz.answers[4] = u"  Cat ";
  quiz.points = u"2";
  const auto saved = WriteQuiz(kHandEdited, quiz);
  ASSERT_TRUE(saved);
  const auto before = Lines(kHandEdited), after = Lines(*saved);
  ASSERT_EQ(after.size(), before.size());
  std::vector<std::string> changed;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) changed.push_back(after[i]);
  EXPECT_EQ(changed, (std::vector<std::string>{"第三题题目=新的第三题\r", "第五题答案=\"  Cat \"\r",
                                               "答对一题得分=2"}));
  EXPECT_EQ(ReadQuiz(*saved), Normalized(quiz));
}

TEST(QuizFile, Utf8FilesAreSavedAsGbkUnlessGbkCannotHoldThem) {
  Quiz quiz = ReadQuiz(kHandEdited);
  quiz.titles[2] = u"新的第三题";
  const std::string gbkSaved = *WriteQuiz(kHandEdited, quiz);
  // With a BOM and without: the same GBK file as from the GBK original.
  EXPECT_EQ(WriteQuiz("\xEF\xBB\xBF" + Utf8(kHandEdited), quiz), gbkSaved);
  EXPECT_EQ(WriteQuiz(Utf8(kHandEdited), quiz), gbkSaved);
  // An emoji in a comment: the file keeps its encoding and the emoji.
  const std::string withEmoji = "\xEF\xBB\xBF; \xF0\x9F\x98\x80\r\n" + Utf8(kHandEdited);
  const auto kept = WriteQuiz(withEmoji, quiz);
  ASSERT_TRUE(kept);
  EXPECT_EQ(*kept, "\xEF\xBB\xBF; \xF0\x9F\x98\x80\r\n" + Utf8(gbkSaved));
  EXPECT_EQ(ReadQuiz(*kept), quiz);
}

TEST(QuizFile, ValuesGbkCannotHoldAreNotSaved) {
  Quiz quiz = ReadQuiz(kHandEdited);
  quiz.titles[0] = u"笑\U0001F600";
  EXPECT_FALSE(WriteQuiz(kHandEdited, quiz));
  // A UTF-8 file shows them to the editor as they are.
  EXPECT_EQ(
      ReadQuiz("\xEF\xBB\xBF[\xE9\xA2\x98\xE7\x9B\xAE\xE4\xBF\xA1\xE6\x81\xAF\xEF\xBC\x9A]\n"
               "\xE7\xAC\xAC\xE4\xB8\x80\xE9\xA2\x98\xE9\xA2\x98\xE7\x9B\xAE=\xF0\x9F\x98\x80\n")
          .titles[0],
      u"\U0001F600");
}

TEST(QuizFile, NewSectionsAreWrittenOnlyWhenSet) {
  const std::string plain = config::DefaultConfigText();
  Quiz quiz = ReadQuiz(plain);
  EXPECT_EQ(quiz.pinyin, u"");
  // A switch left off and empty own values add nothing.
  quiz.pinyin = SwitchValue(false, quiz.pinyin);
  EXPECT_EQ(WriteQuiz(plain, quiz), plain);

  quiz.pictures[2] = u"图片\\猫.jpg";
  quiz.ownPoints[13] = u" 5 ";
  quiz.otherAnswers[0] = u"Beijing|北京市";
  const std::string saved = *WriteQuiz(plain, Normalized(quiz));
  EXPECT_EQ(saved.substr(0, plain.size()), plain);
  const std::string added = saved.substr(plain.size());
  EXPECT_EQ(Lines(added), (std::vector<std::string>{
                              "[其他答案：]\r", "第一题其他答案=Beijing|北京市\r", "[题目图片：]\r",
                              "第三题图片=图片\\猫.jpg\r", "[每题得分：]\r", "第十四题得分=5\r"}))
      << added;
  // A new quiz has every switch on; turning one off that the file had on writes 0.
  const Quiz fresh = NewQuiz();
  const std::string withSwitches = *WriteQuiz(plain, fresh);
  for (const char* line :
       {"[判题方式：]\r\n拼音作答=1\r\n宽松比较=1\r\n", "[声音：]\r\n开启声音=1"})
    EXPECT_NE(withSwitches.find(line), std::string::npos) << withSwitches;
  Quiz off = ReadQuiz(withSwitches);
  off.sounds = SwitchValue(false, off.sounds);
  EXPECT_EQ(
      config::ReadIniValue(*WriteQuiz(withSwitches, off), config::kSoundSection, config::kSoundKey),
      "0");
  EXPECT_EQ(SwitchValue(false, u"yes"), u"yes");  // off already: kept as the file has it
}

TEST(QuizFile, AnyQuizReadsBackAsSaved) {
  const std::u16string pieces[] = {u"",  u" ",  u"a",    u"题", u"=",  u"[x]", u"\"", u"'",
                                   u";", u"\t", u"\r\n", u"\n", u"　", u"，",  u"0",  u"Ａ"};
  std::mt19937 random(823);
  auto text = [&] {
    std::u16string t;
    for (int i = static_cast<int>(random() % 6); i > 0; --i) t += pieces[random() % 16];
    return t;
  };
  for (int round = 0; round < 300; ++round) {
    Quiz quiz;
    ForEachField([&](Field f) { ValueOf(quiz, f) = text(); });
    const std::string base = round % 2 ? config::DefaultConfigText() : kHandEdited;
    EXPECT_EQ(WriteQuiz(base, quiz).has_value(), Normalized(quiz) == quiz)
        << "a line break is refused";
    const auto saved = WriteQuiz(base, Normalized(quiz));
    ASSERT_TRUE(saved) << round;
    ASSERT_EQ(ReadQuiz(*saved), Normalized(quiz)) << round;
    ASSERT_EQ(config::DetectIniEncoding(*saved), config::IniEncoding::Ansi);
  }
}

}  // namespace
}  // namespace lornel::editor
