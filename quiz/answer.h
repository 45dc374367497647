// Answer entry, checking and reveal.
#pragma once

#include <string>
#include <string_view>

#include "quiz/context.h"

namespace lornel::quiz {

std::string FoldCase(std::string_view text);
void CheckAnswer(Context& ctx);
void ShakeTick(Context& ctx);
void RevealAnswer(Context& ctx);
// Ends a shake with the box at rest; handlers call it before a message box,
// since the shake's tick can show "请选题！".
void StopShake(const MainForm& main);
// The correct answer shown: the cover goes, "确认答案" off, "继续选题" on.
void UncoverAnswer(const MainForm& main);
// The end of a question answered right (or ruled right): the countdown
// stops, the question closes, "回答正确！", the answer uncovered, the points.
void EndAsCorrect(Context& ctx);

}  // namespace lornel::quiz
