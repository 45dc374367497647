#include "app/window_commands.h"

#include "quiz/main_ids.h"

namespace lornel::app {
namespace {

void Check(ui::Form& form, quiz::MainCommand command, bool on) {
  form.SetCommandState(static_cast<int>(command), {"", true, on});
}

void SetFullScreen(ui::Form& form, bool on) {
  form.SetFullScreen(on);
  Check(form, quiz::MainCommand::FullScreen, form.IsFullScreen());
}

}  // namespace

void ToggleFullScreen(ui::Form& form) { SetFullScreen(form, !form.IsFullScreen()); }

void Escape(ui::Form& form) {
  if (form.IsPictureLarge())
    form.ClosePictureLarge();
  else if (form.IsFullScreen())
    SetFullScreen(form, false);
}

void ToggleSounds(Shell& shell) {
  if (!shell.sounds) return;
  shell.sounds->SetOn(!shell.sounds->on());
  ShowSoundsSwitch(shell);
}

void ShowSoundsSwitch(Shell& shell) {
  if (shell.sounds) Check(shell.ctx.main.form(), quiz::MainCommand::Sounds, shell.sounds->on());
}

}  // namespace lornel::app
