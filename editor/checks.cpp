#include "editor/checks.h"

#include <algorithm>
#include <cctype>

#include "config/config.h"
#include "editor/unicode.h"
#include "quiz/main_ids.h"

namespace lornel::editor {
namespace {

constexpr int kVkOemComma = 0xBC, kVkOemPeriod = 0xBE;

std::string Number(int n) { return std::to_string(n); }

bool HasLineBreak(std::u16string_view text) {
  return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// The whole text is a number as the program reads one: sign, digits with a
// decimal point, exponent.
bool IsNumber(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == text.size();
}

struct Collector {
  std::vector<Finding>& out;
  void Error(Field f, const std::string& what) {
    out.push_back({Severity::Error, f, FieldName(f) + "：" + what});
  }
  void Warning(Field f, const std::string& what, std::string untypeable = {}) {
    out.push_back({Severity::Warning, f, FieldName(f) + "：" + what, std::move(untypeable)});
  }
};

// False when GBK cannot hold the text (an error is then recorded).
bool CheckHeld(Collector& c, Field f, std::u16string_view text) {
  const Unheld unheld = FirstUnheld(text);
  if (unheld.position == 0) return true;
  c.Error(f, "第" + Number(unheld.position) + "个字符（" + CodePointName(unheld.codePoint) +
                 "）无法保存：题目文件是 GBK 编码，没有这个字符（例如表情符号、生僻字）。"
                 "请删去或换成别的字。");
  return false;
}

void CheckAnswer(Collector& c, Field f, std::u16string_view answer) {
  const std::u16string& typeable = OnScreenKeyboardCharacters();
  auto isSpace = [](char16_t u) { return u == u' ' || u == u'\t' || u == u'\u3000'; };
  if (!answer.empty() && (isSpace(answer.front()) || isSpace(answer.back())))
    c.Warning(f, "前后的空格会保存下来，学生作答时也要打出这些空格。");
  std::u16string missing;
  for (const char16_t u : answer)
    if (typeable.find(u) == std::u16string::npos && missing.find(u) == std::u16string::npos &&
        u != u'\r' && u != u'\n')
      missing.push_back(u);
  if (missing.empty()) return;
  std::string shown;
  int count = 0;
  for (const char16_t u : missing) {
    if (++count > 8) {
      shown += "……";
      break;
    }
    shown += u == u' ' ? std::string("空格") : *ToGbk(std::u16string(1, u));
    if (count < static_cast<int>(missing.size()) && count < 8) shown += " ";
  }
  c.Warning(f,
            "屏幕键盘打不出“" + shown +
                "”（它只有英文字母和英文逗号、句号），学生需要用实体键盘或输入法作答。",
            shown);
}

void CheckCountdown(Collector& c, std::u16string_view raw) {
  const Field f{FieldKind::Countdown, 0};
  const std::string text = *ToGbk(raw);
  const std::string folded = config::FoldFullWidth(text);
  if (text.empty()) {
    c.Error(f, "不能为空。填 0 表示不倒计时。");
  } else if (!IsDigits(folded)) {
    c.Error(f, "请填写整数秒数，例如 30；填 0 表示不倒计时。");
  } else if (text != "0" && config::TextToInteger(folded) == 0) {
    // The program switches the countdown off only for the exact text "0".
    c.Error(f, "“" + text + "”会让每道题立刻超时。要关闭倒计时，请只填一个 0。");
  }
}

void CheckPoints(Collector& c, std::u16string_view raw) {
  const Field f{FieldKind::Points, 0};
  const std::string text = *ToGbk(raw);
  if (text.empty()) {
    c.Error(f, "不能为空，例如 1。");
  } else if (!IsNumber(config::FoldFullWidth(text))) {
    c.Error(f, "请填写数字，例如 1 或 0.5。");
  }
}

}  // namespace

std::string FieldName(Field field) {
  switch (field.kind) {
    case FieldKind::Title:
      return "第" + Number(field.row) + "题题目";
    case FieldKind::Answer:
      return "第" + Number(field.row) + "题答案";
    case FieldKind::Countdown:
      return "倒计时";
    case FieldKind::Points:
      return "答对一题得分";
  }
  return {};
}

std::vector<Finding> CheckQuiz(const Quiz& typed) {
  std::vector<Finding> findings;
  Collector c{findings};
  const Quiz saved = Normalized(typed);
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    const Field f{FieldKind::Title, n};
    if (CheckHeld(c, f, typed.titles[n - 1]) && HasLineBreak(typed.titles[n - 1]))
      c.Warning(f, "换行会保存为空格（题目文件的一个值只占一行）。");
  }
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    const Field f{FieldKind::Answer, n};
    if (!CheckHeld(c, f, typed.answers[n - 1])) continue;
    if (HasLineBreak(typed.answers[n - 1]))
      c.Warning(f, "换行会保存为空格（题目文件的一个值只占一行）。");
    CheckAnswer(c, f, saved.answers[n - 1]);
  }
  if (CheckHeld(c, {FieldKind::Countdown, 0}, saved.countdown)) CheckCountdown(c, saved.countdown);
  if (CheckHeld(c, {FieldKind::Points, 0}, saved.points)) CheckPoints(c, saved.points);
  return findings;
}

