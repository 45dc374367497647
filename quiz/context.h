// What the handlers of the main window share: its controls, the platform,
// ConfigPath, the single-instance handle, the sounds, and the game itself:
// the Round, what the controls show of it, and the steps undo can take back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/host.h"
#include "platform/keeper.h"
#include "platform/sound.h"
#include "quiz/main_ids.h"
#include "quiz/round/lesson_file.h"
#include "quiz/round/round.h"
#include "quiz/round/undo.h"
#include "quiz/view.h"
#include "ui/form.h"

namespace lornel {

using MainForm = ui::Controls<quiz::MainId>;

struct Context {
  MainForm main;
  platform::Host& host;
  std::string configPath;              // ConfigPath: "<current directory>\wtda.ini"
  platform::Handle instanceMutex = 0;  // InstanceMutex
  platform::SoundPlayer& sounds = platform::NoSounds();  // switched on and off by the shell
  quiz::Round round;
  quiz::View shown = quiz::Project(quiz::Round());  // as the table starts the controls
  quiz::UndoHistory undo;
  // The lesson kept between runs: saved off the UI thread when a keeper is
  // given (else at once), the Round as last saved, the questions it is of,
  // and the lesson the start cover offers.
  platform::FileKeeper* keeper = nullptr;
  std::string lessonPath;  // "" when the lesson cannot be kept
  bool lessonFolderMade = false;
  quiz::Round saved;
  std::uint64_t questions = 0;
  std::optional<quiz::SavedLesson> offered;
};

}  // namespace lornel
