// The main window's commands that change how the program is shown or heard
// for this run, never the game: full screen, Esc and the sounds' switch.
#pragma once

#include "app/shell.h"
#include "ui/form.h"

namespace lornel::app {

// F11 and the system menu's "全屏显示", checked while on.
void ToggleFullScreen(ui::Form& form);
// Esc closes an enlarged picture first and leaves full screen otherwise, so
// that the projector's full screen outlasts a look at a picture.
void Escape(ui::Form& form);
// The system menu's "声音", checked while on.
void ToggleSounds(Shell& shell);
void ShowSoundsSwitch(Shell& shell);

}  // namespace lornel::app
