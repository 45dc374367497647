// The lesson kept between runs (the round file): the scores and the locks,
// when they were saved and of which questions. A crash, a power cut or an
// accidental close then loses nothing a class has played for.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host.h"
#include "quiz/round/round.h"

namespace lornel::quiz {

struct SavedLesson {
  platform::LocalTime savedAt;
  std::uint64_t questions = 0;  // QuestionsFingerprint of the quiz played
  std::array<Points, kGroupCount> scores{};
  std::array<bool, kQuestionCount> locked{};
  std::array<bool, kGroupCount> drawn{};  // the random pick's bag; none in older files
};

// Text lines ending in a check of their own: a file cut short or damaged
// reads as none at all.
std::string WriteLesson(const SavedLesson& lesson);
std::optional<SavedLesson> ReadLesson(std::string_view file);

// Points given, a question locked or a group drawn: a lesson worth offering
// to go on with.
bool WorthResuming(const SavedLesson& lesson);
// "上次 10:42 · 一组 3 分 · 二组 1 分": when, then every group that has points
// (or how many questions were done, when none has).
std::string ResumeCaption(const SavedLesson& lesson, const platform::LocalTime& now);

// Of the fourteen titles and answers as the file holds them: a changed
// question changes it.
std::uint64_t QuestionsFingerprint(const std::array<std::string, kQuestionCount>& titles,
                                   const std::array<std::string, kQuestionCount>& answers);
// The file's name for a quiz file's path: one lesson per quiz file, the same
// whatever the letter case Windows ignores.
std::string LessonFileName(std::string_view configPath);

}  // namespace lornel::quiz
