#include "editor/checks.h"

#include <algorithm>
#include <cctype>

#include "config/answer_ways.h"
#include "config/config.h"
#include "config/question_kinds.h"
#include "editor/options.h"
#include "editor/pictures.h"
#include "editor/unicode.h"
#include "judging/judge.h"
#include "judging/pinyin.h"
#include "judging/text.h"
#include "platform/picture_file.h"
#include "quiz/main_ids.h"

namespace lornel::editor {
namespace {

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

bool IsSpace(char16_t u) { return u == u' ' || u == u'\t' || u == u'\u3000'; }

// The characters of answer that no key types, as a message shows them, at
// most eight ("空格" for a space).
std::string UntypeableCharacters(const std::string& answer, const judging::Rules& rules) {
  // The lenient comparison drops spaces and end punctuation; pinyin skips spaces.
  const std::string text = rules.lenient ? judging::LenientForm(answer) : answer;
  std::vector<std::string> missing;
  for (std::size_t i = 0; i < text.size();) {
    const judging::Piece piece = judging::PieceAt(text, i);
    const std::string one = text.substr(i, piece.size);
    i += piece.size;
    if (one == "\r" || one == "\n") continue;
    if (rules.pinyin && (one == " " || one == "　")) continue;
    if (judging::TypeableOnBoard(one, rules)) continue;
    if (std::find(missing.begin(), missing.end(), one) == missing.end()) missing.push_back(one);
  }
  std::string shown;
  for (std::size_t k = 0; k < missing.size(); ++k) {
    if (k == 8) return shown + " ……";
    shown += (k ? " " : "") + (missing[k] == " " ? std::string("空格") : missing[k]);
  }
  return shown;
}

// The answer and the other answers: typed on the on-screen keys by at least
// one of them, with the rules the file sets.
void CheckAnswer(Collector& c, int row, const Quiz& saved, const judging::Rules& rules) {
  const Field f{FieldKind::Answer, row};
  const std::u16string& answer = saved.answers[row - 1];
  if (!answer.empty() && (IsSpace(answer.front()) || IsSpace(answer.back())))
    c.Warning(f, "前后的空格会保存下来，学生作答时也要打出这些空格。");
  const std::string gbk = *ToGbk(answer);
  const std::vector<std::string> others =
      judging::SplitAlternatives(*ToGbk(saved.otherAnswers[row - 1]));
  if (gbk.empty() && others.empty()) return;
  if (!gbk.empty() && judging::TypeableOnBoard(gbk, rules)) return;
  for (const std::string& other : others)
    if (judging::TypeableOnBoard(other, rules)) return;
  const std::string& shownAnswer = gbk.empty() ? others.front() : gbk;
  const std::string shown = UntypeableCharacters(shownAnswer, rules);
  std::string text = "屏幕键盘打不出“" + (shown.empty() ? shownAnswer : shown) + "”";
  text += rules.pinyin ? "（它有英文字母、数字和常用符号，汉字可以用拼音打出）"
                       : "（它只有英文字母、数字和常用符号）";
  if (rules.pinyin) {
    std::string unread;
    for (const std::string& character : judging::CharactersWithoutReading(shownAnswer))
      unread += (unread.empty() ? "" : " ") + character;
    if (!unread.empty()) text += "；“" + unread + "”没有拼音读音，打不出来";
  }
  c.Warning(f, text + "，学生需要用实体键盘或输入法作答。", shown.empty() ? shownAnswer : shown);
}

void CheckOtherAnswers(Collector& c, int row, std::u16string_view raw) {
  const Field f{FieldKind::OtherAnswers, row};
  std::u16string_view text = raw;
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  auto bar = [](char16_t u) { return u == u'|' || u == u'\uFF5C'; };
  if (!text.empty() && (bar(text.front()) || bar(text.back())))
    c.Error(f, "开头和末尾不能是“|”。“|”只用来隔开两个答案，例如 Beijing|北京市。");
}

// A question's own value may stay empty: the global one counts then.
void CheckCountdown(Collector& c, Field f, std::u16string_view raw) {
  const std::string text = *ToGbk(raw);
  const std::string folded = config::FoldFullWidth(text);
  if (text.empty() && f.kind == FieldKind::OwnCountdown) return;
  if (text.empty()) {
    c.Error(f, "不能为空。填 0 表示不倒计时。");
  } else if (!IsDigits(folded)) {
    c.Error(f, "请填写整数秒数，例如 30；填 0 表示不倒计时。");
  } else if (text != "0" && config::TextToInteger(folded) == 0) {
    // The program switches the countdown off only for the exact text "0".
    c.Error(f, "“" + text + "”会让每道题立刻超时。要关闭倒计时，请只填一个 0。");
  }
}

void CheckPoints(Collector& c, Field f, std::u16string_view raw) {
  const std::string text = *ToGbk(raw);
  if (text.empty() && f.kind == FieldKind::OwnPoints) return;
  if (text.empty()) {
    c.Error(f, "不能为空，例如 1。");
  } else if (!IsNumber(config::FoldFullWidth(text))) {
    c.Error(f, "请填写数字，例如 1 或 0.5。");
  }
}

std::string Letter(std::size_t i) { return std::string(1, static_cast<char>('A' + i)); }

config::QuestionKind KindIn(const Quiz& quiz, int row) {
  return config::KindNamed(ToGbk(quiz.kinds[row - 1]).value_or(""));
}

// A choice question: two to six options, none of them empty, and the letters
// of the right ones as its answer; as the board reads them (config/question_kinds.h).
void CheckChoice(Collector& c, int row, const Quiz& saved) {
  const Field options{FieldKind::Options, row}, answer{FieldKind::Answer, row};
  const std::vector<std::u16string> cells = OptionCells(saved.options[row - 1]);
  if (cells.size() > config::kMaxOptions) {
    c.Error(options, "最多六个选项（A 到 F），这里有 " + Number(int(cells.size())) + " 个。");
    return;
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i].empty()) {
      c.Error(options, "选项" + Letter(i) + "是空的。请填上它，或者把后面的选项往前移。");
      return;
    }
  }
  if (cells.size() < config::kMinOptions) {
    c.Error(options, "选择题至少要有两个选项（在下面的 A、B…… 里填写）。");
    return;
  }
  const std::string text = *ToGbk(saved.answers[row - 1]);
  if (config::ChoiceLetters(text, int(cells.size()))) return;
  const std::string letters = "A 到 " + Letter(cells.size() - 1);
  c.Error(answer, (text.empty() ? "选择题的答案" : "“" + text + "”不对：答案") +
                      "填正确选项的字母（" + letters + "），几个都对就都填上，例如 AC。");
}

