// What the editor checks before saving, each finding naming its row. Errors
// stop the save; warnings are shown and the teacher may save all the same.
#pragma once

#include <string>
#include <vector>

#include "editor/quiz_file.h"
#include "platform/host.h"

namespace lornel::editor {

// "第3题题目", "第3题答案", "第3题秒数", "倒计时", "答对一题得分" (GBK).
std::string FieldName(Field field);

enum class Severity { Error, Warning };
struct Finding {
  Severity severity;
  Field field;
  std::string text;        // GBK, starting with the field's name
  std::string untypeable;  // an answer's characters the on-screen keyboard cannot type
};

// In the order of the fields: titles, answers (each with its other answers,
// or its options), the questions' own seconds and points, countdown, points,
// buzz-in's values and keys, the groups. typed: the boxes, whose line breaks
// are warned about; saved: the same quiz Normalized.
std::vector<Finding> CheckQuiz(const Quiz& typed, const Quiz& saved);
// The pictures, read through files: missing, unreadable, beyond the size the
// program shows (platform/picture_file.h), not a picture by its first bytes.
// configPath: the file they are relative to.
std::vector<Finding> CheckPictures(const Quiz& quiz, const std::string& configPath,
                                   platform::Files& files);

// What the teacher reads before saving: every error first, then the warnings
// about values that differ from the file's (warnings already seen once are
// not repeated), the on-screen keyboard's of several answers as one.
std::vector<Finding> ForSaving(std::vector<Finding> findings, const Quiz& typed,
                               const Quiz& inFile);

// A title that needs more lines than the question label shows, an option
// (1 for A) more than its button shows in the smallest type the board uses.
Finding TitleDoesNotFit(int row, int linesNeeded, int linesShown);
Finding OptionDoesNotFit(int row, int option, int linesNeeded, int linesShown);

}  // namespace lornel::editor
