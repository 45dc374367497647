// lornel-editor.exe: the question editor's window, its preview and the message loop.
#include <windows.h>

#include <memory>
#include <optional>

#include "common/fatal.h"
#include "common/program.h"
#include "common/win32/process.h"
#include "editor/editor.h"
#include "editor/layout.h"
#include "editor/preview.h"
#include "platform/win32/host.h"
#include "ui/win32/run_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lornel;
  win32::Win32Host& host = common::StartWin32Process();
  const common::ProgramPaths paths = common::SplitModulePath(host.ModuleFileName());

  std::optional<editor::Editor> editor;
  const bool created = win32::RunWindow(editor::EditorTable(), [&](ui::Form& window) {
    editor.emplace(host, editor::EditorForm(window), paths.directory);
    editor->openPreview = [&window](const editor::PreviewRequest& request) {
      win32::RunModalWindow(
          editor::PreviewTable(static_cast<int>(request.options.size())),
          [&](ui::Form& preview) {
            return std::make_unique<editor::PreviewEvents>(request, preview);
          },
          reinterpret_cast<HWND>(window.OwnerHandle()));
    };
    return std::make_unique<editor::EditorEvents>(*editor);
  });
  if (!created) common::FatalReport(host, common::kWindowFailedReason);
  return 0;
}