void CheckTruth(Collector& c, int row, const Quiz& saved) {
  const std::string text = *ToGbk(saved.answers[row - 1]);
  if (!config::TruthOf(text))
    c.Error({FieldKind::Answer, row},
            "判断题的答案填“对”或“错”（也可以填 √ ×、是 否、正确 错误、T F）。");
}

// The keys that lornel.exe takes for itself at any time: its commands' keys
// without a modifier (not those it takes only now and then, as a choice
// question's letters while a group answers), and Space, which starts a buzz.
bool ProgramKey(int vk) {
  constexpr int kVkSpace = 0x20;
  if (vk == kVkSpace) return true;
  for (const ui::Command& command : quiz::MainTable().commands)
    if (command.enabled && command.key.vk == vk && !command.key.ctrl && !command.key.alt &&
        !command.key.shift)
      return true;
  return false;
}

// Buzz-in's seconds, penalties and keys, and the groups in play.
void CheckBuzzAndGroups(Collector& c, const Quiz& saved) {
  auto gbk = [&](Field f) { return config::FoldFullWidth(*ToGbk(ValueOf(saved, f))); };
  const Field seconds{FieldKind::BuzzSeconds, 0}, groups{FieldKind::GroupCount, 0};
  if (!gbk(seconds).empty() && !IsDigits(gbk(seconds)))
    c.Error(seconds, "请填写整数秒数，例如 10；填 0 或空着表示不限时。");
  for (const FieldKind kind : {FieldKind::FoulPenalty, FieldKind::WrongPenalty}) {
    const std::string value = gbk({kind, 0});
    if (value.empty()) continue;
    if (!IsNumber(value)) {
      c.Error({kind, 0}, "请填写数字，例如 1；填 0 或空着表示不扣分。");
    } else if (config::TextToNumber(value) < 0) {
      c.Error({kind, 0}, "这里填扣几分，不能是负数。");
    }
  }
  int inPlay = config::kGroupCount;
  if (const std::string count = gbk(groups); !count.empty()) {
    const int n = config::TextToInteger(count);
    if (IsDigits(count) && n >= 1 && n <= config::kGroupCount) {
      inPlay = n;
    } else {
      c.Error(groups, "填 1 到 6；空着就是六个组都参加。");
    }
  }
  std::array<std::string, config::kGroupCount> names;
  for (int g = 1; g <= config::kGroupCount; ++g) names[g - 1] = *ToGbk(saved.buzzKeys[g - 1]);
  const auto keys = config::BuzzKeysNamed(names);
  for (int g = 1; g <= inPlay; ++g) {
    const Field f{FieldKind::BuzzKey, g};
    const std::string& name = names[g - 1];
    if (name.empty()) continue;
    const int vk = config::KeyNamed(name);
    if (vk == 0) {
      c.Error(f, "“" + name + "”不是一个键：填一个字母或数字、F1 到 F12，或者“空格”。");
    } else if (ProgramKey(vk)) {
      c.Error(f, "“" + name + "”是课堂程序自己用的键，请换一个。");
    } else {
      for (int other = 1; other <= inPlay; ++other) {
        const auto& theirs = keys[other - 1];
        if (other != g && std::find(theirs.begin(), theirs.end(), vk) != theirs.end()) {
          c.Error(f, "“" + name + "”也是第" + Number(other) + "组的抢答键，分不出是哪一组抢到的。");
          break;
        }
      }
    }
  }
}

}  // namespace

