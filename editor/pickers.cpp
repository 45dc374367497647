// The 题型 and 方式 buttons: each opens its menu, with the current choice
// checked, and shows what the question is in its caption.
#include <cstddef>

#include "config/answer_ways.h"
#include "config/question_kinds.h"
#include "editor/boxes.h"
#include "editor/editor.h"
#include "editor/options.h"
#include "editor/unicode.h"

namespace lornel::editor {
namespace {

using config::AnswerWay;
using config::QuestionKind;

// A menu item of a picker: its command, what it sets and its name.
template <class Value>
struct Item {
  EditorCommand command;
  Value value;
  const char16_t* name;
};
constexpr Item<QuestionKind> kKinds[] = {
    {EditorCommand::KindTyped, QuestionKind::Typed, u"填空"},
    {EditorCommand::KindChoice, QuestionKind::Choice, u"选择"},
    {EditorCommand::KindTrueFalse, QuestionKind::TrueFalse, u"判断"}};
constexpr Item<AnswerWay> kWays[] = {{EditorCommand::WayAssigned, AnswerWay::Assigned, u"指定"},
                                     {EditorCommand::WayBuzz, AnswerWay::Buzz, u"抢答"},
                                     {EditorCommand::WayEveryone, AnswerWay::Everyone, u"全体"}};

template <class Value, std::size_t N>
const char16_t* NameIn(const Item<Value> (&items)[N], Value value) {
  for (const Item<Value>& item : items)
    if (item.value == value) return item.name;
  return u"";
}

const char16_t* NameOf(AnswerWay way) { return NameIn(kWays, way); }

bool Blank(const std::u16string& value) {
  return value.find_first_not_of(u" \t") == std::u16string::npos;
}

void Check(Editor& e, EditorCommand command, bool checked, const std::string& text = {}) {
  e.form.SetCommandState(command, ui::CommandState{text, true, checked});
}

}  // namespace

QuestionKind KindOf(const std::u16string& value) {
  return config::KindNamed(ToGbk(value).value_or(""));
}
AnswerWay WayOf(const std::u16string& value) { return config::WayNamed(ToGbk(value).value_or("")); }

const char16_t* KindName(QuestionKind kind) { return NameIn(kKinds, kind); }

void ShowKind(Editor& e, int n) {
  e.form.form().SetUnicodeText(int(KindButton(n)), KindName(KindOf(e.kinds[n - 1])));
}

void ShowWays(Editor& e) {
  e.form.form().SetUnicodeText(int(EditorId::DefaultWayButton), NameOf(WayOf(e.way)));
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    const std::u16string& own = e.ways[n - 1];
    e.form.form().SetUnicodeText(int(WayButton(n)), NameOf(WayOf(Blank(own) ? e.way : own)));
  }
}

void ChooseKind(Editor& e, int n) {
  if (n < 1 || n > config::kQuestionCount) return;
  ShowOptions(e, n);
  const QuestionKind kind = KindOf(e.kinds[n - 1]);
  for (const auto& item : kKinds) Check(e, item.command, item.value == kind);
  e.form.PopupMenu(EditorMenu::Kind, n);
}

void KindChosen(Editor& e, int n, EditorCommand command) {
  if (n < 1 || n > config::kQuestionCount) return;
  for (const auto& item : kKinds) {
    if (item.command != command) continue;
    // A value that reads as the chosen kind already ("" for 填空) stays as the file has it.
    std::u16string& value = e.kinds[n - 1];
    if (KindOf(value) != item.value) value = KindName(item.value);
    ShowKind(e, n);
    ShowOptions(e, n);
    if (item.value == QuestionKind::Choice) e.form.Focus(OptionBox(1));
    UpdateCaption(e);
  }
}

void ChooseWay(Editor& e, int n) {
  if (n < 0 || n > config::kQuestionCount) return;
  if (n > 0) ShowOptions(e, n);
  const std::u16string& own = n > 0 ? e.ways[n - 1] : e.way;
  const bool followsDefault = n > 0 && Blank(own);
  const AnswerWay way = WayOf(followsDefault ? e.way : own);
  const auto defaultName = ToGbk(NameOf(WayOf(e.way))).value_or("");
  Check(e, EditorCommand::WayDefault, followsDefault, "按默认（" + defaultName + "）");
  for (const auto& item : kWays) Check(e, item.command, !followsDefault && item.value == way);
  e.form.PopupMenu(n > 0 ? EditorMenu::Way : EditorMenu::DefaultWay, n);
}

void WayChosen(Editor& e, int n, EditorCommand command) {
  if (n < 0 || n > config::kQuestionCount) return;
  std::u16string& value = n > 0 ? e.ways[n - 1] : e.way;
  if (command == EditorCommand::WayDefault) {
    if (n > 0) value.clear();
  }
  for (const auto& item : kWays) {
    // A question's own way is kept apart from the default even when they agree.
    if (item.command == command && (WayOf(value) != item.value || (n > 0 && Blank(value))))
      value = item.name;
  }
  ShowWays(e);
  UpdateCaption(e);
}

}  // namespace lornel::editor
