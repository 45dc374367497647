#include "quiz/key_layer.h"

#include <string_view>

#include "judging/board_keys.h"

namespace lornel::quiz {

const char* DigitLayerText(int virtualKey) {
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

}  // namespace lornel::quiz
