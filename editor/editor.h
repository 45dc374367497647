// The question editor's window: what it holds besides its controls, and one
// handler per event.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/skins.h"
#include "editor/ids.h"
#include "editor/quiz_file.h"
#include "platform/host.h"
#include "ui/form.h"

namespace lornel::editor {

using EditorForm = ui::Controls<EditorId>;

inline constexpr const char* kEditorName = "Lornel 题目编辑器";

// One question as the class will see it.
struct PreviewRequest {
  int row = 1;
  std::u16string title;             // as it is saved
  std::string answerNote;           // how the answer can be typed: "北京 → beijing" (GBK)
  std::string configPath, picture;  // the picture as the file names it (GBK)
  // The option buttons in place of the keys ("A 太平洋", "√ 对"), none for a
  // question played as typed; whether they show whole, or why the question
  // is played as typed (GBK).
  std::vector<std::string> options;
  std::string optionsNote;
  bool optionsWhole = true;
};

struct Editor {
  platform::Host& host;
  EditorForm form;
  std::string programDirectory;  // without a trailing backslash
  std::string path;              // the file being edited (GBK)
  bool fileExists = false;       // false: not yet saved, the boxes hold the default content
  bool blocked = false;          // the file at path cannot be read: it is never written
  bool filling = false;          // the boxes are being filled: no change to report
  bool busy = false;             // a handler runs (its message box may be open)
  Quiz saved;                    // what the file holds, as the boxes showed it
  // What no box holds: the pictures, kinds, options and ways as the file
  // names them (the boxes below the rows show one row's options), and the
  // switches as the file spelled them when they were shown.
  PerQuestion<std::u16string> pictures, kinds, options, ways;
  std::u16string way;  // the default way
  std::u16string pinyinShown, lenientShown, soundsShown, randomGroupShown;
  int optionsRow = 1;  // the row whose options the boxes below the rows show
  common::SkinBinding skin;
  // Opens the preview window and returns when it has been closed.
  std::function<void(const PreviewRequest&)> openPreview;
};

// Handlers.
void EditorCreated(Editor& editor);
void OpenFile(Editor& editor);
bool SaveFile(Editor& editor);  // true when the file holds the boxes' values
void PasteRows(Editor& editor);
void PreviewQuestion(Editor& editor);
// Starts lornel.exe beside the editor on the file it reads (saving first if
// the teacher wants), or brings a running copy to the front.
void PlayQuiz(Editor& editor);
// "图片…" of a row: the Open dialog, then the picture taken into the quiz's folder.
void ChoosePicture(Editor& editor, int row);
void ClearPicture(Editor& editor, int row);
void TextChanged(Editor& editor);
// A row's box got the focus: the boxes below the rows show its options.
void RowFocused(Editor& editor, int control);
void OptionsEdited(Editor& editor);
// 题型 and 方式 of a row (row 0: the default way): the menu, then the choice.
void ChooseKind(Editor& editor, int row);
void ChooseWay(Editor& editor, int row);
void KindChosen(Editor& editor, int row, EditorCommand command);
void WayChosen(Editor& editor, int row, EditorCommand command);
bool CloseQuery(Editor& editor);  // true: the window may close
// The window came to the front: a file changed outside is loaded again
// when nothing is unsaved.
void WindowActivated(Editor& editor);
// Log-off or shutdown: asks as closing does; true lets the session end.
bool EndSessionQuery(Editor& editor);
void SessionEnds(Editor& editor, bool ending);

// What the boxes hold now, and whether that differs from the file.
Quiz CurrentQuiz(const Editor& editor);
bool Modified(const Editor& editor);

class EditorEvents : public ui::EventSink {
 public:
  explicit EditorEvents(Editor& editor) : editor_(editor) {}
  void OnCreated() override;
  void OnControlEvent(const ui::ControlEvent& event) override;
  bool OnCloseQuery() override;
  void OnActivated() override;
  bool OnEndSessionQuery() override;
  void OnEndSession(bool ending) override;

 private:
  Editor& editor_;
};

}  // namespace lornel::editor
