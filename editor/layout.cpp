// The question editor's window and its preview window. Both borrow the
// question label's size, font and word wrap from the main window's table, so
// that what the editor measures and shows is what the class sees.
#include "editor/layout.h"

#include <array>
#include <iterator>

#include "config/questions.h"
#include "editor/ids.h"
#include "quiz/main_ids.h"

namespace lornel::editor {
namespace {

using namespace ui;

// The rows are laid out by hand to read like the tables.
// clang-format off
using enum EditorId;

#define LORNEL_NAME(control) u8"" #control,
constexpr const char8_t* kNames[] = {LORNEL_EDITOR_CONTROLS(LORNEL_NAME)};
constexpr const char8_t* kPreviewNames[] = {LORNEL_PREVIEW_CONTROLS(LORNEL_NAME)};
#undef LORNEL_NAME
static_assert(std::size(kNames) == kEditorControlCount);
static_assert(std::size(kPreviewNames) == kPreviewControlCount);

constexpr int Id(EditorId id) { return static_cast<int>(id); }
#define LORNEL_ROW(control) .id = Id(control), .name = kNames[Id(control)]

constexpr Font Bold(int height) { return {"", height}; }
constexpr Colour kWhite = Hex(0xFFFFFF);
constexpr Colour kNavy = Hex(0x000080);

constexpr Row Command(EditorId id, int left, int width, const char* caption, EditorSlot slot) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .rect = {left, 8, width, 32}, .caption = caption,
          .font = Bold(16), .tabStop = true, .bindings = {{Event::Click, slot}}};
}

constexpr Row Text(EditorId id, Rect rect, const char* caption, Font font = Bold(14),
                   Colour colour = Hex(0x000000)) {
  return {LORNEL_ROW(id), .kind = Kind::Label, .rect = rect, .caption = caption, .font = font,
          .textColour = colour, .vAlign = VAlign::Middle};
}

constexpr Row Box(EditorId id, Rect rect, bool multiLine) {
  return {LORNEL_ROW(id), .kind = Kind::EditBox, .rect = rect, .font = Bold(14),
          .background = kWhite, .tabStop = true, .edge = Edge::Sunken,
          .bindings = {{Event::TextChanged, EditorSlot::TextChanged}}, .multiLine = multiLine};
}

constexpr Row Button(EditorId id, Rect rect, const char* caption, EditorSlot slot, int row) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .rect = rect, .caption = caption,
          .font = Bold(14), .tabStop = true, .bindings = {{Event::Click, slot, row}}};
}

constexpr Row Check(EditorId id, Rect rect, const char* caption) {
  return {LORNEL_ROW(id), .kind = Kind::CheckBox, .rect = rect, .caption = caption,
          .font = Bold(14), .tabStop = true,
          .bindings = {{Event::Click, EditorSlot::TextChanged}}};
}

constexpr int kFirstRowTop = 66, kRowPitch = 39;
constexpr int Top(int n) { return kFirstRowTop + (n - 1) * kRowPitch; }

// The columns, left to right; narrow boxes for the question's own seconds and points.
constexpr int kNumberLeft = 8, kNumberWidth = 60;
constexpr int kTitleLeft = 70, kTitleWidth = 328;
constexpr int kAnswerLeft = 404, kAnswerWidth = 150;
constexpr int kOtherLeft = 560, kOtherWidth = 150;
constexpr int kOwnCountdownLeft = 716, kOwnPointsLeft = 760, kOwnWidth = 40;
constexpr int kPictureLeft = 806, kPictureNameWidth = 84;
constexpr int kChooseLeft = 892, kChooseWidth = 56, kClearLeft = 950, kClearWidth = 26;