std::vector<Finding> ForSaving(std::vector<Finding> findings, const Quiz& typed,
                               const Quiz& inFile) {
  auto changed = [&](Field f) {
    switch (f.kind) {
      case FieldKind::Title:
        return typed.titles[f.row - 1] != inFile.titles[f.row - 1];
      case FieldKind::Answer:
        return typed.answers[f.row - 1] != inFile.answers[f.row - 1];
      case FieldKind::Countdown:
        return typed.countdown != inFile.countdown;
      case FieldKind::Points:
        break;
    }
    return typed.points != inFile.points;
  };
  std::vector<Finding> out, keyboard;
  for (Finding& f : findings) {
    if (f.severity == Severity::Error) {
      out.push_back(std::move(f));
    } else if (changed(f.field)) {
      (f.untypeable.empty() ? out : keyboard).push_back(std::move(f));
    }
  }
  std::stable_partition(out.begin(), out.end(),
                        [](const Finding& f) { return f.severity == Severity::Error; });
  if (keyboard.size() == 1) out.push_back(std::move(keyboard.front()));
  if (keyboard.size() > 1) {
    std::string list;
    for (const Finding& f : keyboard)
      list += (list.empty() ? "" : "，") + FieldName(f.field) + "“" + f.untypeable + "”";
    out.push_back({Severity::Warning,
                   keyboard.front().field,
                   "屏幕键盘（只有英文字母和英文逗号、句号）打不出这些答案里的字符，"
                   "学生需要用实体键盘或输入法作答：" +
                       list + "。",
                   {}});
  }
  return out;
}

Finding TitleDoesNotFit(int row, int linesNeeded, int linesShown) {
  const Field f{FieldKind::Title, row};
  return {Severity::Warning, f,
          FieldName(f) + "：太长，课堂上显示不全（需要 " + Number(linesNeeded) + " 行，只能显示 " +
              Number(linesShown) + " 行）。"};
}

const std::u16string& OnScreenKeyboardCharacters() {
  static const std::u16string characters = [] {
    std::u16string out;
    for (const ui::Row& row : quiz::MainTable().rows) {
      if (!row.onScreenKey) continue;
      const int vk = row.bindings[0].arg;
      if (vk >= 'A' && vk <= 'Z') {
        // The answer check ignores the case of English letters.
        out.push_back(static_cast<char16_t>(vk));
        out.push_back(static_cast<char16_t>(vk + 0x20));
      } else if (vk == kVkOemComma) {
        out.push_back(u',');
      } else if (vk == kVkOemPeriod) {
        out.push_back(u'.');
      }
    }
    return out;
  }();
  return characters;
}

}  // namespace lornel::editor
