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
// The on-screen keyboard: focus to the answer box, then one key press.
void SimulateKeyPress(Context& ctx, int virtualKey);

}  // namespace lornel::quiz
