// The question editor's window and its preview window. Both borrow the
// question label's size, font and word wrap from the main window's table, so
// that what the editor measures and shows is what the class sees.
#include "editor/layout.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>

#include "config/question_kinds.h"
#include "config/questions.h"
#include "editor/ids.h"
#include "editor/option_buttons.h"
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

constexpr Row Picker(EditorId id, Rect rect, EditorSlot slot, int row) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .rect = rect, .font = Bold(14), .tabStop = true,
          .bindings = {{Event::Click, slot, row}}};
}

constexpr int kFirstRowTop = 64, kRowPitch = 35;
constexpr int Top(int n) { return kFirstRowTop + (n - 1) * kRowPitch; }

// The columns, left to right; narrow boxes for the question's own seconds and points.
constexpr int kNumberLeft = 8, kNumberWidth = 60;
constexpr int kTitleLeft = 70, kTitleWidth = 304;
constexpr int kKindLeft = 378, kPickerWidth = 48;
constexpr int kAnswerLeft = 430, kAnswerWidth = 128;
constexpr int kOtherLeft = 562, kOtherWidth = 128;
constexpr int kOwnCountdownLeft = 694, kOwnPointsLeft = 736, kOwnWidth = 38;
constexpr int kWayLeft = 778;
constexpr int kPictureLeft = 830, kPictureNameWidth = 70;
constexpr int kChooseLeft = 902, kChooseWidth = 56, kClearLeft = 960, kClearWidth = 26;

// A row's boxes and the focus event that shows the row's options below.
constexpr Row RowBox(EditorId id, Rect rect, bool multiLine) {
  Row row = Box(id, rect, multiLine);
  row.bindings[1] = {Event::Focused, EditorSlot::RowFocused};
  return row;
}

