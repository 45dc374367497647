// What the editor checks before saving, each finding naming its row. Errors
// stop the save; warnings are shown and the teacher may save all the same.
#pragma once

#include <string>
#include <vector>

#include "editor/quiz_file.h"

namespace lornel::editor {

enum class FieldKind { Title, Answer, Countdown, Points };
struct Field {
  FieldKind kind = FieldKind::Title;
  int row = 0;  // 1..14 for a title or an answer
  bool operator==(const Field&) const = default;
};
// "第3题题目", "第3题答案", "倒计时", "答对一题得分" (GBK).
std::string FieldName(Field field);

enum class Severity { Error, Warning };
struct Finding {
  Severity severity;
  Field field;
  std::string text;        // GBK, starting with the field's name
  std::string untypeable;  // an answer's characters the on-screen keyboard cannot type
};

// In the order of the fields: titles, answers, countdown, points.
std::vector<Finding> CheckQuiz(const Quiz& quiz);

// What the teacher reads before saving: every error first, then the warnings
// about values that differ from the file's (warnings already seen once are
// not repeated), the on-screen keyboard's of several answers as one.
std::vector<Finding> ForSaving(std::vector<Finding> findings, const Quiz& typed,
                               const Quiz& inFile);

// A title that needs more lines than the question label shows.
Finding TitleDoesNotFit(int row, int linesNeeded, int linesShown);

// The characters the on-screen keyboard types (its keys in the main window's
// table, on a plain layout without an input method), in both cases.
const std::u16string& OnScreenKeyboardCharacters();

}  // namespace lornel::editor
