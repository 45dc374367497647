// The score bar's menu: a group's score corrected by hand (a point more, a
// point less, back to zero) and every score copied for a spreadsheet.
#pragma once

#include <string>

#include "quiz/context.h"

namespace lornel::quiz {

// The group (1 to 6) whose part of the score sentence holds x (its
// table units): from the start of "第N组：" to the start of the next group's
// name, the last group in play to the end; 0 before the first name.
int ScoreSentenceGroupAt(const MainForm& main, int x, int groupsInPlay);

// A right-click on the score bar: on a score label (group 1 to 6), or on the
// sentence (group 0) at x. Its items raise the commands below with the group.
void ScoreMenu(Context& ctx, int group, int x);
// The points per correct answer, read now, more or less; nothing without a
// number above 0 there.
void AddPoints(Context& ctx, int group);
void SubtractPoints(Context& ctx, int group);
void ClearScore(Context& ctx, int group);
// The scores of the groups in play on the clipboard (ScoreTable).
void CopyScores(Context& ctx);

// "小组", "得分", then 第一组 ... 第六组 with their scores as shown: tab
// between the columns, CR LF after every row, as spreadsheets paste it.
std::u16string ScoreTable(const Round& r);

}  // namespace lornel::quiz
