// "保存": the checks, the merge with what changed in the file meanwhile, and
// the one write.
#include "config/config.h"
#include "editor/asking.h"
#include "editor/boxes.h"
#include "editor/checks.h"
#include "editor/editor.h"
#include "editor/file_messages.h"
#include "editor/merge.h"
#include "editor/options.h"

namespace lornel::editor {
namespace {

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
  for (int n = 1; n <= config::kQuestionCount; ++n)
    for (Finding& f : OptionsCutOff(e, saved, n)) all.push_back(std::move(f));
  const std::vector<Finding> findings = ForSaving(std::move(all), typed, e.saved);
  int errors = 0, warnings = 0;
  const std::string errorList = Listed(findings, Severity::Error, &errors);
  if (errors > 0) {
    Tell(e, "还不能保存，请先改正：\r\n" + errorList);
    FocusField(e, findings.front().field);
    return false;
  }
  const std::string warningList = Listed(findings, Severity::Warning, &warnings);
  if (warnings == 0) return true;
  if (Tell(e, "请注意：\r\n" + warningList + "\r\n\r\n仍然保存吗？",
           ui::kMbYesNo | ui::kMbIconWarning) == platform::MessageResult::Yes)
    return true;
  FocusField(e, findings.front().field);
  return false;
}

}  // namespace

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

}  // namespace lornel::editor
