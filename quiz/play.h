// The steps the main window's handlers share. A handler changes the Round,
// then Commit shows it; a message box shows the Round as it stands first,
// since timers tick on while it is open.
#pragma once

#include <string>
#include <string_view>

#include "platform/host.h"
#include "quiz/context.h"

namespace lornel::quiz {

// The controls brought in line with the Round.
void Commit(Context& ctx);
// Commit, then the message box (ui::ShowMessage's flags and title).
platform::MessageResult Tell(Context& ctx, std::string_view text, unsigned flags,
                             std::string_view title = {});
// A scoring step done since `before`: kept for undo, named by what.
void Scored(Context& ctx, const std::string& what, const Round& before);

// What a right answer to question n gives (0: the file's own points), read
// from the file now: a value changed since counts at once.
Points PointsNow(Context& ctx, int n);

// "第三组", "第五题", "+2 分": the words that name a scoring step.
std::string GroupName(int g);
std::string QuestionName(int n);
std::string PointsWords(const Points& points);
// " -1 分": what a penalty takes off; "" for none.
std::string PenaltyWords(const Points& penalty);

// The end of a question answered right, or ruled right by the teacher: the
// countdown stops, the question closes locked, "回答正确！", the answer
// uncovered, the points.
void EndAsCorrect(Context& ctx, bool ruled);

// A wrong answer in a buzz ends the group's turn: 补答 by the next in the
// order, the buzz open again, or the question over. Nothing outside a buzz.
void PassTheTurn(Context& ctx);

// The start cover's buttons: wtda.ini examined, written with defaults when
// missing. True when the cover went: the board is there (and the window may
// still be closing by the repair exit).
bool BeginQuiz(Context& ctx);

// The repair exit: a message, the file opened for editing, the window closing.
void ConfigRepairExit(Context& ctx, const std::string& message, unsigned icon);
void OpenWithShell(platform::Desktop& desktop, const std::string& path);
// False when the repair exit has started: the main window is closing.
bool CountdownCheck(Context& ctx, const std::string& value);

}  // namespace lornel::quiz
