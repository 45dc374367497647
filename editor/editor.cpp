#include "editor/editor.h"

#include <algorithm>

#include "common/skins.h"
#include "config/config.h"
#include "editor/asking.h"
#include "editor/checks.h"
#include "editor/merge.h"
#include "editor/paste.h"
#include "editor/pictures.h"
#include "editor/unicode.h"
#include "judging/judge.h"
#include "judging/pinyin.h"
#include "ui/message.h"

namespace lornel::editor {
namespace {

std::string SaveQuestion(const Editor& e) {
  return "题目已经修改。要保存到" + Quoted(e.path) + "吗？";
}

constexpr int kSkin = 12;  // the main window's skin

// A row's picture: its file's name beside the buttons, × only when there is one.
void ShowPicture(Editor& e, int n) {
  const std::u16string& value = e.pictures[n - 1];
  const auto gbk = ToGbk(value);
  e.form.form().SetUnicodeText(int(PictureName(n)), gbk ? FromGbk(FileNameOf(*gbk)) : value);
  if (value.empty()) {
    e.form.Disable(PictureClear(n));
  } else {
    e.form.Enable(PictureClear(n));
  }
}

// The boxes as one Quiz, and back; filling reports no change per box. A box
// that already shows its value is left alone: setting the text of an edit
// control moves its caret to the start.
void Show(Editor& e, const Quiz& quiz) {
  e.filling = true;
  auto set = [&](EditorId box, const std::u16string& text) {
    if (e.form.form().UnicodeText(int(box)) != text) e.form.form().SetUnicodeText(int(box), text);
  };
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    set(TitleBox(n), quiz.titles[n - 1]);
    set(AnswerBox(n), quiz.answers[n - 1]);
    set(OtherAnswersBox(n), quiz.otherAnswers[n - 1]);
    set(OwnCountdownBox(n), quiz.ownCountdowns[n - 1]);
    set(OwnPointsBox(n), quiz.ownPoints[n - 1]);
  }
  set(EditorId::CountdownBox, quiz.countdown);
  set(EditorId::PointsBox, quiz.points);
  e.form.SetChecked(EditorId::PinyinCheck, SwitchOn(quiz.pinyin));
  e.form.SetChecked(EditorId::LenientCheck, SwitchOn(quiz.lenient));
  e.form.SetChecked(EditorId::SoundCheck, SwitchOn(quiz.sounds));
  e.pinyinShown = quiz.pinyin;
  e.lenientShown = quiz.lenient;
  e.soundsShown = quiz.sounds;
  e.pictures = quiz.pictures;
  for (int n = 1; n <= config::kQuestionCount; ++n) ShowPicture(e, n);
  e.filling = false;
}

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

void UpdateCaption(Editor& e) {
  std::string caption = e.path;
  if (!e.fileExists && !e.blocked) caption += "（新文件）";
  if (Modified(e)) caption = "*" + caption;
  e.form.form().SetWindowCaption(caption + " - " + kEditorName);
}

// Row n of a control of the editor, or 0.
int RowOf(int id) {
  const int first = int(RowLabel(1));
  if (id < first || id >= first + config::kQuestionCount * kRowControls) return 0;
  return (id - first) / kRowControls + 1;
}

EditorId BoxOf(Field field) {
  switch (field.kind) {
    case FieldKind::Title:
      return TitleBox(field.row);
    case FieldKind::Answer:
      return AnswerBox(field.row);
    case FieldKind::OtherAnswers:
      return OtherAnswersBox(field.row);
    case FieldKind::Picture:
      return PictureButton(field.row);
    case FieldKind::OwnCountdown:
      return OwnCountdownBox(field.row);
    case FieldKind::OwnPoints:
      return OwnPointsBox(field.row);
    case FieldKind::Countdown:
      return EditorId::CountdownBox;
    case FieldKind::Points:
      return EditorId::PointsBox;
    case FieldKind::Pinyin:
      return EditorId::PinyinCheck;
    case FieldKind::Lenient:
      return EditorId::LenientCheck;
    case FieldKind::Sounds:
      break;
  }
  return EditorId::SoundCheck;
}

std::string ReadProblemText(platform::FileProblem problem, const std::string& path) {
  switch (problem) {
    case platform::FileProblem::Missing:
      return "找不到文件" + Quoted(path) + "。";
    case platform::FileProblem::Directory:
      return Quoted(path) + "是一个文件夹，不是题目文件。";
    case platform::FileProblem::Denied:
      return "没有权限读取" + Quoted(path) + "（它可能正被别的程序占用，或者需要管理员权限）。";
    case platform::FileProblem::TooLarge:
      return Quoted(path) + "超过 512 MB，不是题目文件，没有打开。";
    default:
      return "无法读取" + Quoted(path) + "。";
  }
}

// Names the file that refused the save: the file itself, the backup beside
// it, or its folder, which had to take a temporary file first.
std::string WriteProblemText(const platform::FileWrite& write, const std::string& path) {
  using platform::FileAt;
  using platform::FileProblem;
  const std::string unchanged = "原来的文件没有改动。";
  if (write.at == FileAt::Backup) {
    const std::string backup = Quoted(path + ".bak");
    if (write.problem == FileProblem::Directory)
      return "无法保存：备份文件的位置" + backup + "是一个文件夹。" + unchanged;
    return "无法保存：无法替换备份文件" + backup + "（它可能正被别的程序占用）。" + unchanged;
  }
  if (write.at == FileAt::Folder) {
    // The last backslash that is one: a GBK character's second byte can be 0x5C.
    std::size_t slash = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
      if (path[i] == '\\') slash = i;
      if (static_cast<unsigned char>(path[i]) >= 0x81) ++i;
    }
    const std::string folder = Quoted(slash == std::string::npos ? "." : path.substr(0, slash));
    if (write.problem == FileProblem::Missing) return "无法保存：找不到文件夹" + folder + "。";
    if (write.problem == FileProblem::Denied)
      return "无法保存：没有权限在文件夹" + folder +
             "里新建文件（文件夹可能是只读的，或者需要管理员权限）。" + unchanged;
    return "无法保存：无法在文件夹" + folder + "里写入文件（磁盘可能已满）。" + unchanged;
  }
  switch (write.problem) {
    case FileProblem::Directory:
      return "无法保存：" + Quoted(path) + "是一个文件夹。";
    case FileProblem::Denied:
      return "无法保存：没有权限写入" + Quoted(path) +
             "（文件可能是只读的，或者正被别的程序占用）。" + unchanged;
    default:
      return "无法保存到" + Quoted(path) + "。" + unchanged;
  }
}

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