std::string FieldName(Field field) {
  switch (field.kind) {
    case FieldKind::Title:
      return "第" + Number(field.row) + "题题目";
    case FieldKind::Answer:
      return "第" + Number(field.row) + "题答案";
    case FieldKind::OtherAnswers:
      return "第" + Number(field.row) + "题其他答案";
    case FieldKind::Picture:
      return "第" + Number(field.row) + "题图片";
    case FieldKind::OwnCountdown:
      return "第" + Number(field.row) + "题秒数";
    case FieldKind::OwnPoints:
      return "第" + Number(field.row) + "题得分";
    case FieldKind::Countdown:
      return "倒计时";
    case FieldKind::Points:
      return "答对一题得分";
    case FieldKind::Kind:
      return "第" + Number(field.row) + "题题型";
    case FieldKind::Options:
      return "第" + Number(field.row) + "题选项";
    case FieldKind::Way:
      return "第" + Number(field.row) + "题答题方式";
    case FieldKind::DefaultWay:
      return "答题方式";
    case FieldKind::BuzzSeconds:
      return "抢答时间";
    case FieldKind::FoulPenalty:
      return "犯规扣分";
    case FieldKind::WrongPenalty:
      return "答错扣分";
    case FieldKind::BuzzKey:
      return "第" + Number(field.row) + "组抢答键";
    case FieldKind::GroupCount:
      return "组数";
    default:
      break;
  }
  return {};
}

std::vector<Finding> CheckQuiz(const Quiz& typed, const Quiz& saved) {
  std::vector<Finding> findings;
  Collector c{findings};
  const judging::Rules rules{SwitchOn(saved.pinyin), SwitchOn(saved.lenient)};
  auto lineBreak = [&](Field f) {
    if (HasLineBreak(ValueOf(typed, f)))
      c.Warning(f, "换行会保存为空格（题目文件的一个值只占一行）。");
  };
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    const Field f{FieldKind::Title, n};
    if (CheckHeld(c, f, typed.titles[n - 1])) lineBreak(f);
  }
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    const Field answer{FieldKind::Answer, n}, others{FieldKind::OtherAnswers, n};
    const bool held = CheckHeld(c, answer, typed.answers[n - 1]);
    const bool othersHeld = CheckHeld(c, others, typed.otherAnswers[n - 1]);
    if (held) lineBreak(answer);
    if (othersHeld) {
      lineBreak(others);
      CheckOtherAnswers(c, n, saved.otherAnswers[n - 1]);
    }
    // A choice or true/false question is answered by tapping its buttons.
    const config::QuestionKind kind = KindIn(saved, n);
    const bool optionsHeld = CheckHeld(c, {FieldKind::Options, n}, typed.options[n - 1]);
    if (held && kind == config::QuestionKind::Choice && optionsHeld) CheckChoice(c, n, saved);
    if (held && kind == config::QuestionKind::TrueFalse) CheckTruth(c, n, saved);
    if (held && othersHeld && kind == config::QuestionKind::Typed) CheckAnswer(c, n, saved, rules);
  }
  auto number = [&](Field f, auto check) {
    if (CheckHeld(c, f, ValueOf(saved, f))) check(c, f, ValueOf(saved, f));
  };
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    number({FieldKind::OwnCountdown, n}, CheckCountdown);
    number({FieldKind::OwnPoints, n}, CheckPoints);
  }
  number({FieldKind::Countdown, 0}, CheckCountdown);
  number({FieldKind::Points, 0}, CheckPoints);
  bool buzzHeld = true;
  ForEachField([&](Field f) {
    const bool buzz = f.kind == FieldKind::BuzzSeconds || f.kind == FieldKind::FoulPenalty ||
                      f.kind == FieldKind::WrongPenalty || f.kind == FieldKind::BuzzKey ||
                      f.kind == FieldKind::GroupCount;
    if (buzz && !CheckHeld(c, f, ValueOf(saved, f))) buzzHeld = false;
  });
  if (buzzHeld) CheckBuzzAndGroups(c, saved);
  return findings;
}

