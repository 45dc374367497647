// How the editor asks and tells: its message boxes, owned by its window.
#pragma once

#include <string>

#include "editor/editor.h"
#include "ui/message.h"

namespace lornel::editor {

platform::MessageResult Tell(Editor& editor, const std::string& text,
                             unsigned flags = ui::kMbIconWarning);
// A path as the messages quote it.
std::string Quoted(const std::string& path);
// Whether to save the unsaved changes first (before opening, closing, playing).
std::string SaveQuestion(const Editor& editor);
// With unsaved changes, asks the question: 是 saves, 否 goes on without
// saving, 取消 stops. False when the step that asked must not go on (cancelled,
// or the save was refused).
bool SettleChanges(Editor& editor, const std::string& question);

}  // namespace lornel::editor