// How question row's answers can be typed, for the preview.
std::string AnswerNote(const Quiz& saved, int row) {
  const auto answer = ToGbk(saved.answers[row - 1]);
  const auto others = ToGbk(saved.otherAnswers[row - 1]);
  if (!answer || !others) return "答案里有无法保存的字符。";
  std::vector<std::string> answers = judging::SplitAlternatives(*others);
  if (!answer->empty()) answers.insert(answers.begin(), *answer);
  if (answers.empty()) return "这一题还没有答案。";
  const bool pinyin = SwitchOn(saved.pinyin);
  std::string note;
  for (const std::string& a : answers) {
    note += note.empty() ? "" : "；";
    const std::string spelled = pinyin ? judging::PinyinSpelling(a) : a;
    note += spelled == a ? a : a + " → " + spelled;
  }
  return (answers.size() > 1 ? "这些答案都算对：" : "答案：") + note;
}

std::string Listed(const std::vector<Finding>& findings, Severity severity, int* count) {
  std::string text;
  *count = 0;
  for (const Finding& f : findings) {
    if (f.severity != severity) continue;
    if (++*count <= 12) text += "\r\n" + f.text;
  }
  if (*count > 12) text += "\r\n……（还有 " + std::to_string(*count - 12) + " 条）";
  return text;
}

