// The real main window in the driver's own process, built as lornel.exe
// builds it, for the drivers that time its clicks from inside.
#pragma once

#include <windows.h>

#include "app/main_events.h"
#include "app/shell.h"
#include "bench/measure.h"
#include "quiz/tables.h"
#include "ui/win32/form.h"

namespace lornel::bench {

struct Program {
  win32::Win32Form& form;
  HWND Of(quiz::MainId id) const { return form.ControlWindow(static_cast<int>(id)); }
  void Click(quiz::MainId id) const { SendMessageW(Of(id), BM_CLICK, 0, 0); }
};

// The form holds the events, the events the shell.
struct MainWindow {
  MainWindow(platform::Host& host, const app::ProgramPaths& paths,
             platform::SoundPlayer& sounds = platform::NoSounds())
      : form(quiz::MainTable(), events),
        shell{host, paths, Context{MainForm(form), host, {}, 0, sounds}, {}, {}} {}
  win32::Win32Form form;
  app::Shell shell;
  app::MainEvents events{shell};
};

// Created, shown and past the start cover; any failure goes to die.
inline void Start(MainWindow& window, void (*die)(const char*)) {
  window.shell.openNoticeModally = [die] { die("another copy of the driver is running"); };
  if (!window.form.Create()) die("the main window was not created");
  const Program p{window.form};
  Pump(200);
  p.Click(quiz::MainId::StartButton);
  UpdateWindow(window.form.hwnd());
  if (Visible(p.Of(quiz::MainId::StartCover))) die("the start cover is still shown");
}

// From an open question: "重新选组" brings the group panel back, and its
// "重新选题" the board.
inline void BackToTheBoard(const Program& p) {
  p.Click(quiz::MainId::ChangeGroupButton);
  HWND cancel = p.Of(quiz::MainId::CancelQuestionLink);
  SendMessageW(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(cancel, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  UpdateWindow(p.form.hwnd());
  Pump(20);
}

}  // namespace lornel::bench