// Row n: its number, a title box with a scroll bar, its kind, the answer and
// the other answers, its own seconds and points, its way, its picture.
#define LORNEL_QUESTION(n)                                                                     \
  Text(RowLabel##n, {kNumberLeft, Top(n) + 6, kNumberWidth, 20}, config::QuestionName(n)),    \
  RowBox(TitleBox##n, {kTitleLeft, Top(n), kTitleWidth, 32}, true),                           \
  Picker(KindButton##n, {kKindLeft, Top(n) + 3, kPickerWidth, 26}, EditorSlot::ChooseKind, n), \
  RowBox(AnswerBox##n, {kAnswerLeft, Top(n) + 3, kAnswerWidth, 26}, false),                   \
  RowBox(OtherAnswersBox##n, {kOtherLeft, Top(n) + 3, kOtherWidth, 26}, false),               \
  RowBox(OwnCountdownBox##n, {kOwnCountdownLeft, Top(n) + 3, kOwnWidth, 26}, false),          \
  RowBox(OwnPointsBox##n, {kOwnPointsLeft, Top(n) + 3, kOwnWidth, 26}, false),                \
  Picker(WayButton##n, {kWayLeft, Top(n) + 3, kPickerWidth, 26}, EditorSlot::ChooseWay, n),   \
  Text(PictureName##n, {kPictureLeft, Top(n) + 6, kPictureNameWidth, 20}, "", Bold(12),        \
       Hex(0x404040)),                                                                         \
  Button(PictureButton##n, {kChooseLeft, Top(n) + 3, kChooseWidth, 26}, "图片…",             \
         EditorSlot::ChoosePicture, n),                                                        \
  Button(PictureClear##n, {kClearLeft, Top(n) + 3, kClearWidth, 26}, "×",                    \
         EditorSlot::ClearPicture, n)

// Below the rows, a line each: the options of the row last worked on, the
// countdown, points and groups, buzz-in's values and keys, the switches.
constexpr int kOptionsTop = Top(config::kQuestionCount) + 37;
constexpr int kCountdownTop = kOptionsTop + 32;
constexpr int kBuzzTop = kCountdownTop + 32;
constexpr int kSwitchesTop = kBuzzTop + 32;
constexpr int kOptionsLeft = 122, kOptionPitch = 144;

#define LORNEL_OPTION(i, letter)                                                            \
  Text(OptionLetter##i, {kOptionsLeft + (i - 1) * kOptionPitch, kOptionsTop + 3, 16, 20}, letter, \
       Bold(14), kNavy),                                                                      \
  {LORNEL_ROW(OptionBox##i), .kind = Kind::EditBox,                                           \
   .rect = {kOptionsLeft + (i - 1) * kOptionPitch + 16, kOptionsTop, 122, 26},                \
   .font = Bold(14), .background = kWhite, .tabStop = true, .edge = Edge::Sunken,             \
   .bindings = {{Event::TextChanged, EditorSlot::OptionsEdited}}}

#define LORNEL_KEY(g, name)                                                        \
  Text(BuzzKeyGroup##g, {622 + (g - 1) * 62, kBuzzTop + 3, 16, 20}, name),         \
  Box(BuzzKeyBox##g, {638 + (g - 1) * 62, kBuzzTop, 40, 26}, false)

constexpr Row kRows[] = {
    Command(OpenButton, 8, 88, "打开…", EditorSlot::Open),
    Command(SaveButton, 104, 80, "保存", EditorSlot::Save),
    Command(PasteButton, 192, 128, "从表格粘贴", EditorSlot::Paste),
    Command(PreviewButton, 328, 104, "预览本题", EditorSlot::Preview),
    Command(PlayButton, 440, 104, "开始答题", EditorSlot::Play),
    {LORNEL_ROW(PasteHint), .kind = Kind::Label, .rect = {556, 4, 436, 38},
     .caption = "从 Excel 或 WPS 表格复制“题目、答案”两列（选择题接着是“选项A”到“选项F”），"
                "点一下要开始的那一题，再按“从表格粘贴”。",
     .font = Bold(12), .textColour = Hex(0x606060), .wordWrap = true},
    Text(NumberHeader, {kNumberLeft, 44, kNumberWidth, 18}, "题号", Bold(14), kNavy),
    Text(TitleHeader, {kTitleLeft, 44, kTitleWidth, 18}, "题目（课堂上显示的文字）", Bold(14),
         kNavy),
    Text(KindHeader, {kKindLeft, 44, kPickerWidth, 18}, "题型", Bold(14), kNavy),
    Text(AnswerHeader, {kAnswerLeft, 44, kAnswerWidth, 18}, "答案", Bold(14), kNavy),
    Text(OtherAnswersHeader, {kOtherLeft, 44, kOtherWidth, 18}, "其他答案(|隔开)",
         Bold(14), kNavy),
    Text(OwnCountdownHeader, {kOwnCountdownLeft, 44, kOwnWidth, 18}, "秒数", Bold(14), kNavy),
    Text(OwnPointsHeader, {kOwnPointsLeft, 44, kOwnWidth, 18}, "得分", Bold(14), kNavy),
    Text(WayHeader, {kWayLeft, 44, kPickerWidth, 18}, "方式", Bold(14), kNavy),
    Text(PictureHeader, {kPictureLeft, 44, kClearLeft + kClearWidth - kPictureLeft, 18}, "图片",
         Bold(14), kNavy),
    LORNEL_QUESTION(1), LORNEL_QUESTION(2), LORNEL_QUESTION(3), LORNEL_QUESTION(4),
    LORNEL_QUESTION(5), LORNEL_QUESTION(6), LORNEL_QUESTION(7), LORNEL_QUESTION(8),
    LORNEL_QUESTION(9), LORNEL_QUESTION(10), LORNEL_QUESTION(11), LORNEL_QUESTION(12),
    LORNEL_QUESTION(13), LORNEL_QUESTION(14),
    Text(OptionsLabel, {8, kOptionsTop + 3, 112, 20}, "", Bold(14), kNavy),
    LORNEL_OPTION(1, "A"), LORNEL_OPTION(2, "B"), LORNEL_OPTION(3, "C"), LORNEL_OPTION(4, "D"),
    LORNEL_OPTION(5, "E"), LORNEL_OPTION(6, "F"),
    // In the options' place when the row is no choice question.
    Text(OptionsNote, {kOptionsLeft, kOptionsTop + 3, 6 * kOptionPitch - 6, 20}, "", Bold(14),
         Hex(0x606060)),
    Text(CountdownLabel, {8, kCountdownTop + 3, 110, 20}, "倒计时（秒）："),
    Box(CountdownBox, {118, kCountdownTop, 50, 26}, false),
    Text(PointsLabel, {180, kCountdownTop + 3, 110, 20}, "答对一题得分："),
    Box(PointsBox, {290, kCountdownTop, 50, 26}, false),
    Text(GroupCountLabel, {352, kCountdownTop + 3, 92, 20}, "组数（1~6）："),
    Box(GroupCountBox, {444, kCountdownTop, 36, 26}, false),
    Check(RandomGroupCheck, {492, kCountdownTop + 1, 200, 24}, "选组时显示“随机”按钮"),
    Text(CountdownNote, {700, kCountdownTop + 4, 292, 20},
         "0 不倒计时；每题秒数、得分空着就用这里的", Bold(12), Hex(0x606060)),
    Text(DefaultWayLabel, {8, kBuzzTop + 3, 98, 20}, "默认答题方式："),
    Picker(DefaultWayButton, {106, kBuzzTop, kPickerWidth, 26}, EditorSlot::ChooseWay, 0),
    Text(BuzzSecondsLabel, {164, kBuzzTop + 3, 112, 20}, "抢答时间（秒）："),
    Box(BuzzSecondsBox, {276, kBuzzTop, 40, 26}, false),
    Text(FoulPenaltyLabel, {326, kBuzzTop + 3, 70, 20}, "犯规扣分："),
    Box(FoulPenaltyBox, {396, kBuzzTop, 40, 26}, false),
    Text(WrongPenaltyLabel, {446, kBuzzTop + 3, 70, 20}, "答错扣分："),
    Box(WrongPenaltyBox, {516, kBuzzTop, 40, 26}, false),
    Text(BuzzKeysLabel, {566, kBuzzTop + 3, 56, 20}, "抢答键："),
    LORNEL_KEY(1, "一"), LORNEL_KEY(2, "二"), LORNEL_KEY(3, "三"), LORNEL_KEY(4, "四"),
    LORNEL_KEY(5, "五"), LORNEL_KEY(6, "六"),
    Check(PinyinCheck, {8, kSwitchesTop, 222, 24}, "学生可以用拼音回答汉字答案"),
    Check(LenientCheck, {236, kSwitchesTop, 292, 24}, "比较时忽略全角半角、空格和首尾标点"),
    Check(SoundCheck, {534, kSwitchesTop, 262, 24}, "答对、答错和最后五秒时播放声音"),
    // Never shown: the question label's twin, for measuring titles, and the
    // board's option button for each number of options (EditorTable copies them).
    {LORNEL_ROW(MeasureLabel), .kind = Kind::Label, .visible = false},
    {LORNEL_ROW(OptionMeasure2), .kind = Kind::OptionButton, .visible = false},
    {LORNEL_ROW(OptionMeasure3), .kind = Kind::OptionButton, .visible = false},
    {LORNEL_ROW(OptionMeasure4), .kind = Kind::OptionButton, .visible = false},
    {LORNEL_ROW(OptionMeasure5), .kind = Kind::OptionButton, .visible = false},
    {LORNEL_ROW(OptionMeasure6), .kind = Kind::OptionButton, .visible = false},
};
#undef LORNEL_KEY
#undef LORNEL_OPTION
#undef LORNEL_QUESTION
#undef LORNEL_ROW
static_assert(std::size(kRows) == kEditorControlCount);
static_assert(IdsMatchOrder(kRows));

// The items of the 题型 and 方式 buttons' menus, each with its check mark.
constexpr ui::Command Item(EditorCommand id, const char8_t* name, const char* text, EditorSlot slot,
                       Menus menus) {
  return {.id = int(id), .name = name, .text = text, .binding = {Event::Command, slot},
          .menus = menus, .checkable = true};
}
#define LORNEL_ITEM(command, text, slot, menus) \
  Item(EditorCommand::command, u8"" #command, text, EditorSlot::slot, menus)
constexpr Menus kWayMenus = Menus(EditorMenu::Way) | Menus(EditorMenu::DefaultWay);
constexpr ui::Command kCommands[] = {
    LORNEL_ITEM(KindTyped, "填空题：学生输入答案", KindChosen, EditorMenu::Kind),
    LORNEL_ITEM(KindChoice, "选择题：点选项作答，答案填字母", KindChosen, EditorMenu::Kind),
    LORNEL_ITEM(KindTrueFalse, "判断题：答案填“对”或“错”", KindChosen, EditorMenu::Kind),
    LORNEL_ITEM(WayDefault, "按默认", WayChosen, EditorMenu::Way),
    LORNEL_ITEM(WayAssigned, "指定：老师选出答题的组", WayChosen, kWayMenus),
    LORNEL_ITEM(WayBuzz, "抢答：各组按键抢答", WayChosen, kWayMenus),
    LORNEL_ITEM(WayEveryone, "全体：各组同时作答，老师判分", WayChosen, kWayMenus),
};
#undef LORNEL_ITEM
static_assert(std::size(kCommands) == kEditorCommandCount);
static_assert(CommandIdsMatchOrder(kCommands));

constexpr int Pid(PreviewId id) { return static_cast<int>(id); }
#define LORNEL_ROW(control) .id = Pid(PreviewId::control), .name = kPreviewNames[Pid(PreviewId::control)]
#define LORNEL_ROW_OF(id) .id = Pid(id), .name = kPreviewNames[Pid(id)]

// The question panel as the main window has it; under it, where the main
// window's answer panel lies, the option buttons of a choice or true/false
// question (PreviewTable copies the board's); then the notes.
constexpr int kNotesTop = 272, kOptionsNotesTop = 560;
constexpr Row OptionButtonRow(PreviewId id) {
  return {LORNEL_ROW_OF(id), .kind = Kind::OptionButton, .parent = Pid(PreviewId::AnswerArea),
          .visible = false};
}
constexpr Row Note(PreviewId id, int top, Colour colour = Hex(0x000000)) {
  return {LORNEL_ROW_OF(id), .kind = Kind::Label, .rect = {24, top, 980, 28}, .font = Bold(18),
          .textColour = colour, .wordWrap = true};
}

constexpr Row kPreviewRows[] = {
    {LORNEL_ROW(QuestionPanel), .kind = Kind::GroupBox, .rect = {24, 16, 1152, 248}},
    {LORNEL_ROW(QuestionLabel), .kind = Kind::Label, .parent = Pid(PreviewId::QuestionPanel)},
    {LORNEL_ROW(AnswerArea), .kind = Kind::GroupBox, .visible = false},
    // The answer panel's box and button above the options (PreviewTable copies them).
    {LORNEL_ROW(CheckButton), .parent = Pid(PreviewId::AnswerArea)},
    OptionButtonRow(PreviewId::OptionButton1), OptionButtonRow(PreviewId::OptionButton2),
    OptionButtonRow(PreviewId::OptionButton3), OptionButtonRow(PreviewId::OptionButton4),
    OptionButtonRow(PreviewId::OptionButton5), OptionButtonRow(PreviewId::OptionButton6),
    {LORNEL_ROW(AnswerBox), .parent = Pid(PreviewId::AnswerArea)},
    {LORNEL_ROW(AnswerBoxCaption), .parent = Pid(PreviewId::AnswerArea)},
    Note(PreviewId::FitNote, kNotesTop),
    // Whether the options show whole, or why the question is played as typed.
    Note(PreviewId::OptionsNote, kNotesTop + 32),
    // How the answer can be typed: "北京 → beijing".
    Note(PreviewId::AnswerNote, kNotesTop + 32, Hex(0x000080)),
    {LORNEL_ROW(CloseButton), .kind = Kind::Button, .rect = {1040, kNotesTop + 12, 136, 44},
     .caption = "关闭", .font = Bold(20), .tabStop = true,
     .bindings = {{Event::Click, PreviewSlot::Close}}},
};
#undef LORNEL_ROW_OF
#undef LORNEL_ROW
static_assert(std::size(kPreviewRows) == kPreviewControlCount);
static_assert(IdsMatchOrder(kPreviewRows));

// A control of the main window's answer panel as it looks, idle: no events,
// no focus, a button greyed as before an answer (an option button never is).
Row Copied(const Row& main, Row row) {
  const int id = row.id, parent = row.parent;
  const char8_t* name = row.name;
  row = main;
  row.id = id;
  row.name = name;
  row.parent = parent;
  row.bindings = {};
  row.tabStop = false;
  row.enabled = row.kind != Kind::Button;
  return row;
}

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
    for (int count = config::kMinOptions; count <= config::kMaxOptions; ++count) {
      Row& option = r[static_cast<std::size_t>(Id(OptionMeasure(count)))];
      const Row& board = *BoardOptionRows(count).front();
      option.rect = {0, 0, board.rect.width, board.rect.height};
      option.font = board.font;
    }
    return r;
  }();
  static const Table table{.window = {.caption = "Lornel 题目编辑器",
                                      .outerWidth = 1016,
                                      .outerHeight = 728,
                                      .minimizeBox = true,
                                      .icon = true},
                           .rows = rows,
                           .commands = kCommands};
  return table;
}

const Table& PreviewTable(int options) {
  struct Built {
    std::array<Row, std::size(kPreviewRows)> rows;
    Table table;
  };
  static std::array<std::unique_ptr<Built>, kOptionCount + 1> built;
  options = std::clamp(options, 0, kOptionCount);
  std::unique_ptr<Built>& b = built[static_cast<std::size_t>(options)];
  if (b) return b->table;
  b = std::make_unique<Built>();
  auto& r = b->rows;
  std::copy(std::begin(kPreviewRows), std::end(kPreviewRows), r.begin());
  auto row = [&](PreviewId id) -> Row& { return r[static_cast<std::size_t>(Pid(id))]; };
  const Table& main = quiz::MainTable();
  const Row& mainPanel = main[static_cast<int>(quiz::MainId::QuestionPanel1)];
  Row& panel = row(PreviewId::QuestionPanel);
  panel.rect.width = mainPanel.rect.width;
  panel.rect.height = mainPanel.rect.height;
  panel.font = mainPanel.font;
  panel.textColour = mainPanel.textColour;
  row(PreviewId::QuestionLabel) = AsQuestionLabel(row(PreviewId::QuestionLabel));
  int height = 368;
  if (options > 0) {
    // Where the answer panel lies from the question panel in the main window.
    const Rect answer = main[static_cast<int>(quiz::MainId::AnswerPanel)].rect;
    row(PreviewId::AnswerArea).rect = {panel.rect.left + answer.left - mainPanel.rect.left,
                                       panel.rect.top + answer.top - mainPanel.rect.top,
                                       answer.width, answer.height};
    row(PreviewId::AnswerArea).visible = true;
    for (const auto [id, mainId] : {std::pair{PreviewId::CheckButton, quiz::MainId::CheckButton},
                                    {PreviewId::AnswerBox, quiz::MainId::AnswerBox},
                                    {PreviewId::AnswerBoxCaption, quiz::MainId::AnswerBoxCaption}})
      row(id) = Copied(main[static_cast<int>(mainId)], row(id));
    const std::vector<const Row*> board = BoardOptionRows(options);
    for (std::size_t i = 0; i < board.size(); ++i) {
      Row& button = row(OptionButton(int(i) + 1));
      button = Copied(*board[i], button);
      button.visible = true;
    }
    const int down = kOptionsNotesTop - kNotesTop;
    for (PreviewId id : {PreviewId::FitNote, PreviewId::OptionsNote, PreviewId::AnswerNote,
                         PreviewId::CloseButton})
      row(id).rect.top += down;
    row(PreviewId::AnswerNote).rect.top += 32;
    height += down + 32;
  } else {
    for (PreviewId id : {PreviewId::OptionsNote, PreviewId::CheckButton, PreviewId::AnswerBox,
                         PreviewId::AnswerBoxCaption})
      row(id).visible = false;
  }
  b->table = {
      .window = {.caption = "预览", .outerWidth = 1203, .outerHeight = height, .icon = true},
      .rows = b->rows};
  return b->table;
}

}  // namespace lornel::editor
