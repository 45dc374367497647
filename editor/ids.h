// The question editor's controls in table order (the order is also the order
// of the Tab key), those of its preview window, and the handlers of each.
#pragma once

#include <cstdint>

#include "config/questions.h"

// clang-format off
#define LORNEL_EDITOR_ROW(X, n) X(RowLabel##n) X(TitleBox##n) X(KindButton##n) X(AnswerBox##n) \
  X(OtherAnswersBox##n) X(OwnCountdownBox##n) X(OwnPointsBox##n) X(WayButton##n) \
  X(PictureName##n) X(PictureButton##n) X(PictureClear##n)
#define LORNEL_EDITOR_OPTION(X, i) X(OptionLetter##i) X(OptionBox##i)
#define LORNEL_EDITOR_KEY(X, g) X(BuzzKeyGroup##g) X(BuzzKeyBox##g)
#define LORNEL_EDITOR_CONTROLS(X) \
  X(OpenButton) X(SaveButton) X(PasteButton) X(PreviewButton) X(PlayButton) X(PasteHint) \
  X(NumberHeader) X(TitleHeader) X(KindHeader) X(AnswerHeader) X(OtherAnswersHeader) \
  X(OwnCountdownHeader) X(OwnPointsHeader) X(WayHeader) X(PictureHeader) \
  LORNEL_EDITOR_ROW(X, 1) LORNEL_EDITOR_ROW(X, 2) LORNEL_EDITOR_ROW(X, 3) \
  LORNEL_EDITOR_ROW(X, 4) LORNEL_EDITOR_ROW(X, 5) LORNEL_EDITOR_ROW(X, 6) \
  LORNEL_EDITOR_ROW(X, 7) LORNEL_EDITOR_ROW(X, 8) LORNEL_EDITOR_ROW(X, 9) \
  LORNEL_EDITOR_ROW(X, 10) LORNEL_EDITOR_ROW(X, 11) LORNEL_EDITOR_ROW(X, 12) \
  LORNEL_EDITOR_ROW(X, 13) LORNEL_EDITOR_ROW(X, 14) /* one per config::kQuestionCount */ \
  X(OptionsLabel) LORNEL_EDITOR_OPTION(X, 1) LORNEL_EDITOR_OPTION(X, 2) \
  LORNEL_EDITOR_OPTION(X, 3) LORNEL_EDITOR_OPTION(X, 4) LORNEL_EDITOR_OPTION(X, 5) \
  LORNEL_EDITOR_OPTION(X, 6) X(OptionsNote) \
  X(CountdownLabel) X(CountdownBox) X(PointsLabel) X(PointsBox) X(GroupCountLabel) \
  X(GroupCountBox) X(RandomGroupCheck) X(CountdownNote) \
  X(DefaultWayLabel) X(DefaultWayButton) X(BuzzSecondsLabel) X(BuzzSecondsBox) \
  X(FoulPenaltyLabel) X(FoulPenaltyBox) X(WrongPenaltyLabel) X(WrongPenaltyBox) \
  X(BuzzKeysLabel) LORNEL_EDITOR_KEY(X, 1) LORNEL_EDITOR_KEY(X, 2) LORNEL_EDITOR_KEY(X, 3) \
  LORNEL_EDITOR_KEY(X, 4) LORNEL_EDITOR_KEY(X, 5) LORNEL_EDITOR_KEY(X, 6) \
  X(PinyinCheck) X(LenientCheck) X(SoundCheck) X(MeasureLabel) \
  X(OptionMeasure2) X(OptionMeasure3) X(OptionMeasure4) X(OptionMeasure5) X(OptionMeasure6)
#define LORNEL_PREVIEW_CONTROLS(X) \
  X(QuestionPanel) X(QuestionLabel) X(AnswerArea) X(CheckButton) X(OptionButton1) \
  X(OptionButton2) X(OptionButton3) X(OptionButton4) X(OptionButton5) X(OptionButton6) \
  X(AnswerBox) X(AnswerBoxCaption) X(FitNote) X(OptionsNote) X(AnswerNote) X(CloseButton)
// The items of the menus of a row's 题型 and 方式 buttons and of the default way's.
#define LORNEL_EDITOR_COMMANDS(X) \
  X(KindTyped) X(KindChoice) X(KindTrueFalse) X(WayDefault) X(WayAssigned) X(WayBuzz) \
  X(WayEveryone)
// clang-format on

namespace lornel::editor {

#define LORNEL_ID(name) name,
#define LORNEL_COUNT(name) +1
enum class EditorId : int { LORNEL_EDITOR_CONTROLS(LORNEL_ID) };
inline constexpr int kEditorControlCount = 0 LORNEL_EDITOR_CONTROLS(LORNEL_COUNT);
enum class PreviewId : int { LORNEL_PREVIEW_CONTROLS(LORNEL_ID) };
inline constexpr int kPreviewControlCount = 0 LORNEL_PREVIEW_CONTROLS(LORNEL_COUNT);
enum class EditorCommand : int { LORNEL_EDITOR_COMMANDS(LORNEL_ID) };
inline constexpr int kEditorCommandCount = 0 LORNEL_EDITOR_COMMANDS(LORNEL_COUNT);
#undef LORNEL_COUNT
#undef LORNEL_ID

inline constexpr int kRowControls = 11;
inline constexpr int kOptionCount = 6;  // A to F

// Row n (1..kQuestionCount) of the editor: its number label, its boxes, the
// buttons of its kind and its way, the name of its picture and the buttons
// that choose and remove it.
constexpr EditorId InRow(EditorId first, int n) {
  return EditorId(int(first) + kRowControls * (n - 1));
}
constexpr EditorId RowLabel(int n) { return InRow(EditorId::RowLabel1, n); }
constexpr EditorId TitleBox(int n) { return InRow(EditorId::TitleBox1, n); }
constexpr EditorId KindButton(int n) { return InRow(EditorId::KindButton1, n); }
constexpr EditorId AnswerBox(int n) { return InRow(EditorId::AnswerBox1, n); }
constexpr EditorId OtherAnswersBox(int n) { return InRow(EditorId::OtherAnswersBox1, n); }
constexpr EditorId OwnCountdownBox(int n) { return InRow(EditorId::OwnCountdownBox1, n); }
constexpr EditorId OwnPointsBox(int n) { return InRow(EditorId::OwnPointsBox1, n); }
constexpr EditorId WayButton(int n) { return InRow(EditorId::WayButton1, n); }
constexpr EditorId PictureName(int n) { return InRow(EditorId::PictureName1, n); }
constexpr EditorId PictureButton(int n) { return InRow(EditorId::PictureButton1, n); }
constexpr EditorId PictureClear(int n) { return InRow(EditorId::PictureClear1, n); }
static_assert(PictureClear(config::kQuestionCount) == EditorId::PictureClear14);

// Option i (1..6, A to F) of the row whose options are shown, and buzz-in's key of group g.
constexpr EditorId OptionLetter(int i) {
  return EditorId(int(EditorId::OptionLetter1) + 2 * (i - 1));
}
constexpr EditorId OptionBox(int i) { return EditorId(int(EditorId::OptionBox1) + 2 * (i - 1)); }
constexpr EditorId BuzzKeyGroup(int g) {
  return EditorId(int(EditorId::BuzzKeyGroup1) + 2 * (g - 1));
}
constexpr EditorId BuzzKeyBox(int g) { return EditorId(int(EditorId::BuzzKeyBox1) + 2 * (g - 1)); }
static_assert(OptionBox(kOptionCount) == EditorId::OptionBox6);
static_assert(BuzzKeyBox(config::kGroupCount) == EditorId::BuzzKeyBox6);
// The hidden label that measures a caption in a button of a question with count options.
constexpr EditorId OptionMeasure(int count) {
  return EditorId(int(EditorId::OptionMeasure2) + count - 2);
}
static_assert(OptionMeasure(kOptionCount) == EditorId::OptionMeasure6);

constexpr PreviewId OptionButton(int i) { return PreviewId(int(PreviewId::OptionButton1) + i - 1); }
static_assert(OptionButton(kOptionCount) == PreviewId::OptionButton6);

// The editor's popup menus; 0 is the system menu (ui/commands.h).
enum class EditorMenu : int { System, Kind, Way, DefaultWay };

// ChoosePicture, ClearPicture, ChooseKind and ChooseWay carry the row in
// their binding's arg (ChooseWay 0: the default way), and so do the menu
// items that KindChosen and WayChosen answer.
enum class EditorSlot : std::uint8_t {
  None,
  Open,
  Save,
  Paste,
  Preview,
  Play,
  TextChanged,
  ChoosePicture,
  ClearPicture,
  RowFocused,
  OptionsEdited,
  ChooseKind,
  ChooseWay,
  KindChosen,
  WayChosen
};
enum class PreviewSlot : std::uint8_t { None, Close };

}  // namespace lornel::editor
