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

constexpr int kFirstRowTop = 68, kRowPitch = 40;

// Row n: its number, a title box of two lines with a scroll bar, an answer box.
#define LORNEL_QUESTION(n)                                                              \
  Text(RowLabel##n, {8, kFirstRowTop + ((n) - 1) * kRowPitch + 8, 62, 20},              \
       config::QuestionName(n)),                                                             \
  Box(TitleBox##n, {72, kFirstRowTop + ((n) - 1) * kRowPitch, 600, 36}, true),         \
  Box(AnswerBox##n, {680, kFirstRowTop + ((n) - 1) * kRowPitch + 5, 300, 26}, false)

constexpr int kBottom = kFirstRowTop + config::kQuestionCount * kRowPitch + 4;

constexpr Row kRows[] = {
    Command(OpenButton, 8, 88, "打开…", EditorSlot::Open),
    Command(SaveButton, 104, 80, "保存", EditorSlot::Save),
    Command(PasteButton, 192, 128, "从表格粘贴", EditorSlot::Paste),
    Command(PreviewButton, 328, 104, "预览本题", EditorSlot::Preview),
    Command(PlayButton, 440, 104, "开始答题", EditorSlot::Play),
    {LORNEL_ROW(PasteHint), .kind = Kind::Label, .rect = {556, 6, 424, 36},
     .caption = "从 Excel 或 WPS 表格复制“题目、答案”两列，点一下要开始的那一题，"
                "再按“从表格粘贴”。",
     .font = Bold(12), .textColour = Hex(0x606060), .wordWrap = true},
    Text(NumberHeader, {8, 46, 62, 18}, "题号", Bold(14), kNavy),
    Text(TitleHeader, {72, 46, 600, 18}, "题目（课堂上显示的文字）", Bold(14), kNavy),
    Text(AnswerHeader, {680, 46, 300, 18}, "答案（学生要输入的内容）", Bold(14), kNavy),
    LORNEL_QUESTION(1), LORNEL_QUESTION(2), LORNEL_QUESTION(3), LORNEL_QUESTION(4),
    LORNEL_QUESTION(5), LORNEL_QUESTION(6), LORNEL_QUESTION(7), LORNEL_QUESTION(8),
    LORNEL_QUESTION(9), LORNEL_QUESTION(10), LORNEL_QUESTION(11), LORNEL_QUESTION(12),
    LORNEL_QUESTION(13), LORNEL_QUESTION(14),
    Text(CountdownLabel, {8, kBottom + 3, 120, 20}, "倒计时（秒）："),
    Box(CountdownBox, {128, kBottom, 72, 26}, false),
    Text(CountdownNote, {208, kBottom + 3, 200, 20}, "填 0 表示不倒计时", Bold(14),
         Hex(0x606060)),
    Text(PointsLabel, {430, kBottom + 3, 120, 20}, "答对一题得分："),
    Box(PointsBox, {550, kBottom, 72, 26}, false),
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
    {LORNEL_ROW(FitNote), .kind = Kind::Label, .rect = {24, 276, 980, 56}, .font = Bold(18),
     .wordWrap = true},
    {LORNEL_ROW(CloseButton), .kind = Kind::Button, .rect = {1040, 284, 136, 44},
     .caption = "关闭", .font = Bold(20), .tabStop = true,
     .bindings = {{Event::Click, PreviewSlot::Close}}},
};
#undef LORNEL_ROW
static_assert(IdsMatchOrder(kPreviewRows));

// The label of question 1 and its panel in the main window (all fourteen are alike).
Row AsQuestionLabel(Row row) {
  const Row& main = quiz::MainTable()[static_cast<int>(quiz::MainId::标签1)];
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
                                      .outerHeight = 706,
                                      .minimizeBox = true,
                                      .icon = true},
                           .rows = rows};
  return table;
}

const Table& PreviewTable() {
  static const auto rows = [] {
    std::array<Row, std::size(kPreviewRows)> r;
    std::copy(std::begin(kPreviewRows), std::end(kPreviewRows), r.begin());
    const Row& mainPanel = quiz::MainTable()[static_cast<int>(quiz::MainId::分组框7)];
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
