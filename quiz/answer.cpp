#include "quiz/answer.h"

#include "quiz/board.h"
#include "quiz/groups.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

using ui::MainId;

constexpr int kShakePeriod = 50;
constexpr int kAnswerBoxRest = 80;  // left of 编辑框1 in the answer panel

// One shake: where the answer box goes from each place, and whether it ends there.
struct ShakeStep {
  int from, to;
  bool last;
};
constexpr ShakeStep kShake[] = {{80, 75, false}, {75, 85, false}, {85, 74, false}, {74, 80, true}};

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x80; }

void CorrectAnswer(Context& ctx) {
  const MainForm& main = ctx.main;
  main.SetInterval(MainId::时钟2, 0);
  StopShake(main);
  const int question = OpenQuestionNumber(ctx);  // CloseQuestion hides which one it was
  CloseQuestion(ctx);
  ui::ShowMessage(ctx.host, "回答正确！", ui::kMbOk | ui::kMbIconInformation, "恭喜");
  UncoverAnswer(main);
  AwardPoints(ctx, question);
}

}  // namespace

// A shake still under way would, once the board is back, raise "请选题！"
// over "回答正确！"; it ends here with the box at rest.
void StopShake(const MainForm& main) {
  main.SetInterval(MainId::时钟18, 0);
  main.SetLeft(MainId::编辑框1, kAnswerBoxRest);
}

std::string FoldCase(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsGbkLeadByte(byte)) {
      folded += text[i];
      // The trail byte may look like "A".."Z"; it is part of the character.
      if (i + 1 == text.size()) break;
      folded += text[++i];
    } else if (byte >= 'A' && byte <= 'Z') {
      folded += static_cast<char>(byte + 0x20);
    } else {
      folded += text[i];
    }
  }
  return folded;
}

void CheckAnswer(Context& ctx) {
  const MainForm& main = ctx.main;
  const std::string typed = main.Text(MainId::编辑框1);
  if (typed.empty()) {
    // On an empty board the shake's own "请选题！" would come up over the hint.
    StopShake(main);
    ui::ShowMessage(ctx.host, "答案这么空合适嘛？", ui::kMbOk | ui::kMbIconInformation, "小提示");
    return;
  }
  if (FoldCase(typed) != FoldCase(main.Text(MainId::标签18))) {
    main.SetInterval(MainId::时钟18, kShakePeriod);
    return;
  }
  CorrectAnswer(ctx);
}

void ShakeTick(Context& ctx) {
  const MainForm& main = ctx.main;
  if (main.IsEnabled(MainId::按钮1)) {
    main.SetInterval(MainId::时钟18, 0);
    ui::ShowMessage(ctx.host, "请选题！", ui::kMbOk);
    return;
  }
  const int x = main.Left(MainId::编辑框1);
  for (const ShakeStep& step : kShake) {
    if (step.from != x) continue;
    main.SetLeft(MainId::编辑框1, step.to);
    if (step.last) main.SetInterval(MainId::时钟18, 0);
    return;
  }
}

void RevealAnswer(Context& ctx) {
  // A click queued before the guard's first tick still arrives; once a
  // countdown has started the reveal is over for the run, as the guard means.
  if (ctx.main.Interval(MainId::时钟19) > 0) return;
  StopShake(ctx.main);
  const platform::MessageResult pressed =
      ui::ShowMessage(ctx.host, "确定显示答案吗？", ui::kMbYesNo, "小提示");
  if (pressed != platform::MessageResult::Yes) return;
  UncoverAnswer(ctx.main);
}

void UncoverAnswer(const MainForm& main) {
  main.Disable(MainId::按钮47);
  main.Hide(MainId::图片框1);
  main.Enable(MainId::按钮49);
}

void SimulateKeyPress(Context& ctx, int virtualKey) {
  ctx.main.Focus(MainId::编辑框1);
  ctx.host.InjectKey(virtualKey, false);
  ctx.host.InjectKey(virtualKey, true);
}

}  // namespace lornel::quiz