// The checks before saving; false when the teacher has to change something first.
bool ChecksAllowSaving(Editor& e, const Quiz& typed, const Quiz& saved) {
  std::vector<Finding> all = CheckQuiz(typed, saved);
  for (Finding& f : CheckPictures(saved, e.path, e.host)) all.push_back(std::move(f));
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    if (saved.titles[n - 1].empty()) continue;
    const auto fit = e.form.form().MeasureCaption(int(EditorId::MeasureLabel), saved.titles[n - 1]);
    if (!fit.fits()) all.push_back(TitleDoesNotFit(n, fit.linesNeeded, fit.linesShown));
  }
  const std::vector<Finding> findings = ForSaving(std::move(all), typed, e.saved);
  int errors = 0, warnings = 0;
  const std::string errorList = Listed(findings, Severity::Error, &errors);
  if (errors > 0) {
    Tell(e, "还不能保存，请先改正：\r\n" + errorList);
    e.form.Focus(BoxOf(findings.front().field));
    return false;
  }
  const std::string warningList = Listed(findings, Severity::Warning, &warnings);
  if (warnings == 0) return true;
  if (Tell(e, "请注意：\r\n" + warningList + "\r\n\r\n仍然保存吗？",
           ui::kMbYesNo | ui::kMbIconWarning) == platform::MessageResult::Yes)
    return true;
  e.form.Focus(BoxOf(findings.front().field));
  return false;
}

}  // namespace

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

Quiz CurrentQuiz(const Editor& e) {
  Quiz quiz;
  const ui::Form& form = e.form.form();
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    quiz.titles[n - 1] = form.UnicodeText(int(TitleBox(n)));
    quiz.answers[n - 1] = form.UnicodeText(int(AnswerBox(n)));
    quiz.otherAnswers[n - 1] = form.UnicodeText(int(OtherAnswersBox(n)));
    quiz.ownCountdowns[n - 1] = form.UnicodeText(int(OwnCountdownBox(n)));
    quiz.ownPoints[n - 1] = form.UnicodeText(int(OwnPointsBox(n)));
  }
  quiz.countdown = form.UnicodeText(int(EditorId::CountdownBox));
  quiz.points = form.UnicodeText(int(EditorId::PointsBox));
  quiz.pictures = e.pictures;
  quiz.pinyin = SwitchValue(e.form.IsChecked(EditorId::PinyinCheck), e.pinyinShown);
  quiz.lenient = SwitchValue(e.form.IsChecked(EditorId::LenientCheck), e.lenientShown);
  quiz.sounds = SwitchValue(e.form.IsChecked(EditorId::SoundCheck), e.soundsShown);
  return quiz;
}

bool Modified(const Editor& e) { return CurrentQuiz(e) != e.saved; }

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

bool SaveFile(Editor& e) {
  if (e.blocked) {
    Tell(e, "无法读取" + Quoted(e.path) +
                "，为了不覆盖它，编辑器不会保存到这里。请用“打开…”选择别的题目文件。");
    return false;
  }
  // The boxes as the file will hold them, made once for the checks, the merge and the writer.
  const Quiz typed = CurrentQuiz(e), saved = Normalized(typed);
  if (!ChecksAllowSaving(e, typed, saved)) return false;
  // The file as it is now: what another program changed meanwhile outside
  // the values the editor owns is kept.
  const platform::FileRead current = e.host.ReadFileChecked(e.path);
  const bool missing = current.problem == platform::FileProblem::Missing;
  if (current.problem != platform::FileProblem::None && !missing) {
    Tell(e, ReadProblemText(current.problem, e.path) + "没有保存。");
    return false;
  }
  const std::string base = missing ? config::DefaultConfigText() : current.bytes;
  // What another program changed in the editor's own values since they were
  // loaded is kept as well; a value both changed differently is the teacher's call.
  const Quiz loaded = Normalized(e.saved);
  const Merged merged = MergeQuiz(loaded, saved, missing ? loaded : Normalized(ReadQuiz(base)));
  Quiz chosen = merged.keepingMine;
  if (!merged.conflicts.empty()) {
    switch (Tell(e, ConflictQuestion(Quoted(e.path), merged.conflicts),
                 ui::kMbYesNoCancel | ui::kMbIconWarning)) {
      case platform::MessageResult::Yes:
        break;
      case platform::MessageResult::No:
        chosen = merged.keepingTheirs;
        break;
      default:
        return false;
    }
  }
  const auto bytes = WriteQuiz(base, chosen);
  if (!bytes) {
    Tell(e, "无法保存：" + Quoted(e.path) +
                "里有编辑器无法改写的内容（例如损坏的文字）。"
                "原来的文件没有改动。");
    return false;
  }
  if (missing || *bytes != base) {
    const platform::FileWrite written =
        e.host.ReplaceFileKeepingBackup(e.path, *bytes, e.path + ".bak");
    if (written.problem != platform::FileProblem::None) {
      Tell(e, WriteProblemText(written, e.path));
      return false;
    }
  }
  Show(e, chosen);
  e.saved = CurrentQuiz(e);
  e.fileExists = true;
  UpdateCaption(e);
  return true;
}

