// The question editor's controls in table order (the order is also the order
// of the Tab key), those of its preview window, and the handlers of each.
#pragma once

#include <cstdint>

#include "config/questions.h"

// clang-format off
#define LORNEL_EDITOR_ROW(X, n) X(RowLabel##n) X(TitleBox##n) X(AnswerBox##n) \
  X(OtherAnswersBox##n) X(OwnCountdownBox##n) X(OwnPointsBox##n) X(PictureName##n) \
  X(PictureButton##n) X(PictureClear##n)
#define LORNEL_EDITOR_CONTROLS(X) \
  X(OpenButton) X(SaveButton) X(PasteButton) X(PreviewButton) X(PlayButton) X(PasteHint) \
  X(NumberHeader) X(TitleHeader) X(AnswerHeader) X(OtherAnswersHeader) X(OwnCountdownHeader) \
  X(OwnPointsHeader) X(PictureHeader) \
  LORNEL_EDITOR_ROW(X, 1) LORNEL_EDITOR_ROW(X, 2) LORNEL_EDITOR_ROW(X, 3) \
  LORNEL_EDITOR_ROW(X, 4) LORNEL_EDITOR_ROW(X, 5) LORNEL_EDITOR_ROW(X, 6) \
  LORNEL_EDITOR_ROW(X, 7) LORNEL_EDITOR_ROW(X, 8) LORNEL_EDITOR_ROW(X, 9) \
  LORNEL_EDITOR_ROW(X, 10) LORNEL_EDITOR_ROW(X, 11) LORNEL_EDITOR_ROW(X, 12) \
  LORNEL_EDITOR_ROW(X, 13) LORNEL_EDITOR_ROW(X, 14) /* one per config::kQuestionCount */ \
  X(CountdownLabel) X(CountdownBox) X(PointsLabel) X(PointsBox) X(CountdownNote) \
  X(PinyinCheck) X(LenientCheck) X(SoundCheck) X(MeasureLabel)
#define LORNEL_PREVIEW_CONTROLS(X) \
  X(QuestionPanel) X(QuestionLabel) X(FitNote) X(AnswerNote) X(CloseButton)
// clang-format on

namespace lornel::editor {

enum class EditorId : int {
#define LORNEL_ID(name) name,
  LORNEL_EDITOR_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};
inline constexpr int kRowControls = 9;
inline constexpr int kEditorControlCount = 13 + config::kQuestionCount * kRowControls + 9;

// Row n (1..kQuestionCount) of the editor: its number label, its boxes, the
// name of its picture and the buttons that choose and remove it.
constexpr EditorId InRow(EditorId first, int n) {
  return EditorId(int(first) + kRowControls * (n - 1));
}
constexpr EditorId RowLabel(int n) { return InRow(EditorId::RowLabel1, n); }
constexpr EditorId TitleBox(int n) { return InRow(EditorId::TitleBox1, n); }
constexpr EditorId AnswerBox(int n) { return InRow(EditorId::AnswerBox1, n); }
constexpr EditorId OtherAnswersBox(int n) { return InRow(EditorId::OtherAnswersBox1, n); }
constexpr EditorId OwnCountdownBox(int n) { return InRow(EditorId::OwnCountdownBox1, n); }
constexpr EditorId OwnPointsBox(int n) { return InRow(EditorId::OwnPointsBox1, n); }
constexpr EditorId PictureName(int n) { return InRow(EditorId::PictureName1, n); }
constexpr EditorId PictureButton(int n) { return InRow(EditorId::PictureButton1, n); }
constexpr EditorId PictureClear(int n) { return InRow(EditorId::PictureClear1, n); }
static_assert(PictureClear(config::kQuestionCount) == EditorId::PictureClear14);

enum class PreviewId : int {
#define LORNEL_ID(name) name,
  LORNEL_PREVIEW_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};
inline constexpr int kPreviewControlCount = 5;

// ChoosePicture and ClearPicture carry the row in their binding's arg.
enum class EditorSlot : std::uint8_t {
  None,
  Open,
  Save,
  Paste,
  Preview,
  Play,
  TextChanged,
  ChoosePicture,
  ClearPicture
};
enum class PreviewSlot : std::uint8_t { None, Close };

}  // namespace lornel::editor
