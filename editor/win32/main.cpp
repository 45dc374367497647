// lornel-editor.exe: the question editor's window, its preview and the message loop.
#include <windows.h>

#include "app/fatal.h"
#include "app/shell.h"
#include "app/win32/process.h"
#include "editor/editor.h"
#include "editor/preview.h"
#include "platform/win32/host.h"
#include "ui/layout.h"
#include "ui/win32/form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lornel;
  win32::Win32Host& host = app::StartWin32Process();
  const app::ProgramPaths paths = app::SplitModulePath(host.ModuleFileName());

  editor::EditorEvents events;
  win32::Win32Form window(ui::EditorTable(), events);
  editor::Editor editor{host, editor::EditorForm(window), paths.directory};
  editor.openPreview = [&window](const editor::PreviewRequest& request) {
    editor::PreviewEvents previewEvents(request);
    win32::Win32Form preview(ui::PreviewTable(), previewEvents);
    previewEvents.Attach(preview);
    preview.RunModal(window.hwnd());
  };
  events.Attach(editor);

  if (!window.Create()) app::FatalReport(host, app::kWindowFailedReason);
  win32::RunMessageLoop();
  return 0;
}