std::vector<Finding> CheckPictures(const Quiz& quiz, const std::string& configPath,
                                   platform::Files& files) {
  std::vector<Finding> findings;
  Collector c{findings};
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    const Field f{FieldKind::Picture, n};
    const std::u16string& value = quiz.pictures[n - 1];
    if (value.empty()) continue;
    const auto gbk = ToGbk(value);
    if (!gbk) {
      c.Error(f, "文件名里有 GBK 编码存不下的字符，请把图片改个名字再选。");
      continue;
    }
    const std::string path = config::PicturePath(configPath, *gbk);
    const platform::FileRead read = files.ReadFileChecked(path);
    if (read.problem == platform::FileProblem::Missing) {
      c.Warning(f, "找不到图片“" + path + "”，课堂上不会显示图片。");
    } else if (read.problem != platform::FileProblem::None) {
      c.Warning(f, "无法读取图片“" + path + "”，课堂上不会显示图片。");
    } else if (read.bytes.size() > platform::kMaxPictureFileBytes) {
      c.Warning(f, "图片“" + path + "”超过 " +
                       std::to_string(platform::kMaxPictureFileBytes >> 20) +
                       " MB，课堂上不会显示，请换一张小一些的图片。");
    } else if (platform::SniffPicture(read.bytes) == platform::PictureFormat::None) {
      c.Warning(f, "“" + path + "”不是能显示的图片（JPEG、PNG、BMP 或 GIF）。");
    }
  }
  return findings;
}

std::vector<Finding> ForSaving(std::vector<Finding> findings, const Quiz& typed,
                               const Quiz& inFile) {
  auto changed = [&](Field f) {
    // The answer's keyboard warning also follows its other answers and the rules.
    if (f.kind == FieldKind::Options)
      return typed.options[f.row - 1] != inFile.options[f.row - 1] ||
             typed.kinds[f.row - 1] != inFile.kinds[f.row - 1];
    if (f.kind == FieldKind::Answer)
      return typed.answers[f.row - 1] != inFile.answers[f.row - 1] ||
             typed.otherAnswers[f.row - 1] != inFile.otherAnswers[f.row - 1] ||
             typed.pinyin != inFile.pinyin || typed.lenient != inFile.lenient;
    return ValueOf(typed, f) != ValueOf(inFile, f);
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
                   "屏幕键盘打不出这些答案里的字符，学生需要用实体键盘或输入法作答：" + list + "。",
                   {}});
  }
  return out;
}

Finding OptionDoesNotFit(int row, int option, int linesNeeded, int linesShown) {
  const Field f{FieldKind::Options, row};
  return {Severity::Warning, f,
          FieldName(f) + Letter(std::size_t(option - 1)) + "：太长，课堂上的按钮里显示不全（需要 " +
              Number(linesNeeded) + " 行，只能显示 " + Number(linesShown) + " 行）。"};
}

Finding TitleDoesNotFit(int row, int linesNeeded, int linesShown) {
  const Field f{FieldKind::Title, row};
  return {Severity::Warning, f,
          FieldName(f) + "：太长，课堂上显示不全（需要 " + Number(linesNeeded) + " 行，只能显示 " +
              Number(linesShown) + " 行）。"};
}

}  // namespace lornel::editor
