#include "quiz/round/lesson_file.h"

#include <charconv>
#include <cstdio>
#include <map>

#include "quiz/round/groups.h"

namespace lornel::quiz {
namespace {

constexpr std::string_view kHeader = "Lornel lesson 1\r\n";

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash = 14695981039346656037ull) {
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string Hex(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

bool ReadHex(std::string_view text, std::uint64_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return ec == std::errc() && end == text.data() + text.size() && text.size() == 16;
}

bool ReadInt(std::string_view text, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// "2026-12-09 10:42"
bool ReadTime(std::string_view text, platform::LocalTime& t) {
  return text.size() == 16 && text[4] == '-' && text[7] == '-' && text[10] == ' ' &&
         text[13] == ':' && ReadInt(text.substr(0, 4), t.year) &&
         ReadInt(text.substr(5, 2), t.month) && ReadInt(text.substr(8, 2), t.day) &&
         ReadInt(text.substr(11, 2), t.hour) && ReadInt(text.substr(14, 2), t.minute);
}

std::string Clock(const platform::LocalTime& t) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
  return text;
}

bool ReadScores(std::string_view text, std::array<Points, kGroupCount>& scores) {
  for (int g = 0; g < kGroupCount; ++g) {
    const std::size_t bar = text.find('|');
    if ((bar == std::string_view::npos) != (g == kGroupCount - 1)) return false;
    const std::string_view one = text.substr(0, bar);
    if (one.empty()) return false;
    scores[g] = Points::Parse(one);
    text.remove_prefix(bar == std::string_view::npos ? text.size() : bar + 1);
  }
  return true;
}

// "3 5 12": the numbers (from 1) whose flags are set.
template <std::size_t N>
bool ReadNumbers(std::string_view text, std::array<bool, N>& set) {
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    int n = 0;
    if (!ReadInt(text.substr(0, space), n) || n < 1 || n > int(N)) return false;
    set[n - 1] = true;
    text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
  }
  return true;
}

template <std::size_t N>
std::string Numbers(const std::array<bool, N>& set) {
  std::string text;
  for (std::size_t n = 1; n <= N; ++n)
    if (set[n - 1]) text += (text.empty() ? "" : " ") + std::to_string(n);
  return text;
}

}  // namespace

std::string WriteLesson(const SavedLesson& lesson) {
  std::string text(kHeader);
  char saved[32];
  const platform::LocalTime& t = lesson.savedAt;
  std::snprintf(saved, sizeof saved, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  text += "saved=" + std::string(saved) + "\r\n";
  text += "questions=" + Hex(lesson.questions) + "\r\n";
  text += "scores=";
  for (int g = 0; g < kGroupCount; ++g) text += (g ? "|" : "") + lesson.scores[g].ExactText();
  text += "\r\nlocked=" + Numbers(lesson.locked) + "\r\n";
  if (const std::string drawn = Numbers(lesson.drawn); !drawn.empty())
    text += "drawn=" + drawn + "\r\n";
  text += "check=" + Hex(Fnv1a(text)) + "\r\n";
  return text;
}

std::optional<SavedLesson> ReadLesson(std::string_view file) {
  const std::size_t check = file.rfind("check=");
  if (file.substr(0, kHeader.size()) != kHeader || check == std::string_view::npos ||
      file.substr(file.size() - 2) != "\r\n")
    return std::nullopt;
  std::uint64_t sum = 0;
  if (!ReadHex(file.substr(check + 6, file.size() - check - 8), sum) ||
      sum != Fnv1a(file.substr(0, check)))
    return std::nullopt;
  std::map<std::string_view, std::string_view> values;
  for (std::string_view body = file.substr(kHeader.size(), check - kHeader.size());
       !body.empty();) {
    const std::size_t end = body.find("\r\n");
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = body.substr(0, end);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos)
      values.emplace(line.substr(0, equals), line.substr(equals + 1));
    body.remove_prefix(end + 2);
  }
  SavedLesson lesson;
  if (!ReadTime(values["saved"], lesson.savedAt) ||
      !ReadHex(values["questions"], lesson.questions) ||
      !ReadScores(values["scores"], lesson.scores) ||
      !ReadNumbers(values["locked"], lesson.locked) || !ReadNumbers(values["drawn"], lesson.drawn))
    return std::nullopt;
  return lesson;
}

bool WorthResuming(const SavedLesson& lesson) {
  for (const Points& score : lesson.scores)
    if (score != Points()) return true;
  for (bool locked : lesson.locked)
    if (locked) return true;
  for (bool drawn : lesson.drawn)
    if (drawn) return true;
  return false;
}

std::string ResumeCaption(const SavedLesson& lesson, const platform::LocalTime& now) {
  const platform::LocalTime& t = lesson.savedAt;
  std::string when = "上次 ";
  if (t.year != now.year || t.month != now.month || t.day != now.day)
    when += std::to_string(t.month) + "月" + std::to_string(t.day) + "日 ";
  std::string text = when + Clock(t);
  bool scored = false;
  for (int g = 1; g <= kGroupCount; ++g) {
    if (lesson.scores[g - 1] == Points()) continue;
    text +=
        std::string(" · ") + round::GroupNumeral(g) + "组 " + lesson.scores[g - 1].Text() + " 分";
    scored = true;
  }
  if (!scored) {
    int done = 0;
    for (bool locked : lesson.locked) done += locked;
    text += " · 已答 " + std::to_string(done) + " 题";
  }
  return text;
}

std::uint64_t QuestionsFingerprint(const std::array<std::string, kQuestionCount>& titles,
                                   const std::array<std::string, kQuestionCount>& answers) {
  std::uint64_t hash = Fnv1a("");
  for (int n = 0; n < kQuestionCount; ++n) {
    // The lengths keep "ab"+"c" apart from "a"+"bc".
    hash = Fnv1a(std::to_string(titles[n].size()) + ":" + titles[n], hash);
    hash = Fnv1a(std::to_string(answers[n].size()) + ":" + answers[n], hash);
  }
  return hash;
}

std::string LessonFileName(std::string_view configPath) {
  std::string folded;
  for (std::size_t i = 0; i < configPath.size(); ++i) {
    const auto c = static_cast<unsigned char>(configPath[i]);
    folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    // A GBK character's second byte is no letter to fold.
    if (c >= 0x81 && i + 1 < configPath.size()) folded += configPath[++i];
  }
  return Hex(Fnv1a(folded)) + ".lesson";
}

}  // namespace lornel::quiz
