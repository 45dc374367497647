#include "config/quiz_file.h"

#include <cstdint>
#include <type_traits>

#include "config/gbk.h"
#include "config/ini.h"

namespace lornel::config {
namespace {

template <class Text>
QuizValues<Text> ReadAll(const IniDocument& file) {
  QuizValues<Text> values;
  ForEachValue(values, [&](Text& value, const Place& place) {
    if constexpr (std::is_same_v<Text, std::string>) {
      value = file.Value(place.section, place.key);
    } else {
      value = file.Units(place.section, place.key);
    }
  });
  return values;
}

const std::string& Of(const PerQuestion<std::string>& values, int n) {
  static const std::string none;
  return n >= 1 && n <= kQuestionCount ? values[static_cast<std::size_t>(n - 1)] : none;
}

const std::string& OwnOrGlobal(const PerQuestion<std::string>& own, int n,
                               const std::string& global) {
  const std::string& value = Of(own, n);
  return value.empty() ? global : value;
}

}  // namespace

QuizValues<std::string> ReadQuizValues(std::string_view file) {
  return ReadAll<std::string>(IniDocument(file));
}

QuizValues<std::u16string> ReadQuizUnits(std::string_view file) {
  return ReadAll<std::u16string>(IniDocument(file));
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::vector<std::string> SplitAlternatives(std::string_view value) {
  constexpr std::uint16_t kFullWidthBar = 0xA3FC;  // "｜"
  std::vector<std::string> answers;
  std::size_t begin = 0;
  const auto cut = [&](std::size_t end) {
    const std::string_view answer = TrimSpaces(value.substr(begin, end - begin));
    if (!answer.empty()) answers.emplace_back(answer);
  };
  for (std::size_t i = 0; i < value.size();) {
    const gbk::Char c = gbk::At(value, i);
    if (c.code == '|' || c.code == kFullWidthBar) {
      cut(i);
      begin = i + c.size;
    }
    i += c.size;
  }
  cut(value.size());
  return answers;
}

QuizFile::QuizFile(std::string path, std::string_view bytes)
    : path_(std::move(path)), values_(ReadQuizValues(bytes)) {}

const std::string& QuizFile::Title(int n) const { return Of(values_.titles, n); }
const std::string& QuizFile::Answer(int n) const { return Of(values_.answers, n); }
const std::string& QuizFile::OtherAnswersValue(int n) const { return Of(values_.otherAnswers, n); }
std::vector<std::string> QuizFile::OtherAnswers(int n) const {
  return SplitAlternatives(OtherAnswersValue(n));
}
const std::string& QuizFile::PictureValue(int n) const { return Of(values_.pictures, n); }
std::string QuizFile::PicturePath(int n) const {
  return config::PicturePath(path_, PictureValue(n));
}

const std::string& QuizFile::CountdownValue(int n) const {
  return OwnOrGlobal(values_.ownCountdowns, n, values_.countdown);
}
const std::string& QuizFile::PointsValue(int n) const {
  return OwnOrGlobal(values_.ownPoints, n, values_.points);
}

JudgingRules QuizFile::Rules() const {
  return {.pinyin = SwitchOn(values_.pinyin), .lenient = SwitchOn(values_.lenient)};
}
bool QuizFile::SoundsOn() const { return SwitchOn(values_.sounds); }

QuizFile ReadQuizFile(platform::Files& files, const std::string& path) {
  const auto bytes = ReadConfigFile(files, path);
  return QuizFile(path, bytes ? *bytes : std::string());
}

}  // namespace lornel::config
