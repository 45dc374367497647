// Opening a quiz: at start, by "打开…", and again when the window comes to
// the front after another program changed the file.
#include "common/skins.h"
#include "config/config.h"
#include "editor/asking.h"
#include "editor/boxes.h"
#include "editor/editor.h"
#include "editor/file_messages.h"

namespace lornel::editor {
namespace {

constexpr int kSkin = 12;  // the main window's skin

// Reads the file at path into the boxes. At start a missing file gives the
// program's default content, and an unreadable one too, kept from being written.
bool Load(Editor& e, const std::string& path, bool atStart) {
  const platform::FileRead read = e.host.ReadFileChecked(path);
  if (read.problem != platform::FileProblem::None) {
    if (!atStart) {
      Tell(e, ReadProblemText(read.problem, path));
      return false;
    }
    const bool missing = read.problem == platform::FileProblem::Missing;
    if (!missing) {
      Tell(e, ReadProblemText(read.problem, path) +
                  "\r\n\r\n编辑器先显示空白的题目；这个位置的文件不会被改写。"
                  "可以用“打开…”选择别的题目文件。");
    }
    e.path = path;
    e.fileExists = false;
    e.blocked = !missing;
  } else {
    e.path = path;
    e.fileExists = true;
    e.blocked = false;
  }
  Show(e, e.fileExists ? ReadQuiz(read.bytes) : NewQuiz());
  e.saved = CurrentQuiz(e);
  UpdateCaption(e);
  return true;
}

}  // namespace

void EditorCreated(Editor& e) {
  common::ApplySkin(e.host, e.programDirectory, e.skin, kSkin);
  Load(e, config::ConfigPathIn(e.programDirectory), /*atStart=*/true);
}

void OpenFile(Editor& e) {
  if (!SettleChanges(e, SaveQuestion(e))) return;
  const auto chosen = e.form.form().AskOpenPath(e.path);
  if (!chosen) return;
  if (chosen->empty()) {
    Tell(e,
         "这个文件的路径里有无法使用的字符。请把题目文件放到名字只含中文、英文和数字的文件夹里。");
    return;
  }
  Load(e, *chosen, /*atStart=*/false);
}

void WindowActivated(Editor& e) {
  // Closing one of our own message boxes activates the window too: not while
  // a handler runs. Unsaved changes are merged by the save instead.
  if (e.busy || e.blocked || e.path.empty() || Modified(e)) return;
  const platform::FileRead read = e.host.ReadFileChecked(e.path);
  if (read.problem != platform::FileProblem::None) return;  // the save tells what is wrong
  const Quiz onDisk = ReadQuiz(read.bytes);
  if (onDisk == e.saved && e.fileExists) return;
  Show(e, onDisk);
  e.saved = CurrentQuiz(e);
  e.fileExists = true;
  UpdateCaption(e);
}

}  // namespace lornel::editor
