#include "quiz/keyboard.h"

#include <string>

#include "config/gbk.h"
#include "judging/board_keys.h"
#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

using quiz::MainId;

constexpr const char* kToDigits = "123";
constexpr const char* kToLetters = "ABC";

// The digit layer's text of the letter key that sends virtualKey; nullptr
// for the keys that type the same on both layers.
const char* DigitText(int virtualKey) {
  const auto& rows = judging::kLetterRows;
  if (virtualKey < 'A' || virtualKey > 'Z') return nullptr;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::size_t i = rows[r].find(static_cast<char>(virtualKey));
    if (i == std::string_view::npos) continue;
    if (r == 0) return judging::kDigitRow1[i];
    if (r == 1) return judging::kDigitRow2[i];
    return judging::kDigitRow3[i];
  }
  return nullptr;
}

bool DigitLayerUp(const MainForm& main) { return main.Text(MainId::KeyLayer) == kToLetters; }

// Every letter key captioned for the layer: its letter, or its digit-layer text.
void CaptionLetterKeys(const MainForm& main, bool digits) {
  for (const ui::Row& row : quiz::MainTable().rows) {
    const int vk = row.bindings[0].arg;
    const char* digit = row.onScreenKey ? DigitText(vk) : nullptr;
    if (!digit) continue;
    main.SetText(MainId(row.id), digits ? std::string(digit) : std::string(1, char(vk)));
  }
  main.SetText(MainId::KeyLayer, digits ? kToLetters : kToDigits);
}

}  // namespace

void SimulateKeyPress(Context& ctx, int virtualKey) {
  ctx.main.Focus(MainId::AnswerBox);
  if (const char* text = DigitLayerUp(ctx.main) ? DigitText(virtualKey) : nullptr) {
    // Most of the layer is on no keyboard layout; the host types it as it can.
    for (char16_t unit : config::gbk::ToUnits(text)) ctx.host.InjectCharacter(unit);
    return;
  }
  ctx.host.InjectKey(virtualKey, false);
  ctx.host.InjectKey(virtualKey, true);
}

void SwitchKeyLayer(Context& ctx) {
  CaptionLetterKeys(ctx.main, !DigitLayerUp(ctx.main));
  // As the other keys do: the next key typed goes where the caret is.
  ctx.main.Focus(MainId::AnswerBox);
}

void ShowLetterLayer(const MainForm& main) {
  if (DigitLayerUp(main)) CaptionLetterKeys(main, false);
}

}  // namespace lornel::quiz
