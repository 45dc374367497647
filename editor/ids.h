// The question editor's controls in table order (the order is also the order
// of the Tab key), those of its preview window, and the handlers of each.
#pragma once

#include <cstdint>

#include "config/questions.h"

// clang-format off
#define LORNEL_EDITOR_ROW(X, n) X(RowLabel##n) X(TitleBox##n) X(AnswerBox##n)
#define LORNEL_EDITOR_CONTROLS(X) \
  X(OpenButton) X(SaveButton) X(PasteButton) X(PreviewButton) X(PlayButton) X(PasteHint) \
  X(NumberHeader) X(TitleHeader) X(AnswerHeader) \
  LORNEL_EDITOR_ROW(X, 1) LORNEL_EDITOR_ROW(X, 2) LORNEL_EDITOR_ROW(X, 3) \
  LORNEL_EDITOR_ROW(X, 4) LORNEL_EDITOR_ROW(X, 5) LORNEL_EDITOR_ROW(X, 6) \
  LORNEL_EDITOR_ROW(X, 7) LORNEL_EDITOR_ROW(X, 8) LORNEL_EDITOR_ROW(X, 9) \
  LORNEL_EDITOR_ROW(X, 10) LORNEL_EDITOR_ROW(X, 11) LORNEL_EDITOR_ROW(X, 12) \
  LORNEL_EDITOR_ROW(X, 13) LORNEL_EDITOR_ROW(X, 14) /* one per config::kQuestionCount */ \
  X(CountdownLabel) X(CountdownBox) X(CountdownNote) X(PointsLabel) X(PointsBox) \
  X(MeasureLabel)
#define LORNEL_PREVIEW_CONTROLS(X) X(QuestionPanel) X(QuestionLabel) X(FitNote) X(CloseButton)
// clang-format on

namespace lornel::editor {

enum class EditorId : int {
#define LORNEL_ID(name) name,
  LORNEL_EDITOR_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};
inline constexpr int kEditorControlCount = 9 + config::kQuestionCount * 3 + 6;

// Row n (1..kQuestionCount) of the editor: its number label, title box and answer box.
constexpr EditorId RowLabel(int n) { return EditorId(int(EditorId::RowLabel1) + 3 * (n - 1)); }
constexpr EditorId TitleBox(int n) { return EditorId(int(EditorId::TitleBox1) + 3 * (n - 1)); }
constexpr EditorId AnswerBox(int n) { return EditorId(int(EditorId::AnswerBox1) + 3 * (n - 1)); }

enum class PreviewId : int {
#define LORNEL_ID(name) name,
  LORNEL_PREVIEW_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};
inline constexpr int kPreviewControlCount = 4;

enum class EditorSlot : std::uint8_t { None, Open, Save, Paste, Preview, Play, TextChanged };
enum class PreviewSlot : std::uint8_t { None, Close };

}  // namespace lornel::editor
