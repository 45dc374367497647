#include "config/group_settings.h"

namespace lornel::config {

// A number outside 1..6 (or none) plays all six, as a file without it does.
int GroupsInPlay(const QuizFile& quiz) {
  const int count = TextToInteger(quiz.Values().groupCount);
  return count >= 1 && count <= kGroupCount ? count : kGroupCount;
}

bool RandomGroupOn(const QuizFile& quiz) { return SwitchOn(quiz.Values().randomGroup); }

}  // namespace lornel::config
