// The editor's events: each reaches its handler here, and the handlers that
// ask before they go on (closing, log-off) share one way of asking.
#include "editor/editor.h"

#include "editor/asking.h"
#include "editor/boxes.h"
#include "ui/message.h"

namespace lornel::editor {
namespace {

// Marks a handler as running for its whole length, message boxes included.
class Running {
 public:
  explicit Running(Editor& e) : flag_(e.busy), was_(e.busy) { flag_ = true; }
  ~Running() { flag_ = was_; }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

std::string SaveQuestion(const Editor& e) {
  return "题目已经修改。要保存到" + Quoted(e.path) + "吗？";
}

platform::MessageResult Tell(Editor& e, const std::string& text, unsigned flags) {
  return ui::ShowMessage(e.host, text, flags, kEditorName, e.form.form().OwnerHandle());
}

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

bool SettleChanges(Editor& e, const std::string& question) {
  if (!Modified(e)) return true;
  switch (Tell(e, question, ui::kMbYesNoCancel | ui::kMbIconWarning)) {
    case platform::MessageResult::Yes:
      return SaveFile(e);
    case platform::MessageResult::No:
      return true;
    default:
      return false;
  }
}

void TextChanged(Editor& e) {
  if (!e.filling) UpdateCaption(e);
}

bool CloseQuery(Editor& e) { return SettleChanges(e, SaveQuestion(e)); }

bool EndSessionQuery(Editor& e) {
  // A box of a running handler is open already: no second question over it.
  if (e.busy) return !Modified(e);
  Running running(e);
  return SettleChanges(e, SaveQuestion(e));
}

// Windows ends the process after this returns anyway; the changes were
// settled at the query, so nothing is asked again.
void SessionEnds(Editor& e, bool ending) {
  if (ending) e.host.ExitProcess(0);
}

void EditorEvents::OnCreated() {
  Running running(editor_);
  EditorCreated(editor_);
}

bool EditorEvents::OnCloseQuery() {
  Running running(editor_);
  return CloseQuery(editor_);
}

void EditorEvents::OnActivated() { WindowActivated(editor_); }
bool EditorEvents::OnEndSessionQuery() { return EndSessionQuery(editor_); }
void EditorEvents::OnEndSession(bool ending) { SessionEnds(editor_, ending); }

void EditorEvents::OnControlEvent(const ui::ControlEvent& event) {
  Running running(editor_);
  switch (event.binding.slot.As<EditorSlot>()) {
    case EditorSlot::Open:
      OpenFile(editor_);
      break;
    case EditorSlot::Save:
      SaveFile(editor_);
      break;
    case EditorSlot::Paste:
      PasteRows(editor_);
      break;
    case EditorSlot::Preview:
      PreviewQuestion(editor_);
      break;
    case EditorSlot::Play:
      PlayQuiz(editor_);
      break;
    case EditorSlot::TextChanged:
      TextChanged(editor_);
      break;
    case EditorSlot::ChoosePicture:
      ChoosePicture(editor_, event.binding.arg);
      break;
    case EditorSlot::ClearPicture:
      ClearPicture(editor_, event.binding.arg);
      break;
    case EditorSlot::RowFocused:
      RowFocused(editor_, event.control);
      break;
    case EditorSlot::OptionsEdited:
      OptionsEdited(editor_);
      break;
    case EditorSlot::ChooseKind:
      ChooseKind(editor_, event.binding.arg);
      break;
    case EditorSlot::ChooseWay:
      ChooseWay(editor_, event.binding.arg);
      break;
    case EditorSlot::KindChosen:
      KindChosen(editor_, event.binding.arg, EditorCommand(event.command));
      break;
    case EditorSlot::WayChosen:
      WayChosen(editor_, event.binding.arg, EditorCommand(event.command));
      break;
    case EditorSlot::None:
      break;
  }
}

}  // namespace lornel::editor
