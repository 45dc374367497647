#include "quiz/render.h"

#include "quiz/choice_render.h"
#include "quiz/key_layer.h"
#include "quiz/question_picture.h"
#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

constexpr ui::Colour kPausedColour = ui::Hex(0x808080);
constexpr int kShakePeriod = 50;
constexpr int kCountdownPeriod = 1000;

const ui::Row& TableRow(MainId id) { return MainTable()[static_cast<int>(id)]; }

void CaptionKeys(const MainForm& main, KeyLayer layer) {
  const bool digits = layer == KeyLayer::Digits;
  for (const ui::Row& row : MainTable().rows) {
    const int vk = row.bindings[0].arg;
    const char* digit = row.onScreenKey ? DigitLayerText(vk) : nullptr;
    if (!digit) continue;
    main.SetText(MainId(row.id), digits ? std::string(digit) : std::string(1, char(vk)));
  }
  main.SetText(MainId::KeyLayer, digits ? "ABC" : "123");
}

const Question& QuestionAt(int n) { return kQuestions[static_cast<std::size_t>(n - 1)]; }

// The timer follows the countdown's state: a resumed one goes on with the
// rest of the second it stopped in, a new start waits a whole second.
void ApplyCountdownTimer(const Countdown& before, const Countdown& after, const MainForm& main) {
  const MainId timer = MainId::CountdownTimer;
  if (!after.running()) {
    if (before.running()) main.SetInterval(timer, 0);
    return;
  }
  if (after.starts != before.starts) {
    main.SetInterval(timer, 0);
    main.SetInterval(timer, kCountdownPeriod);
  } else if (!before.running()) {
    main.ResumeInterval(timer, kCountdownPeriod);
  }
}

// The bar shows what it was last sent, pulled inside its range. A new length
// goes in after the position, so its first second shows the old part of it,
// as it always has; time added goes in range first, so none of it is cut.
void ApplyCountdownBar(const Countdown& before, const Countdown& after, const MainForm& main) {
  const MainId bar = MainId::CountdownBar;
  const bool rangeFirst = after.prepares == before.prepares && after.total > before.total;
  if (rangeFirst) main.SetRangeMax(bar, after.total);
  if (after.left != before.left || after.prepares != before.prepares)
    main.SetPosition(bar, after.left);
  if (!rangeFirst && after.total != before.total) main.SetRangeMax(bar, after.total);
}

// --- the groups in play, the random group and the ranking ---------------------

constexpr int kDrawStepPeriod = 50;  // the highlight's steps: under a second in all
constexpr ui::Colour kHighlightColour = ui::Hex(0xFF0000);
constexpr MainId kDrawnMarks[kGroupCount] = {MainId::Drawn1, MainId::Drawn2, MainId::Drawn3,
                                             MainId::Drawn4, MainId::Drawn5, MainId::Drawn6};

// The score sentence of the first n groups: the table's own, cut after the
// n-th "分." and ended as the sixth is, by one space.
std::string ScoreSentence(int n) {
  const std::string full = TableRow(MainId::ScoreSentence).caption;
  std::size_t end = 0;
  for (int g = 0; g < n && end != std::string::npos; ++g) {
    end = full.find("分.", end);
    if (end != std::string::npos) end += 3;
  }
  return end == std::string::npos ? full : full.substr(0, end) + " ";
}

// Groups beyond those in play go from the group question and the score bar.
// The shorter sentence is centred anew: its labels move as far as its start
// did, measured by the backend on both texts.
void ApplyGroupsInPlay(int n, const MainForm& main) {
  const int sentence = int(MainId::ScoreSentence);
  main.SetText(MainId::ScoreSentence, TableRow(MainId::ScoreSentence).caption);
  const int fullStart = main.form().CaptionCharacterLeft(sentence, 0);
  main.SetText(MainId::ScoreSentence, ScoreSentence(n));
  const int shift = main.form().CaptionCharacterLeft(sentence, 0) - fullStart;
  for (const Group& group : kGroups) {
    main.form().SetVisible(int(group.radio), group.g <= n);
    main.form().SetVisible(int(group.score), group.g <= n);
    main.SetLeft(group.score, TableRow(group.score).rect.left + shift);
  }
}

void ApplyDraw(const View& before, const View& after, const MainForm& main) {
  if (before.groupsInPlay != after.groupsInPlay) ApplyGroupsInPlay(after.groupsInPlay, main);
  if (before.drawOffered != after.drawOffered)
    main.form().SetVisible(int(MainId::DrawButton), after.drawOffered);
  if (before.drawing != after.drawing) {
    main.form().SetEnabled(int(MainId::DrawButton), !after.drawing);
    main.SetInterval(MainId::DrawTimer, after.drawing ? kDrawStepPeriod : 0);
  }
  for (const Group& group : kGroups) {
    const auto marked = [&](const View& v) {
      return v.drawOffered && group.g <= v.groupsInPlay && v.drawn[group.g - 1];
    };
    if (marked(before) != marked(after))
      main.form().SetVisible(int(kDrawnMarks[group.g - 1]), marked(after));
    if ((before.highlight == group.g) != (after.highlight == group.g))
      main.SetTextColour(group.radio, after.highlight == group.g
                                          ? kHighlightColour
                                          : TableRow(group.radio).textColour);
    // One radio of the set checked, as a click on it would leave them.
    if (before.drawChecks != after.drawChecks)
      main.SetChecked(group.radio, group.g == after.drawCheck);
  }
}

