#include "quiz/view.h"

#include "quiz/round/answer.h"
#include "quiz/round/buzzing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/groups.h"
#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

constexpr const char* kNone = "■";  // a placeholder with no group to show
constexpr const char* kPausedText = "倒计时已暂停";

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
  v.buzz = ProjectBuzz(r);
  return v;
}

}  // namespace lornel::quiz
