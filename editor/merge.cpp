#include "editor/merge.h"

#include "editor/unicode.h"

namespace lornel::editor {
namespace {

std::string Label(Field field) {
  const std::string question = "第" + std::to_string(field.row) + "题 ";
  switch (field.kind) {
    case FieldKind::Title:
      return question + "题目";
    case FieldKind::Answer:
      return question + "答案";
    case FieldKind::OtherAnswers:
      return question + "其他答案";
    case FieldKind::Picture:
      return question + "图片";
    case FieldKind::OwnCountdown:
      return question + "倒计时";
    case FieldKind::OwnPoints:
      return question + "得分";
    case FieldKind::Countdown:
      return "倒计时";
    case FieldKind::Points:
      return "得分";
    case FieldKind::Pinyin:
      return "拼音作答";
    case FieldKind::Lenient:
      return "宽松比较";
    case FieldKind::Sounds:
      return "声音";
    case FieldKind::Kind:
      return question + "题型";
    case FieldKind::Options:
      return question + "选项";
    case FieldKind::Way:
      return question + "答题方式";
    case FieldKind::DefaultWay:
      return "答题方式";
    case FieldKind::BuzzSeconds:
      return "抢答时间";
    case FieldKind::FoulPenalty:
      return "犯规扣分";
    case FieldKind::WrongPenalty:
      return "答错扣分";
    case FieldKind::BuzzKey:
      return "第" + std::to_string(field.row) + "组抢答键";
    case FieldKind::GroupCount:
      return "组数";
    case FieldKind::RandomGroup:
      break;
  }
  return "随机选组";
}

bool IsSwitch(Field field) {
  return field.kind == FieldKind::Pinyin || field.kind == FieldKind::Lenient ||
         field.kind == FieldKind::Sounds || field.kind == FieldKind::RandomGroup;
}

// About 20 characters in GBK; what GBK cannot hold (an emoji from a UTF-8
// file) shows as "?", a message box being no place to lose the whole line.
std::string Shortened(const std::u16string& text) {
  if (text.empty()) return "（空）";
  constexpr std::size_t kShown = 20;
  std::u16string cut = text.size() > kShown ? text.substr(0, kShown - 1) : text;
  // Not half a surrogate pair.
  if (cut.size() < text.size() && !cut.empty() && cut.back() >= 0xD800 && cut.back() < 0xDC00)
    cut.pop_back();
  std::string out;
  for (char16_t unit : cut) {
    const auto gbk = GbkHolds(unit) ? ToGbk(std::u16string(1, unit)) : std::nullopt;
    if (gbk)
      out += *gbk;
    else if (unit < 0xDC00 || unit >= 0xE000)  // one "?" per character
      out += '?';
  }
  return "“" + out + (cut.size() < text.size() ? "…”" : "”");
}

}  // namespace

Merged MergeQuiz(const Quiz& base, const Quiz& mine, const Quiz& theirs) {
  Merged merged{mine, mine, {}};
  ForEachField([&](Field f) {
    const std::u16string &was = ValueOf(base, f), &typed = ValueOf(mine, f),
                         &onDisk = ValueOf(theirs, f);
    if (onDisk == was || onDisk == typed) return;
    if (typed != was) merged.conflicts.push_back({f, typed, onDisk});
    if (typed == was) ValueOf(merged.keepingMine, f) = onDisk;
    ValueOf(merged.keepingTheirs, f) = onDisk;
  });
  return merged;
}

std::string ConflictQuestion(const std::string& quotedPath,
                             const std::vector<Conflict>& conflicts) {
  std::string text =
      quotedPath + "在编辑器打开之后被别的程序改过，下面的内容编辑器和文件改得不一样：\r\n";
  constexpr std::size_t kListed = 12;
  for (std::size_t i = 0; i < conflicts.size() && i < kListed; ++i) {
    const Conflict& c = conflicts[i];
    auto shown = [&](const std::u16string& value) {
      if (IsSwitch(c.field)) return std::string(SwitchOn(value) ? "“开”" : "“关”");
      return Shortened(value);
    };
    text +=
        "\r\n" + Label(c.field) + "：编辑器里是" + shown(c.mine) + "，文件里是" + shown(c.theirs);
  }
  if (conflicts.size() > kListed)
    text += "\r\n……（还有 " + std::to_string(conflicts.size() - kListed) + " 项）";
  return text +
         "\r\n\r\n按“是”保留编辑器里的内容，按“否”改用文件里的内容，按“取消”什么也不保存。"
         "别的程序改过的其他内容都会保留。";
}

}  // namespace lornel::editor
