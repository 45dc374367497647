// What the handlers of the main window share: its controls, the platform,
// ConfigPath and the single-instance handle. Nothing else is kept.
#pragma once

#include <string>

#include "platform/host.h"
#include "quiz/main_ids.h"
#include "ui/form.h"

namespace lornel {

using MainForm = ui::Controls<quiz::MainId>;

struct Context {
  MainForm main;
  platform::Host& host;
  std::string configPath;              // ConfigPath: "<current directory>\wtda.ini"
  platform::Handle instanceMutex = 0;  // InstanceMutex
};

}  // namespace lornel
