// The question editor's files under Windows: what it saves reads back the
// same through our reader and through GetPrivateProfileStringA.
#include <windows.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"
#include "editor/quiz_file.h"
#include "editor/unicode.h"
#include "tests/win32/config/temp_dir.h"

namespace lornel::editor {
namespace {

using test::Oracle;
using test::TempDir;

TEST(EditorFiles, WhatTheEditorSavesGetPrivateProfileStringReadsTheSame) {
  const std::u16string pieces[] = {u"",  u" ",  u"a",  u"题", u"=",  u"[x]", u"\"", u"'",
                                   u";", u"\t", u"\n", u"　", u"，", u"0",   u"Ａ", u"€"};
  const std::string bases[] = {
      config::DefaultConfigText(),
      "; 注释\r\n[题目信息：]\r\n  第一题题目 = \"旧\" \r\n第一题题目=重复\r\n[答案信息：]\n",
      "\xEF\xBB\xBF[\xE7\xAD\x94\xE6\xA1\x88\xE4\xBF\xA1\xE6\x81\xAF\xEF\xBC\x9A]\r\n"};
  TempDir dir;
  std::mt19937 random(20240);
  auto text = [&] {
    std::u16string t;
    for (int i = static_cast<int>(random() % 7); i > 0; --i) t += pieces[random() % 16];
    return t;
  };
  int compared = 0;
  for (int round = 0; round < 60; ++round) {
    Quiz quiz;
    for (auto& t : quiz.titles) t = text();
    for (auto& a : quiz.answers) a = text();
    quiz.countdown = text();
    quiz.points = text();
    const Quiz expected = Normalized(quiz);  // as the save hands it to the writer
    const auto saved = WriteQuiz(bases[round % 3], expected);
    ASSERT_TRUE(saved) << round;
    const std::string path = dir / ("q" + std::to_string(round) + ".ini");
    test::WriteBytes(path, *saved);
    auto check = [&](const std::string& section, const std::string& key,
                     const std::u16string& value) {
      const std::string gbk = *ToGbk(value);
      ASSERT_EQ(config::ReadIniValue(*saved, section, key), gbk) << round << " " << key;
      ASSERT_EQ(Oracle(path, section, key), gbk) << round << " " << key;
      ++compared;
    };
    for (int n = 1; n <= config::kQuestionCount; ++n) {
      check(config::kTitleSection, config::QuestionTitleKey(n), expected.titles[n - 1]);
      check(config::kAnswerSection, config::QuestionAnswerKey(n), expected.answers[n - 1]);
    }
    check(config::kCountdownSection, config::kCountdownKey, expected.countdown);
    check(config::kPointsSection, config::kPointsKey, expected.points);
  }
  RecordProperty("values_compared", compared);
}

}  // namespace
}  // namespace lornel::editor
