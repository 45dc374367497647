#include "app/main_events.h"

#include "app/window_commands.h"
#include "quiz/answer.h"
#include "quiz/board.h"
#include "quiz/buzz.h"
#include "quiz/choice.h"
#include "quiz/countdown.h"
#include "quiz/countdown_control.h"
#include "quiz/everyone.h"
#include "quiz/group_draw.h"
#include "quiz/groups.h"
#include "quiz/keyboard.h"
#include "quiz/picture_view.h"
#include "quiz/play.h"
#include "quiz/ranking.h"
#include "quiz/ruling.h"
#include "quiz/score_menu.h"
#include "quiz/settings_check.h"
#include "quiz/undo.h"

namespace lornel::app {

void MainEvents::OnCreated() { MainWindowCreated(shell_); }
void MainEvents::OnDestroyed() { MainWindowDestroyed(shell_); }
void MainEvents::OnControlEvent(const ui::ControlEvent& event) { Dispatch(shell_, event); }

void Dispatch(Shell& shell, const ui::ControlEvent& event) {
  Context& ctx = shell.ctx;
  const ui::Binding& binding = event.binding;
  using quiz::MainSlot;
  switch (binding.slot.As<MainSlot>()) {
    case MainSlot::ConfigCheckOnStart:
      quiz::ConfigCheckOnStart(ctx);
      break;
    case MainSlot::OpenQuestion:
      quiz::OpenQuestion(ctx, binding.arg);
      break;
    case MainSlot::CancelQuestion:
      quiz::CancelQuestion(ctx);
      break;
    case MainSlot::NextQuestion:
      quiz::NextQuestion(ctx);
      break;
    case MainSlot::CheckAnswer:
      quiz::CheckAnswer(ctx);
      break;
    case MainSlot::ShakeTick:
      quiz::ShakeTick(ctx);
      break;
    case MainSlot::RevealAnswer:
      quiz::RevealAnswer(ctx);
      break;
    case MainSlot::SimulateKeyPress:
      quiz::SimulateKeyPress(ctx, binding.arg);
      break;
    case MainSlot::CountdownTick:
      quiz::CountdownTick(ctx);
      break;
    case MainSlot::ConfirmGroup:
      quiz::ConfirmGroup(ctx);
      break;
    case MainSlot::ChangeGroup:
      quiz::ChangeGroup(ctx);
      break;
    case MainSlot::ScoreMenu:
      quiz::ScoreMenu(ctx, binding.arg, event.x);
      break;
    case MainSlot::SwitchKeyLayer:
      quiz::SwitchKeyLayer(ctx);
      break;
    case MainSlot::RulingMenu:
      quiz::RulingMenu(ctx, event.control, event.x, event.y);
      break;
    case MainSlot::CountdownMenu:
      quiz::CountdownMenu(ctx);
      break;
    case MainSlot::CountdownPause:
      quiz::ToggleCountdownPause(ctx);
      break;
    case MainSlot::ResumeLesson:
      quiz::ResumeLesson(ctx);
      break;
    case MainSlot::ChooseOption:
      quiz::ChooseOption(ctx, binding.arg);
      break;
    case MainSlot::ClearChoice:
      quiz::ClearChoice(ctx);
      break;
    case MainSlot::EnlargePicture:
      quiz::EnlargePicture(ctx, event.control, event.x, event.y);
      break;
    case MainSlot::BuzzKey:
      quiz::PressBuzzKey(ctx, binding.arg, event.time);
      break;
    case MainSlot::StartBuzz:
      quiz::StartBuzz(ctx);
      break;
    case MainSlot::JudgeAnswers:
      quiz::JudgeAnswers(ctx);
      break;
    case MainSlot::ToggleMark:
      quiz::ToggleMark(ctx, binding.arg);
      break;
    case MainSlot::AwardMarks:
      quiz::AwardMarks(ctx);
      break;
    case MainSlot::AddPoints:
      quiz::AddPoints(ctx, binding.arg);
      break;
    case MainSlot::SubtractPoints:
      quiz::SubtractPoints(ctx, binding.arg);
      break;
    case MainSlot::ClearScore:
      quiz::ClearScore(ctx, binding.arg);
      break;
    case MainSlot::CopyScores:
      quiz::CopyScores(ctx);
      break;
    case MainSlot::AddTenSeconds:
      quiz::AddTenSeconds(ctx);
      break;
    case MainSlot::TakeTenSeconds:
      quiz::TakeTenSeconds(ctx);
      break;
    case MainSlot::RuleCorrect:
      quiz::RuleCorrect(ctx);
      break;
    case MainSlot::Undo:
      quiz::UndoLastStep(ctx);
      break;
    case MainSlot::ToggleSounds:
      ToggleSounds(shell);
      break;
    case MainSlot::ToggleFullScreen:
      ToggleFullScreen(ctx.main.form());
      break;
    case MainSlot::Escape:
      if (ctx.round.ranking.open)
        quiz::CloseRanking(ctx);
      else
        Escape(ctx.main.form());
      break;
    case MainSlot::DrawGroup:
      quiz::DrawGroup(ctx);
      break;
    case MainSlot::DrawTick:
      quiz::DrawTick(ctx);
      break;
    case MainSlot::ToggleRanking:
      quiz::ToggleRanking(ctx);
      break;
    case MainSlot::RanksOnly:
      quiz::ToggleRanksOnly(ctx);
      break;
    case MainSlot::CopyRanking:
      quiz::CopyRanking(ctx);
      break;
    case MainSlot::CloseRanking:
      quiz::CloseRanking(ctx);
      break;
    case MainSlot::None:
      break;
  }
  // Whatever the handler changed of the Round shows now.
  quiz::Commit(ctx);
}

}  // namespace lornel::app