void PasteRows(Editor& e) {
  const auto text = e.host.ClipboardText();
  const auto rows = AsQuestionRows(ParseSpreadsheetRows(text ? *text : std::u16string()));
  if (rows.empty()) {
    Tell(e, "剪贴板里没有文字。请先在 Excel 或 WPS 表格里选中“题目、答案”两列并复制。",
         ui::kMbIconInformation);
    return;
  }
  const int focused = e.form.form().LastFocusedEditBox();
  const int first = std::max(RowOf(focused), 1);
  // One column pasted into an answer box fills answers only.
  const bool answersOnly =
      focused == int(AnswerBox(first)) &&
      std::none_of(rows.begin(), rows.end(), [](const QuestionRow& r) { return r.hasAnswer; });
  const int count =
      std::min<int>(static_cast<int>(rows.size()), config::kQuestionCount - first + 1);
  const int last = first + count - 1;
  const Quiz before = CurrentQuiz(e);
  bool overwrites = false;
  for (int n = first; n <= last; ++n)
    overwrites = overwrites || !before.answers[n - 1].empty() ||
                 (!answersOnly && !before.titles[n - 1].empty());
  if (overwrites && Tell(e,
                         "第" + std::to_string(first) + "题到第" + std::to_string(last) +
                             "题已有内容，粘贴会替换它们。继续吗？",
                         ui::kMbYesNo | ui::kMbIconWarning) != platform::MessageResult::Yes)
    return;
  for (int n = first; n <= last; ++n) {
    const QuestionRow& r = rows[static_cast<std::size_t>(n - first)];
    if (answersOnly) {
      e.form.form().SetUnicodeText(int(AnswerBox(n)), r.title);
      continue;
    }
    e.form.form().SetUnicodeText(int(TitleBox(n)), r.title);
    e.form.form().SetUnicodeText(int(AnswerBox(n)), r.answer);
  }
  e.form.Focus(answersOnly ? AnswerBox(first) : TitleBox(first));
  if (static_cast<int>(rows.size()) > count)
    Tell(e,
         "剪贴板里有 " + std::to_string(rows.size()) + " 行，只粘贴了前 " + std::to_string(count) +
             " 行（到第14题为止）。",
         ui::kMbIconInformation);
}

void PreviewQuestion(Editor& e) {
  const int row = std::max(RowOf(e.form.form().LastFocusedEditBox()), 1);
  const Quiz saved = Normalized(CurrentQuiz(e));
  if (e.openPreview)
    e.openPreview({row, saved.titles[row - 1], AnswerNote(saved, row), e.path,
                   ToGbk(saved.pictures[row - 1]).value_or("")});
}

void ChoosePicture(Editor& e, int row) {
  if (row < 1 || row > config::kQuestionCount) return;
  const auto chosen = e.form.form().AskOpenPicture(FolderOf(e.path));
  if (!chosen) return;
  if (chosen->empty()) {
    Tell(e,
         "这张图片的路径里有无法使用的字符。请把图片放到名字只含中文、英文和数字的文件夹里，"
         "或者给它改个名字。");
    return;
  }
  const AdoptedPicture adopted = AdoptPicture(e.host, e.path, *chosen);
  if (!adopted.problem.empty()) {
    Tell(e, adopted.problem);
    return;
  }
  e.pictures[row - 1] = FromGbk(adopted.value);
  ShowPicture(e, row);
  UpdateCaption(e);
}

void ClearPicture(Editor& e, int row) {
  if (row < 1 || row > config::kQuestionCount) return;
  e.pictures[row - 1].clear();
  ShowPicture(e, row);
  e.form.Focus(PictureButton(row));
  UpdateCaption(e);
}

void TextChanged(Editor& e) {
  if (!e.filling) UpdateCaption(e);
}

bool CloseQuery(Editor& e) { return SettleChanges(e, SaveQuestion(e)); }

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
    case EditorSlot::None:
      break;
  }
}

}  // namespace lornel::editor
