#include "quiz/keyboard.h"

#include "config/gbk.h"
#include "quiz/key_layer.h"
#include "quiz/play.h"

namespace lornel::quiz {

void SimulateKeyPress(Context& ctx, int virtualKey) {
  ctx.main.Focus(MainId::AnswerBox);
  const bool digits = ctx.round.layer == KeyLayer::Digits;
  if (const char* text = digits ? DigitLayerText(virtualKey) : nullptr) {
    // Most of the layer is on no keyboard layout; the host types it as it can.
    for (char16_t unit : config::gbk::ToUnits(text)) ctx.host.InjectCharacter(unit);
    return;
  }
  ctx.host.InjectKey(virtualKey, false);
  ctx.host.InjectKey(virtualKey, true);
}

void SwitchKeyLayer(Context& ctx) {
  ctx.round.layer = ctx.round.layer == KeyLayer::Digits ? KeyLayer::Letters : KeyLayer::Digits;
  Commit(ctx);
  // As the other keys do: the next key typed goes where the caret is.
  ctx.main.Focus(MainId::AnswerBox);
}

}  // namespace lornel::quiz
