// The whole program in memory: the real handlers and tables on the fake
// backend, a fake platform and a virtual clock. Tests play the user.
#pragma once

#include <memory>

#include "app/main_events.h"
#include "app/notice.h"
#include "app/notice_ids.h"
#include "app/shell.h"
#include "quiz/main_ids.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_sound.h"

namespace lornel::fake {

class AppRuntime {
 public:
  static constexpr const char* kDirectory = kProgramFolder;
  static constexpr const char* kExe = kProgramPath;
  static constexpr const char* kConfig = kConfigPath;
  static constexpr const char* kLibrary = kLibraryPath;

  AppRuntime();
  // Process start and the main window's creation. A second copy's notice
  // window runs inside; its end of the process arrives as ProcessExit.
  void Start();

  // --- the user ---------------------------------------------------------------
  bool Click(quiz::MainId id) { return main.Click(static_cast<int>(id)); }
  void Advance(int milliseconds) { clock.Advance(milliseconds); }
  void Type(const std::string& letters);  // on the physical keyboard
  // The file the teacher wrote, beside the executable.
  void WriteConfig(const std::string& bytes) { host.files[kConfig] = bytes; }

  // --- reading --------------------------------------------------------------
  MainForm& form() { return shell.ctx.main; }
  bool Visible(quiz::MainId id) { return main.IsVisible(static_cast<int>(id)); }
  bool Enabled(quiz::MainId id) { return main.IsEnabled(static_cast<int>(id)); }
  std::string Text(quiz::MainId id) { return main.Text(static_cast<int>(id)); }
  const ShownMessage* LastMessage() const {
    return host.messages.empty() ? nullptr : &host.messages.back();
  }

  Clock clock;
  FakeSoundPlayer sounds{&clock};
  // On, as from a file with its sounds on; the system menu's "声音" turns it.
  platform::SoundSwitch soundSwitch{sounds, true};
  FakeHost host;
  FakeForm main;
  app::Shell shell;
  app::MainEvents events{shell};
  // The notice window of a second copy, while it is open.
  struct Notice {
    Notice(Clock& clock, app::Shell& shell)
        : form(app::NoticeTable(), clock, events), events(shell, form) {}
    FakeForm form;
    app::NoticeEvents events;
  };
  std::unique_ptr<Notice> notice;
};

}  // namespace lornel::fake
