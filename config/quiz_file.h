// wtda.ini read whole: every value either program reads, from one read and
// one parse of the file. lornel.exe reads a QuizFile at the moment an event
// needs the file (a question opened, a group confirmed, an answer judged), so
// an edit saved between two events counts at the next one; the editor keeps
// the same values in UTF-16 (editor/quiz_file.h).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.h"
#include "platform/host.h"

namespace lornel::config {

template <class T>
using PerQuestion = std::array<T, kQuestionCount>;

// The values as Text: GBK bytes for lornel.exe, UTF-16 for the editor. A new
// value is one member here, one line in ForEachValue and, for lornel.exe, one
// accessor of QuizFile.
template <class Text>
struct QuizValues {
  PerQuestion<Text> titles, answers;
  PerQuestion<Text> otherAnswers;  // "|" between them: SplitAlternatives
  // A picture as the file names it; a question's own seconds and points ("": the global ones).
  PerQuestion<Text> pictures, ownCountdowns, ownPoints;
  Text countdown, points;
  Text pinyin, lenient, sounds;  // switches: SwitchOn
  // How a question is asked and answered: its kind and options
  // (config/question_kinds.h), the way the groups answer it, buzz-in's
  // seconds, penalties and keys (config/answer_ways.h), the groups in play
  // and the random pick (config/group_settings.h).
  PerQuestion<Text> kinds, options;
  Text way;
  PerQuestion<Text> ways;
  Text buzzSeconds, foulPenalty, wrongPenalty;
  std::array<Text, kGroupCount> buzzKeys;
  Text groupCount, randomGroup;
  bool operator==(const QuizValues&) const = default;
};

// Where the file keeps a value.
struct Place {
  const char* section;
  std::string key;
};

// Every value with its place, in the order that their sections are added to a file.
template <class Values, class Visit>
void ForEachValue(Values& values, Visit visit) {
  // key(n): QuestionTitleKey, or for a new value [](int n) { return QuestionKey(n, "..."); }.
  const auto rows = [&](auto& perQuestion, const char* section, const auto& key) {
    for (int n = 1; n <= kQuestionCount; ++n) visit(perQuestion[n - 1], Place{section, key(n)});
  };
  rows(values.titles, kTitleSection, QuestionTitleKey);
  rows(values.answers, kAnswerSection, QuestionAnswerKey);
  visit(values.countdown, Place{kCountdownSection, kCountdownKey});
  visit(values.points, Place{kPointsSection, kPointsKey});
  rows(values.otherAnswers, kOtherAnswersSection, OtherAnswersKey);
  visit(values.pinyin, Place{kJudgingSection, kPinyinKey});
  visit(values.lenient, Place{kJudgingSection, kLenientKey});
  rows(values.pictures, kPictureSection, QuestionPictureKey);
  rows(values.ownCountdowns, kQuestionCountdownSection, QuestionCountdownKey);
  rows(values.ownPoints, kQuestionPointsSection, QuestionPointsKey);
  visit(values.sounds, Place{kSoundSection, kSoundKey});
  rows(values.kinds, kKindSection, [](int n) { return QuestionKey(n, "题型"); });
  rows(values.options, kOptionsSection, [](int n) { return QuestionKey(n, "选项"); });
  visit(values.way, Place{kWaySection, kWayKey});
  rows(values.ways, kWaySection, [](int n) { return QuestionKey(n, "方式"); });
  visit(values.buzzSeconds, Place{kBuzzSection, kBuzzSecondsKey});
  visit(values.foulPenalty, Place{kBuzzSection, kFoulPenaltyKey});
  visit(values.wrongPenalty, Place{kBuzzSection, kWrongPenaltyKey});
  for (int g = 1; g <= kGroupCount; ++g)
    visit(values.buzzKeys[g - 1], Place{kBuzzKeySection, GroupKey(g)});
  visit(values.groupCount, Place{kGroupsSection, kGroupCountKey});
  visit(values.randomGroup, Place{kGroupsSection, kRandomGroupKey});
}

// As ReadConfigValue gives each value: GBK, at most 10239 bytes.
QuizValues<std::string> ReadQuizValues(std::string_view file);
// Whole and in UTF-16, for the editor.
QuizValues<std::u16string> ReadQuizUnits(std::string_view file);

// How typed answers are judged ("判题方式：").
struct JudgingRules {
  bool pinyin = false;
  bool lenient = false;
};

// The answers of a "其他答案" value: split at "|" and "｜", spaces and tabs at
// either end of each dropped as the INI reader drops them from a whole value,
// empty ones left out.
std::vector<std::string> SplitAlternatives(std::string_view value);
// Without the spaces and tabs at either end, as the INI reader drops them from a whole value.
std::string_view TrimSpaces(std::string_view text);

class QuizFile {
 public:
  QuizFile() = default;  // no file: every value ""
  QuizFile(std::string path, std::string_view bytes);

  const std::string& Path() const { return path_; }
  const QuizValues<std::string>& Values() const { return values_; }

  // Question n, 1 to 14; "" for any other n.
  const std::string& Title(int n) const;
  const std::string& Answer(int n) const;
  const std::string& OtherAnswersValue(int n) const;
  std::vector<std::string> OtherAnswers(int n) const;
  const std::string& PictureValue(int n) const;
  std::string PicturePath(int n) const;  // the file the value names; "" for none
  // Question n's own value when it is not empty, else the global one, which
  // n = 0 (or any n outside 1..14) gives.
  const std::string& CountdownValue(int n = 0) const;
  const std::string& PointsValue(int n = 0) const;

  JudgingRules Rules() const;
  bool SoundsOn() const;

 private:
  std::string path_;
  QuizValues<std::string> values_;
};

// One read of the file at path; a missing or unreadable file reads as empty.
// As ReadConfigValue, leading codes 1..32 of the path do not count, and a
// path that is then empty is not read.
QuizFile ReadQuizFile(platform::Files& files, const std::string& path);

}  // namespace lornel::config
