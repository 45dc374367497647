#include "app/main_events.h"

#include "quiz/answer.h"
#include "quiz/board.h"
#include "quiz/countdown.h"
#include "quiz/groups.h"
#include "quiz/score_menu.h"
#include "quiz/settings_check.h"

namespace lornel::app {

void MainEvents::OnCreated() {
  if (shell_) MainWindowCreated(*shell_);
}

void MainEvents::OnDestroyed() {
  if (shell_) MainWindowDestroyed(*shell_);
}

void MainEvents::OnControlEvent(const ui::Binding& binding) {
  if (shell_) Dispatch(*shell_, binding);
}

void MainEvents::OnContextMenu(const ui::Binding& binding, int x, int /*y*/) {
  if (shell_) Dispatch(*shell_, binding, x);
}

void Dispatch(Shell& shell, const ui::Binding& binding, int x) {
  Context& ctx = shell.ctx;
  using ui::Slot;
  switch (binding.slot) {
    case Slot::ConfigCheckOnStart:
      quiz::ConfigCheckOnStart(ctx);
      break;
    case Slot::OpenQuestion:
      quiz::OpenQuestion(ctx, binding.arg);
      break;
    case Slot::CancelQuestion:
      quiz::CancelQuestion(ctx);
      break;
    case Slot::NextQuestion:
      quiz::NextQuestion(ctx);
      break;
    case Slot::LockScanTick:
      quiz::LockScanTick(ctx);
      break;
    case Slot::LockTick:
      quiz::LockTick(ctx, binding.arg);
      break;
    case Slot::CheckAnswer:
      quiz::CheckAnswer(ctx);
      break;
    case Slot::ShakeTick:
      quiz::ShakeTick(ctx);
      break;
    case Slot::RevealAnswer:
      quiz::RevealAnswer(ctx);
      break;
    case Slot::SimulateKeyPress:
      quiz::SimulateKeyPress(ctx, binding.arg);
      break;
    case Slot::CountdownTick:
      quiz::CountdownTick(ctx);
      break;
    case Slot::RevealGuardTick:
      quiz::RevealGuardTick(ctx);
      break;
    case Slot::ConfirmGroup:
      quiz::ConfirmGroup(ctx);
      break;
    case Slot::ChangeGroup:
      quiz::ChangeGroup(ctx);
      break;
    case Slot::ScoreMirrorTick:
      quiz::ScoreMirrorTick(ctx);
      break;
    case Slot::ScoreMenu:
      quiz::ScoreMenu(ctx, binding.arg, x);
      break;
    case Slot::None:
    case Slot::NoticeCountdownTick:
    case Slot::NoticeFlickerTick:
    case Slot::EditorOpen:
    case Slot::EditorSave:
    case Slot::EditorPaste:
    case Slot::EditorPreview:
    case Slot::EditorTextChanged:
    case Slot::PreviewClose:
    case Slot::Count:
      break;
  }
}

}  // namespace lornel::app
