// The editor's view of wtda.ini: config's quiz values (config/quiz_file.h)
// whole and in UTF-16, field by field, and written back into the file in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/quiz_file.h"

namespace lornel::editor {

using config::PerQuestion;
using config::SwitchOn;
// The values the editor owns, as the teacher types them.
using Quiz = config::QuizValues<std::u16string>;

// One value of the quiz: row 1..14 for the per-question ones, the group
// 1..6 for a buzz key, 0 for the others.
enum class FieldKind {
  Title,
  Answer,
  OtherAnswers,
  Picture,
  OwnCountdown,
  OwnPoints,
  Countdown,
  Points,
  Pinyin,
  Lenient,
  Sounds,
  Kind,
  Options,
  DefaultWay,
  Way,
  BuzzSeconds,
  FoulPenalty,
  WrongPenalty,
  BuzzKey,
  GroupCount,
  RandomGroup
};
struct Field {
  FieldKind kind = FieldKind::Title;
  int row = 0;
  bool operator==(const Field&) const = default;
};

// Every field, in the order of config::ForEachValue.
template <class Visit>
void ForEachField(Visit visit) {
  auto rows = [&](FieldKind kind) {
    for (int n = 1; n <= config::kQuestionCount; ++n) visit(Field{kind, n});
  };
  rows(FieldKind::Title);
  rows(FieldKind::Answer);
  visit(Field{FieldKind::Countdown, 0});
  visit(Field{FieldKind::Points, 0});
  rows(FieldKind::OtherAnswers);
  visit(Field{FieldKind::Pinyin, 0});
  visit(Field{FieldKind::Lenient, 0});
  rows(FieldKind::Picture);
  rows(FieldKind::OwnCountdown);
  rows(FieldKind::OwnPoints);
  visit(Field{FieldKind::Sounds, 0});
  rows(FieldKind::Kind);
  rows(FieldKind::Options);
  visit(Field{FieldKind::DefaultWay, 0});
  rows(FieldKind::Way);
  visit(Field{FieldKind::BuzzSeconds, 0});
  visit(Field{FieldKind::FoulPenalty, 0});
  visit(Field{FieldKind::WrongPenalty, 0});
  for (int g = 1; g <= config::kGroupCount; ++g) visit(Field{FieldKind::BuzzKey, g});
  visit(Field{FieldKind::GroupCount, 0});
  visit(Field{FieldKind::RandomGroup, 0});
}

std::u16string& ValueOf(Quiz& quiz, Field field);
const std::u16string& ValueOf(const Quiz& quiz, Field field);

// A switch's value as a check box sets it: an off value the file had stays as it was.
inline std::u16string SwitchValue(bool on, const std::u16string& before) {
  if (on) return u"1";
  return SwitchOn(before) ? u"0" : before;
}

// As the program reads them (the first section of a name, the first key in
// it), whole and in UTF-16.
inline Quiz ReadQuiz(std::string_view file) { return config::ReadQuizUnits(file); }
// What a quiz begun in the editor holds: the default file, every switch on
// (the random pick of a group too).
Quiz NewQuiz();

// What is saved: a value is one line of the file, so each line break (CR LF,
// CR or LF) becomes a space; the numbers and the keys lose the spaces around
// them, so that " 0" cannot pass for a countdown of 0 seconds.
Quiz Normalized(Quiz quiz);

// The file with the quiz's values in place. Each value that reads differently
// is edited on its own line (the line the program reads), a missing one is
// added to its section, a section added at the end; every other byte stays,
// and a value that reads as it is (an absent switch that stays off) adds
// nothing. A file in UTF-8 or UTF-16 is first turned into GBK when GBK can
// hold it all, else it keeps its encoding. nullopt when a value cannot be
// stored (GBK cannot hold it) or the file cannot be edited without changing
// what it says. quiz: as saved (Normalized); a value with a line break would
// break its line and is refused (nullopt).
std::optional<std::string> WriteQuiz(std::string_view file, const Quiz& quiz);

}  // namespace lornel::editor
