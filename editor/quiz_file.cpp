#include "editor/quiz_file.h"

#include "config/gbk.h"
#include "config/ini.h"
#include "editor/unicode.h"

namespace lornel::editor {
namespace {

std::u16string LineBreaksAsSpaces(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    out.push_back(text[i] == u'\r' || text[i] == u'\n' ? u' ' : text[i]);
  }
  return out;
}

std::u16string Trimmed(std::u16string_view text) {
  auto space = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}

// GBK when it can hold the whole file; otherwise the file as it is.
std::string AsGbkWherePossible(std::string_view file) {
  std::size_t bom = 0;
  const config::IniEncoding encoding = config::DetectIniEncoding(file, &bom);
  if (encoding == config::IniEncoding::Ansi) return std::string(file);
  std::u16string units;
  const std::string_view body = file.substr(bom);
  if (encoding == config::IniEncoding::Utf8) {
    units = config::gbk::DecodeUtf8(body);
    // Broken UTF-8 would come back as U+FFFD: keep such a file as it is.
    if (config::gbk::EncodeUtf8(units) != body) return std::string(file);
  } else {
    if (body.size() % 2) return std::string(file);
    const bool little = encoding == config::IniEncoding::Utf16Le;
    for (std::size_t i = 0; i < body.size(); i += 2) {
      const auto a = static_cast<unsigned char>(body[i]);
      const auto b = static_cast<unsigned char>(body[i + 1]);
      units.push_back(static_cast<char16_t>(little ? a | b << 8 : a << 8 | b));
    }
  }
  const auto converted = ToGbk(units);
  return converted ? *converted : std::string(file);
}

}  // namespace

std::u16string& ValueOf(Quiz& quiz, Field f) {
  const auto i = static_cast<std::size_t>(f.row - 1);
  switch (f.kind) {
    case FieldKind::Title:
      return quiz.titles[i];
    case FieldKind::Answer:
      return quiz.answers[i];
    case FieldKind::OtherAnswers:
      return quiz.otherAnswers[i];
    case FieldKind::Picture:
      return quiz.pictures[i];
    case FieldKind::OwnCountdown:
      return quiz.ownCountdowns[i];
    case FieldKind::OwnPoints:
      return quiz.ownPoints[i];
    case FieldKind::Countdown:
      return quiz.countdown;
    case FieldKind::Points:
      return quiz.points;
    case FieldKind::Pinyin:
      return quiz.pinyin;
    case FieldKind::Lenient:
      return quiz.lenient;
    case FieldKind::Sounds:
      return quiz.sounds;
    case FieldKind::Kind:
      return quiz.kinds[i];
    case FieldKind::Options:
      return quiz.options[i];
    case FieldKind::DefaultWay:
      return quiz.way;
    case FieldKind::Way:
      return quiz.ways[i];
    case FieldKind::BuzzSeconds:
      return quiz.buzzSeconds;
    case FieldKind::FoulPenalty:
      return quiz.foulPenalty;
    case FieldKind::WrongPenalty:
      return quiz.wrongPenalty;
    case FieldKind::BuzzKey:
      return quiz.buzzKeys[i];
    case FieldKind::GroupCount:
      return quiz.groupCount;
    case FieldKind::RandomGroup:
      break;
  }
  return quiz.randomGroup;
}

const std::u16string& ValueOf(const Quiz& quiz, Field f) {
  return ValueOf(const_cast<Quiz&>(quiz), f);
}

Quiz NewQuiz() {
  Quiz quiz = ReadQuiz(config::DefaultConfigText());
  quiz.pinyin = quiz.lenient = quiz.sounds = quiz.randomGroup = u"1";
  return quiz;
}

Quiz Normalized(Quiz quiz) {
  ForEachField([&](Field f) {
    std::u16string& value = ValueOf(quiz, f);
    const bool number = f.kind == FieldKind::Countdown || f.kind == FieldKind::Points ||
                        f.kind == FieldKind::OwnCountdown || f.kind == FieldKind::OwnPoints ||
                        f.kind == FieldKind::BuzzSeconds || f.kind == FieldKind::FoulPenalty ||
                        f.kind == FieldKind::WrongPenalty || f.kind == FieldKind::BuzzKey ||
                        f.kind == FieldKind::GroupCount;
    value = number ? Trimmed(LineBreaksAsSpaces(value)) : LineBreaksAsSpaces(value);
  });
  return quiz;
}

std::optional<std::string> WriteQuiz(std::string_view file, const Quiz& quiz) {
  std::optional<std::string> result = AsGbkWherePossible(file);
  config::ForEachValue(quiz, [&](const std::u16string& value, const config::Place& place) {
    if (!result) return;
    if (value.find_first_of(u"\r\n") != std::u16string::npos) {
      result.reset();
      return;
    }
    // A value that already reads right keeps its line as it is, quotes and all.
    if (config::ReadIniUnits(*result, place.section, place.key) == value) return;
    const auto gbkValue = ToGbk(value);
    result = gbkValue ? config::WriteIniValue(*result, place.section, place.key, *gbkValue)
                      : std::nullopt;
  });
  return result;
}

}  // namespace lornel::editor
