#include "tests/support/app_runtime.h"

#include "quiz/main_ids.h"

namespace lornel::fake {

AppRuntime::AppRuntime()
    : main(quiz::MainTable(), clock, events),
      shell{host, {}, Context{MainForm(main), host, {}, 0, soundSwitch}, {}, {}, &soundSwitch} {
  host.moduleFileName = kExe;
  host.currentDirectory = "C:\\elsewhere";
  host.directories.insert(kDirectory);
  host.loadablePaths.insert(kLibrary);
  main.modalBoxes = &host.openMessageBoxes;
  host.onKey = [this](int vk, bool release) {
    // keybd_event: the key reaches the focused control after the handler returns.
    if (!release) clock.Post([this, vk] { main.PressKey(vk); });
  };
  host.onCharacter = [this](char16_t c) { clock.Post([this, c] { main.TypeCharacter(c); }); };
  shell.openNoticeModally = [this] {
    notice = std::make_unique<Notice>(clock, shell);
    notice->form.modalBoxes = &host.openMessageBoxes;
    notice->form.Create();
    // The modal loop; the notice window's own countdown ends it (ProcessExit).
    for (int i = 0; i < 100000 && !notice->form.destroyed(); ++i) clock.Advance(10);
  };
}

void AppRuntime::Start() {
  shell.program = app::StartProcess(host);
  main.Create();
}

void AppRuntime::Type(const std::string& letters) {
  for (char c : letters) {
    int vk = static_cast<unsigned char>(c);
    if (c >= 'a' && c <= 'z') vk = c - 0x20;
    if (c == ',') vk = 0xBC;
    if (c == '.') vk = 0xBE;
    main.PressKey(vk);
  }
}

}  // namespace lornel::fake
