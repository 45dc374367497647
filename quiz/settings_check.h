// The start cover: its start button begins from zero, its second button goes
// on with the lesson the last run left off.
#pragma once

#include "quiz/context.h"

namespace lornel::quiz {

// "开始！Go！Go！Go！".
void ConfigCheckOnStart(Context& ctx);
// "接着上次的比赛": the scores and the locks back; the scores alone, said in
// the information bar, when the questions have changed since.
void ResumeLesson(Context& ctx);

}  // namespace lornel::quiz
