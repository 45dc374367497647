// The groups in play ("分组：" "组数", 1 to 6; all six without it) and the
// group question's fair random pick ("随机选组", a switch).
#pragma once

#include "config/quiz_file.h"

namespace lornel::config {

int GroupsInPlay(const QuizFile& quiz);
bool RandomGroupOn(const QuizFile& quiz);

}  // namespace lornel::config