// Row n: its number, a title box of two lines with a scroll bar, the answer
// and the other answers, its own seconds and points, its picture.
#define LORNEL_QUESTION(n)                                                                  \
  Text(RowLabel##n, {kNumberLeft, Top(n) + 8, kNumberWidth, 20}, config::QuestionName(n)), \
  Box(TitleBox##n, {kTitleLeft, Top(n), kTitleWidth, 36}, true),                          \
  Box(AnswerBox##n, {kAnswerLeft, Top(n) + 5, kAnswerWidth, 26}, false),                  \
  Box(OtherAnswersBox##n, {kOtherLeft, Top(n) + 5, kOtherWidth, 26}, false),              \
  Box(OwnCountdownBox##n, {kOwnCountdownLeft, Top(n) + 5, kOwnWidth, 26}, false),         \
  Box(OwnPointsBox##n, {kOwnPointsLeft, Top(n) + 5, kOwnWidth, 26}, false),               \
  Text(PictureName##n, {kPictureLeft, Top(n) + 8, kPictureNameWidth, 20}, "", Bold(12),    \
       Hex(0x404040)),                                                                      \
  Button(PictureButton##n, {kChooseLeft, Top(n) + 5, kChooseWidth, 26}, "图片…",          \
         EditorSlot::ChoosePicture, n),                                                     \
  Button(PictureClear##n, {kClearLeft, Top(n) + 5, kClearWidth, 26}, "×",                 \
         EditorSlot::ClearPicture, n)

constexpr int kBottom = Top(config::kQuestionCount) + 36 + 5;
constexpr int kSwitchesTop = kBottom + 32;

constexpr Row kRows[] = {
    Command(OpenButton, 8, 88, "打开…", EditorSlot::Open),
    Command(SaveButton, 104, 80, "保存", EditorSlot::Save),
    Command(PasteButton, 192, 128, "从表格粘贴", EditorSlot::Paste),
    Command(PreviewButton, 328, 104, "预览本题", EditorSlot::Preview),
    Command(PlayButton, 440, 104, "开始答题", EditorSlot::Play),
    {LORNEL_ROW(PasteHint), .kind = Kind::Label, .rect = {556, 6, 420, 36},
     .caption = "从 Excel 或 WPS 表格复制“题目、答案”两列，点一下要开始的那一题，"
                "再按“从表格粘贴”。",
     .font = Bold(12), .textColour = Hex(0x606060), .wordWrap = true},
    Text(NumberHeader, {kNumberLeft, 44, kNumberWidth, 18}, "题号", Bold(14), kNavy),
    Text(TitleHeader, {kTitleLeft, 44, kTitleWidth, 18}, "题目（课堂上显示的文字）", Bold(14),
         kNavy),
    Text(AnswerHeader, {kAnswerLeft, 44, kAnswerWidth, 18}, "答案（学生要输入的）", Bold(14),
         kNavy),
    Text(OtherAnswersHeader, {kOtherLeft, 44, kOtherWidth, 18}, "其他答案（| 隔开）",
         Bold(14), kNavy),
    Text(OwnCountdownHeader, {kOwnCountdownLeft, 44, kOwnWidth, 18}, "秒数", Bold(14), kNavy),
    Text(OwnPointsHeader, {kOwnPointsLeft, 44, kOwnWidth, 18}, "得分", Bold(14), kNavy),
    Text(PictureHeader, {kPictureLeft, 44, kClearLeft + kClearWidth - kPictureLeft, 18}, "图片",
         Bold(14), kNavy),
    LORNEL_QUESTION(1), LORNEL_QUESTION(2), LORNEL_QUESTION(3), LORNEL_QUESTION(4),
    LORNEL_QUESTION(5), LORNEL_QUESTION(6), LORNEL_QUESTION(7), LORNEL_QUESTION(8),
    LORNEL_QUESTION(9), LORNEL_QUESTION(10), LORNEL_QUESTION(11), LORNEL_QUESTION(12),
    LORNEL_QUESTION(13), LORNEL_QUESTION(14),
    Text(CountdownLabel, {8, kBottom + 3, 110, 20}, "倒计时（秒）："),
    Box(CountdownBox, {118, kBottom, 56, 26}, false),
    Text(PointsLabel, {190, kBottom + 3, 110, 20}, "答对一题得分："),
    Box(PointsBox, {300, kBottom, 56, 26}, false),
    Text(CountdownNote, {370, kBottom + 3, 606, 20},
         "填 0 表示不倒计时。每题的秒数、得分空着时，用这里的值。", Bold(14), Hex(0x606060)),
    Check(PinyinCheck, {8, kSwitchesTop, 222, 24}, "学生可以用拼音回答汉字答案"),
    Check(LenientCheck, {236, kSwitchesTop, 292, 24}, "比较时忽略全角半角、空格和首尾标点"),
    Check(SoundCheck, {534, kSwitchesTop, 262, 24}, "答对、答错和最后五秒时播放声音"),
    // Never shown: the question label's twin, for measuring titles.
    {LORNEL_ROW(MeasureLabel), .kind = Kind::Label, .visible = false},
};
#undef LORNEL_QUESTION
#undef LORNEL_ROW
static_assert(std::size(kRows) == kEditorControlCount);
static_assert(IdsMatchOrder(kRows));

constexpr int Pid(PreviewId id) { return static_cast<int>(id); }
#define LORNEL_ROW(control) .id = Pid(PreviewId::control), .name = kPreviewNames[Pid(PreviewId::control)]

constexpr Row kPreviewRows[] = {
    {LORNEL_ROW(QuestionPanel), .kind = Kind::GroupBox, .rect = {24, 16, 1152, 248}},
    {LORNEL_ROW(QuestionLabel), .kind = Kind::Label, .parent = Pid(PreviewId::QuestionPanel)},
    {LORNEL_ROW(FitNote), .kind = Kind::Label, .rect = {24, 272, 980, 28}, .font = Bold(18),
     .wordWrap = true},
    // How the answer can be typed: "北京 → beijing".
    {LORNEL_ROW(AnswerNote), .kind = Kind::Label, .rect = {24, 304, 980, 28}, .font = Bold(18),
     .textColour = Hex(0x000080), .wordWrap = true},
    {LORNEL_ROW(CloseButton), .kind = Kind::Button, .rect = {1040, 284, 136, 44},
     .caption = "关闭", .font = Bold(20), .tabStop = true,
     .bindings = {{Event::Click, PreviewSlot::Close}}},
};
#undef LORNEL_ROW
static_assert(IdsMatchOrder(kPreviewRows));

// The label of question 1 and its panel in the main window (all fourteen are alike).
Row AsQuestionLabel(Row row) {
  const Row& main = quiz::MainTable()[static_cast<int>(quiz::MainId::QuestionLabel1)];
  row.rect = main.rect;
  row.font = main.font;
  row.textColour = main.textColour;
  row.background = main.background;
  row.hAlign = main.hAlign;
  row.vAlign = main.vAlign;
  row.wordWrap = main.wordWrap;
  row.edge = main.edge;
  return row;
}

// clang-format on
}  // namespace

const Table& EditorTable() {
  static const auto rows = [] {
    std::array<Row, std::size(kRows)> r;
    std::copy(std::begin(kRows), std::end(kRows), r.begin());
    Row& measure = r[static_cast<std::size_t>(Id(MeasureLabel))];
    measure = AsQuestionLabel(measure);
    measure.rect.left = measure.rect.top = 0;
    return r;
  }();
  static const Table table{.window = {.caption = "Lornel 题目编辑器",
                                      .outerWidth = 1000,
                                      .outerHeight = 712,
                                      .minimizeBox = true,
                                      .icon = true},
                           .rows = rows};
  return table;
}

const Table& PreviewTable() {
  static const auto rows = [] {
    std::array<Row, std::size(kPreviewRows)> r;
    std::copy(std::begin(kPreviewRows), std::end(kPreviewRows), r.begin());
    const Row& mainPanel = quiz::MainTable()[static_cast<int>(quiz::MainId::QuestionPanel1)];
    Row& panel = r[static_cast<std::size_t>(Pid(PreviewId::QuestionPanel))];
    panel.rect.width = mainPanel.rect.width;
    panel.rect.height = mainPanel.rect.height;
    panel.font = mainPanel.font;
    panel.textColour = mainPanel.textColour;
    Row& label = r[static_cast<std::size_t>(Pid(PreviewId::QuestionLabel))];
    label = AsQuestionLabel(label);
    return r;
  }();
  static const Table table{
      .window = {.caption = "预览", .outerWidth = 1203, .outerHeight = 368, .icon = true},
      .rows = rows};
  return table;
}

}  // namespace lornel::editor
