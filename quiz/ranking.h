// The ranking (比赛结果): F9, the system menu's item and the board's button
// once every question is locked lay it over the board; its buttons show the
// places alone, copy it, or go back. Nothing of the game changes.
#pragma once

#include <string>

#include "quiz/context.h"

namespace lornel::quiz {

// Opens it with a fanfare, or closes it when it is open.
void ToggleRanking(Context& ctx);
// "返回" and Esc.
void CloseRanking(Context& ctx);
// "只显示名次" / "显示得分".
void ToggleRanksOnly(Context& ctx);
// "复制": the ranking as a picture and as text.
void CopyRanking(Context& ctx);

// "名次\t小组\t得分" and a line per group in rank order (CR LF), as a
// spreadsheet takes it; with the places alone the scores stay out.
std::u16string RankingText(const Round& r);

}  // namespace lornel::quiz
