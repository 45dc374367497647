#include "editor/quiz_file.h"

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"
#include "editor/unicode.h"

namespace lornel::editor {
namespace {

template <class QuizRef, class Visit>
void ForEachValue(QuizRef& quiz, Visit visit) {
  for (int n = 1; n <= config::kQuestionCount; ++n)
    visit(config::kTitleSection, config::QuestionTitleKey(n), quiz.titles[n - 1]);
  for (int n = 1; n <= config::kQuestionCount; ++n)
    visit(config::kAnswerSection, config::QuestionAnswerKey(n), quiz.answers[n - 1]);
  visit(config::kCountdownSection, config::kCountdownKey, quiz.countdown);
  visit(config::kPointsSection, config::kPointsKey, quiz.points);
}

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

Quiz ReadQuiz(std::string_view file) {
  Quiz quiz;
  ForEachValue(quiz,
               [&](const std::string& section, const std::string& key, std::u16string& value) {
                 value = config::ReadIniUnits(file, section, key);
               });
  return quiz;
}

Quiz Normalized(Quiz quiz) {
  for (auto& title : quiz.titles) title = LineBreaksAsSpaces(title);
  for (auto& answer : quiz.answers) answer = LineBreaksAsSpaces(answer);
  quiz.countdown = Trimmed(LineBreaksAsSpaces(quiz.countdown));
  quiz.points = Trimmed(LineBreaksAsSpaces(quiz.points));
  return quiz;
}

std::optional<std::string> WriteQuiz(std::string_view file, const Quiz& quiz) {
  std::optional<std::string> result = AsGbkWherePossible(file);
  const Quiz saved = Normalized(quiz);
  ForEachValue(
      saved, [&](const std::string& section, const std::string& key, const std::u16string& value) {
        if (!result) return;
        // A value that already reads right keeps its line as it is, quotes and all.
        if (config::ReadIniUnits(*result, section, key) == value) return;
        const auto gbkValue = ToGbk(value);
        result = gbkValue ? config::WriteIniValue(*result, section, key, *gbkValue) : std::nullopt;
      });
  return result;
}

}  // namespace lornel::editor
