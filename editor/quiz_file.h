// The values the editor owns in wtda.ini, read from a file and written back
// into it in place.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "config/questions.h"

namespace lornel::editor {

struct Quiz {
  std::array<std::u16string, config::kQuestionCount> titles, answers;
  std::u16string countdown, points;
  bool operator==(const Quiz&) const = default;
};

// As the program reads them (the first section of a name, the first key in
// it), whole and in UTF-16.
Quiz ReadQuiz(std::string_view file);

// What is saved: a value is one line of the file, so each line break (CR LF,
// CR or LF) becomes a space; the countdown and the points lose the spaces
// around them, so that " 0" cannot pass for a countdown of 0 seconds.
Quiz Normalized(Quiz quiz);

// The file with the quiz's values in place. Each value that reads differently
// is edited on its own line (the line the program reads), a missing one is
// added to its section; every other byte stays. A file in UTF-8 or UTF-16 is
// first turned into GBK when GBK can hold it all, else it keeps its encoding.
// nullopt when a value cannot be stored (GBK cannot hold it) or the file
// cannot be edited without changing what it says.
std::optional<std::string> WriteQuiz(std::string_view file, const Quiz& quiz);

}  // namespace lornel::editor
