// What the handlers of the main window share: its controls, the platform,
// ConfigPath, the single-instance handle and the sounds. Nothing else is kept.
#pragma once

#include <string>

#include "platform/host.h"
#include "platform/sound.h"
#include "quiz/main_ids.h"
#include "ui/form.h"

namespace lornel {

using MainForm = ui::Controls<quiz::MainId>;

struct Context {
  MainForm main;
  platform::Host& host;
  std::string configPath;              // ConfigPath: "<current directory>\wtda.ini"
  platform::Handle instanceMutex = 0;  // InstanceMutex
  platform::SoundPlayer& sounds = platform::NoSounds();  // switched on and off by the shell
};

}  // namespace lornel
