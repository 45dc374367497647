#include "quiz/view.h"

#include <algorithm>

#include "quiz/round/answer.h"
#include "quiz/round/buzzing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/groups.h"
#include "quiz/round/ranking.h"
#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

constexpr const char* kNone = "■";  // a placeholder with no group to show
constexpr const char* kPausedText = "倒计时已暂停";

ui::RankingBoard RankingOf(const Round& r) {
  ui::RankingBoard board;
  for (const Place& p : Rank(r.scores, r.draw.inPlay))
    board.entries.push_back({p.place, std::string("第") + round::GroupNumeral(p.group) + "组",
                             r.scores[p.group - 1].Text() + " 分"});
  board.ranksOnly = r.ranking.ranksOnly;
  board.buttons = {{r.ranking.ranksOnly ? "显示得分" : "只显示名次", int(MainCommand::RanksOnly)},
                   {"复制", int(MainCommand::CopyRanking)},
                   {"返回", int(MainCommand::CloseRanking)}};
  return board;
}

}  // namespace

View Project(const Round& r, const std::string& undoStep) {
  View v;
  v.undoStep = undoStep;
  v.startCover = !r.started;
  if (!r.started && !r.resumeOffer.empty()) v.resumeOffer = "接着上次的比赛\r\n" + r.resumeOffer;
  v.groupPanel = r.choosingGroup;
  v.open = r.open;
  if (r.open != 0) {
    v.title = r.title;
    v.picture = r.picture;
    v.picturePath = r.picturePath;
  }
  for (int n = 1; n <= kQuestionCount; ++n) v.offered[n - 1] = QuestionOffered(r, n);
  v.answerCover = !r.answerUncovered;
  v.checkEnabled = r.checkArmed;
  v.nextEnabled = NextOffered(r);
  v.revealEnabled = RevealOffered(r);
  v.correctAnswer = r.expected;
  v.answerBoxClears = r.answerBoxClears;
  v.answerBoxLeft = round::AnswerBoxLeft(r);
  v.shaking = r.shake != 0;
  v.layer = r.layer;
  v.countdown = r.countdown;
  v.countdownNumber = std::to_string(r.countdown.shown);
  v.countdownGrey = round::CountdownPaused(r);
  const std::string buzzNote = round::BuzzNote(r);
  v.infoText = round::CountdownPaused(r) ? kPausedText
               : !buzzNote.empty()       ? buzzNote
               : r.note.empty()          ? MainTable()[int(MainId::InfoText)].caption
                                         : r.note;
  v.answeringGroup = r.group ? round::GroupNumeral(r.group) : kNone;
  v.answeringScore = r.group ? r.scores[r.group - 1].Text() : kNone;
  for (int g = 0; g < kGroupCount; ++g) v.scores[g] = r.scores[g].Text();
  v.choice = ProjectChoice(r);

  v.groupsInPlay = r.draw.inPlay;
  v.drawOffered = r.draw.offered;
  v.drawing = round::Drawing(r.draw);
  v.drawn = r.draw.drawn;
  v.highlight = r.draw.highlight;
  v.drawCheck = r.draw.check;
  v.drawChecks = r.draw.checks;
  v.rankingOffered =
      r.started && std::find(r.locked.begin(), r.locked.end(), false) == r.locked.end();
  if (r.ranking.open) v.ranking = RankingOf(r);
  v.buzz = ProjectBuzz(r);
  return v;
}

}  // namespace lornel::quiz