void ApplyRanking(const View& before, const View& after, const MainForm& main) {
  if (before.rankingOffered != after.rankingOffered)
    main.form().SetVisible(int(MainId::RankingButton), after.rankingOffered);
  if (before.ranking == after.ranking) return;
  if (after.ranking)
    main.form().ShowRanking(*after.ranking);
  else
    main.form().CloseRanking();
}

}  // namespace

void Apply(const View& before, const View& after, const MainForm& main) {
  if (before.resumeOffer != after.resumeOffer) {
    if (!after.resumeOffer.empty()) main.SetText(MainId::ResumeButton, after.resumeOffer);
    main.form().SetVisible(int(MainId::ResumeButton), !after.resumeOffer.empty());
  }
  if (before.startCover != after.startCover)
    main.form().SetVisible(int(MainId::StartCover), after.startCover);
  // The question: only the open one's picture is held; it goes with its panel.
  if (before.open != after.open && before.open != 0) {
    const Question& q = QuestionAt(before.open);
    main.SetPicture(q.label, "", "");
    main.Hide(q.panel);
  }
  if (after.open != 0) {
    const Question& q = QuestionAt(after.open);
    const bool opened = before.open != after.open;
    if (opened || before.title != after.title) main.SetText(q.label, after.title);
    if (opened || before.picturePath != after.picturePath || before.picture != after.picture)
      main.SetPicture(q.label, after.picturePath, PictureNote(after.picture));
    if (opened) main.Show(q.panel);
  }
  // Still beneath the group panel as it goes: the keys leave, or come, unpainted.
  ApplyChoice(before.choice, after.choice, main);
  if (before.groupPanel != after.groupPanel)
    main.form().SetVisible(int(MainId::GroupPanel), after.groupPanel);
  for (int n = 1; n <= kQuestionCount; ++n)
    if (before.offered[n - 1] != after.offered[n - 1])
      main.form().SetEnabled(int(QuestionAt(n).button), after.offered[n - 1]);

  if (before.answerCover != after.answerCover)
    main.form().SetVisible(int(MainId::AnswerCover), after.answerCover);
  if (before.correctAnswer != after.correctAnswer)
    main.SetText(MainId::CorrectAnswer, after.correctAnswer);
  if (before.checkEnabled != after.checkEnabled)
    main.form().SetEnabled(int(MainId::CheckButton), after.checkEnabled);
  if (before.nextEnabled != after.nextEnabled)
    main.form().SetEnabled(int(MainId::NextQuestionButton), after.nextEnabled);
  if (before.revealEnabled != after.revealEnabled)
    main.form().SetEnabled(int(MainId::RevealButton), after.revealEnabled);
  if (before.answerBoxClears != after.answerBoxClears) main.SetText(MainId::AnswerBox, "");
  if (before.answerBoxLeft != after.answerBoxLeft)
    main.SetLeft(MainId::AnswerBox, after.answerBoxLeft);
  if (before.shaking != after.shaking)
    main.SetInterval(MainId::ShakeTimer, after.shaking ? kShakePeriod : 0);
  if (before.layer != after.layer) CaptionKeys(main, after.layer);

  ApplyCountdownBar(before.countdown, after.countdown, main);
  if (before.countdownNumber != after.countdownNumber)
    main.SetText(MainId::CountdownNumber, after.countdownNumber);
  if (before.countdownGrey != after.countdownGrey)
    main.SetTextColour(MainId::CountdownNumber, after.countdownGrey
                                                    ? kPausedColour
                                                    : TableRow(MainId::CountdownNumber).textColour);
  if (before.infoText != after.infoText) main.SetText(MainId::InfoText, after.infoText);
  ApplyCountdownTimer(before.countdown, after.countdown, main);

  for (int g = 1; g <= kGroupCount; ++g)
    if (before.scores[g - 1] != after.scores[g - 1])
      main.SetText(kGroups[g - 1].score, after.scores[g - 1]);
  if (before.undoStep != after.undoStep)
    main.SetCommandState(
        MainCommand::Undo,
        {after.undoStep.empty() ? "" : "撤销：" + after.undoStep, !after.undoStep.empty()});
  if (before.answeringGroup != after.answeringGroup)
    main.SetText(MainId::AnsweringGroup, after.answeringGroup);
  if (before.answeringScore != after.answeringScore)
    main.SetText(MainId::AnsweringScore, after.answeringScore);

  ApplyDraw(before, after, main);
  ApplyRanking(before, after, main);
  ApplyBuzz(before.buzz, after.buzz, main);
}

}  // namespace lornel::quiz
