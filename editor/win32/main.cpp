// lornel-editor.exe: the question editor's window, its preview and the message loop.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "app/fatal.h"
#include "app/shell.h"
#include "editor/editor.h"
#include "editor/preview.h"
#include "ui/layout.h"
#include "ui/win32/form.h"
#include "ui/win32/host.h"

namespace {

// Function-local: operator new may run before any global of this file exists.
lornel::win32::Win32Host& Host() {
  static lornel::win32::Win32Host host;
  return host;
}

void ExceptionInHandler(const char* reason) { lornel::app::FatalReport(Host(), reason); }

}  // namespace

// Running out of memory ends the program with the fatal report and the size asked for.
void* operator new(std::size_t bytes) {
  if (void* p = std::malloc(bytes ? bytes : 1)) return p;
  lornel::app::FatalReport(Host(), lornel::app::OutOfMemoryReason(bytes));
}
void* operator new[](std::size_t bytes) { return operator new(bytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lornel;
  win32::Win32Host& host = Host();
  win32::SetFatalHandler(ExceptionInHandler);
  const app::ProgramPaths paths = app::SplitModulePath(host.ModuleFileName());

  editor::EditorEvents events;
  win32::Win32Form window(ui::EditorTable(), events);
  editor::Editor editor{host, editor::EditorForm(window), paths.directory};
  editor.openPreview = [](const editor::PreviewRequest& request) {
    editor::PreviewEvents previewEvents(request);
    win32::Win32Form preview(ui::PreviewTable(), previewEvents);
    previewEvents.Attach(preview);
    preview.RunModal();
  };
  events.Attach(editor);

  if (!window.Create()) app::FatalReport(host, app::kWindowFailedReason);
  win32::RunMessageLoop();
  return 0;
}
