// The main window's control table: 132 rows in table order, so that each
// control lies above every later sibling.
#include <iterator>

#include "config/questions.h"
#include "quiz/main_ids.h"

namespace lornel::quiz {
namespace {

using namespace ui;

// The rows are laid out by hand to read like the tables.
// clang-format off
using enum MainId;

#define LORNEL_NAME(control) u8"" #control,
constexpr const char8_t* kNames[] = {LORNEL_MAIN_CONTROLS(LORNEL_NAME)};
#undef LORNEL_NAME
static_assert(std::size(kNames) == kMainControlCount);

constexpr int Id(MainId id) { return static_cast<int>(id); }

// Id and name of a row come from one identifier, so they cannot drift apart.
#define LORNEL_ROW(control) .id = Id(control), .name = kNames[Id(control)]

constexpr Font Bold(int height) { return {"", height}; }
constexpr Font YouYuan(int height) { return {"幼圆", height}; }
constexpr Binding Click(MainSlot slot, int arg = 0) { return {Event::Click, slot, arg}; }
constexpr Binding Tick(MainSlot slot, int arg = 0) { return {Event::Tick, slot, arg}; }
constexpr Binding Menu(MainSlot slot) { return {Event::ContextMenu, slot, 0}; }

constexpr Row Panel(MainId id, int parent, Rect rect, const char* caption = "", Font font = {},
                    Colour captionColour = Hex(0x000000), bool visible = true) {
  return {LORNEL_ROW(id), .kind = Kind::GroupBox, .parent = parent, .rect = rect,
          .caption = caption, .font = font, .textColour = captionColour, .visible = visible};
}

constexpr Row Timer(MainId id, MainId parent, Rect rect, Binding tick, int interval = 0) {
  return {LORNEL_ROW(id), .kind = Kind::Timer, .parent = Id(parent), .rect = rect,
          .visible = false, .interval = interval, .bindings = {tick}};
}

constexpr Row GroupRadio(MainId id, int top, const char* caption, bool checked = false) {
  return {LORNEL_ROW(id), .kind = Kind::RadioBox, .parent = Id(分组框3),
          .rect = {480, top, 160, 32}, .caption = caption, .font = Bold(21),
          .textColour = Hex(0x000080), .tabStop = true, .cursor = Cursor::Hand, .checked = checked};
}

// A red value drawn over one of the gaps of the sentence beneath it.
constexpr Row Placeholder(MainId id, Rect rect) {
  return {LORNEL_ROW(id), .kind = Kind::TransLabel, .parent = Id(分组框5), .rect = rect,
          .caption = "■", .font = Bold(16), .textColour = Hex(0xFF0000),
          .vAlign = VAlign::Middle};
}

constexpr Binding ScoreMenu(int group) { return {Event::ContextMenu, MainSlot::ScoreMenu, group};
}

constexpr Binding CountdownMenu{Event::ContextMenu, MainSlot::CountdownMenu};

constexpr Row ScoreLabel(MainId id, int left, int group) {
  return {LORNEL_ROW(id), .kind = Kind::TransLabel, .parent = Id(分组框2),
          .rect = {left, 24, 48, 40}, .caption = "0", .font = Bold(35),
          .textColour = Hex(0xFF0000), .hAlign = HAlign::Centre, .vAlign = VAlign::Middle,
          .bindings = {ScoreMenu(group)}};
}

constexpr Row QuestionPanel(MainId id, int n) {
  return Panel(id, Id(分组框1), {16, 24, 1152, 248}, config::QuestionName(n), {}, Hex(0x000000),
               false);
}

constexpr Row QuestionLabel(MainId id, MainId panel) {
  return {LORNEL_ROW(id), .kind = Kind::Label, .parent = Id(panel), .rect = {8, 16, 1136, 224},
          .font = Bold(24), .background = Hex(0xECECEC), .wordWrap = true,
          .bindings = {{Event::LeftButtonDown, MainSlot::EnlargePicture, 0}}};
}

constexpr Row BoardButton(MainId id, int n, int left, int top) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .parent = Id(分组框1),
          .rect = {left, top, 128, 40}, .caption = config::QuestionName(n), .font = Bold(16), .tabStop = true,
          .bindings = {Click(MainSlot::OpenQuestion, n)}};
}

constexpr Row Key(MainId id, int left, int top, const char* caption, int virtualKey) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .parent = Id(分组框22),
          .rect = {left, top, 48, 40}, .caption = caption, .font = YouYuan(29), .tabStop = true,
          .bindings = {Click(MainSlot::SimulateKeyPress, virtualKey)}, .onScreenKey = true};
}

constexpr Row WideKey(MainId id, int left, int top, const char* caption, int virtualKey) {
  Row row = Key(id, left, top, caption, virtualKey);
  row.rect.width = 120;
  row.font = YouYuan(20);
  return row;
}

// "123" / "ABC": which layer the letter keys type; the caption is the state.
constexpr Row LayerKey(MainId id, int left, int top) {
  Row row = WideKey(id, left, top, "123", 0);
  row.rect.width = 96;
  row.bindings = {Click(MainSlot::SwitchKeyLayer)};
  return row;
}

constexpr Row PanelLabel(MainId id, Rect rect, const char* caption, Font font, Colour text) {
  return {LORNEL_ROW(id), .kind = Kind::Label, .parent = Id(分组框22), .rect = rect,
          .caption = caption, .font = font, .textColour = text, .vAlign = VAlign::Middle};
}

constexpr Row kRows[] = {
    // Start cover: reaches past every edge of the panels beneath.
    Panel(分组框21, kWindowParent, {-8, 0, 1208, 744}),
    {LORNEL_ROW(按钮31), .kind = Kind::Button, .parent = Id(分组框21),
     .rect = {24, 24, 1160, 696}, .caption = "开始！Go！Go！Go！", .font = Bold(56),
     .tabStop = true, .bindings = {Click(MainSlot::ConfigCheckOnStart)}},

    // Group selection panel.
    Panel(分组框3, kWindowParent, {16, 96, 1168, 552}, "", {}, Hex(0x000000), false),
    {LORNEL_ROW(透明标签13), .kind = Kind::TransLabel, .parent = Id(分组框3),
     .rect = {480, 400, 152, 24}, .caption = "重新选题", .font = {"", 20, true},
     .textColour = Hex(0xC06000), .cursor = Cursor::Hand, .hAlign = HAlign::Centre,
     .vAlign = VAlign::Middle, .bindings = {{Event::LeftButtonDown, MainSlot::CancelQuestion}}},
    {LORNEL_ROW(按钮15), .kind = Kind::Button, .parent = Id(分组框3),
     .rect = {448, 440, 216, 48}, .caption = "确定", .font = Bold(32), .tabStop = true,
     .cursor = Cursor::Hand, .bindings = {Click(MainSlot::ConfirmGroup)}},
    GroupRadio(单选框6, 352, "我是第六组的"),
    GroupRadio(单选框5, 312, "我是第五组的"),
    GroupRadio(单选框4, 272, "我是第四组的"),
    GroupRadio(单选框3, 232, "我是第三组的"),
    GroupRadio(单选框2, 192, "我是第二组的"),
    GroupRadio(单选框1, 152, "我是第一组的", true),
    {LORNEL_ROW(透明标签8), .kind = Kind::TransLabel, .parent = Id(分组框3),
     .rect = {8, 96, 1136, 56}, .caption = "你是第几组的？", .font = Bold(48),
     .textColour = Hex(0x800000), .hAlign = HAlign::Centre, .wordWrap = true},

    // Information bar.
    {LORNEL_ROW(分组框4), .kind = Kind::GroupBox, .rect = {8, 0, 1184, 72}, .caption = "信息",
     .font = Bold(20), .textColour = Hex(0x008080), .hAlign = HAlign::Centre},
    {LORNEL_ROW(标签15), .kind = Kind::Label, .parent = Id(分组框4), .rect = {560, 24, 64, 40},
     .caption = "0", .font = YouYuan(35), .hAlign = HAlign::Centre, .vAlign = VAlign::Middle,
     .bindings = {CountdownMenu, {Event::PauseKey, MainSlot::CountdownPause}}},
    Panel(分组框6, Id(分组框4), {8, 16, 552, 48}),
    Timer(时钟2, 分组框6, {480, 8, 32, 32}, Tick(MainSlot::CountdownTick)),
    {LORNEL_ROW(进度条1), .kind = Kind::ProcessBar, .parent = Id(分组框6),
     .rect = {245, 14, 300, 24}, .edge = Edge::ThinSunken, .rangeMin = 0, .rangeMax = 0,
     .position = 0, .bindings = {CountdownMenu}},
    {LORNEL_ROW(透明标签12), .kind = Kind::TransLabel, .parent = Id(分组框6),
     .rect = {8, 11, 536, 32}, .caption = "欢迎使用！  版本1.1.15.823", .font = Bold(16),
     .textColour = Hex(0x008000), .vAlign = VAlign::Middle},
    Panel(分组框5, Id(分组框4), {624, 16, 552, 48}),
    Placeholder(透明标签11, {395, 16, 21, 24}),
    {LORNEL_ROW(按钮16), .kind = Kind::Button, .parent = Id(分组框5), .rect = {440, 11, 104, 32},
     .caption = "重新选组", .font = Bold(19), .tabStop = true,
     .bindings = {Click(MainSlot::ChangeGroup)}},
    Timer(时钟1, 分组框5, {344, 16, 32, 32}, Tick(MainSlot::ScoreMirrorTick), 1000),
    Placeholder(透明标签10, {173, 16, 35, 24}),
    {LORNEL_ROW(透明标签9), .kind = Kind::TransLabel, .parent = Id(分组框5),
     .rect = {8, 11, 536, 32}, .caption = "当前为第  组正在回答问题，该组已得  分。",
     .font = Bold(16), .textColour = Hex(0xFF0000), .hAlign = HAlign::Centre,
     .vAlign = VAlign::Middle},

    // Score bar: the score labels of groups 5, 4, 3, 2, 6, 1 lie over the sentence's gaps.
    Panel(分组框2, kWindowParent, {8, 664, 1184, 72}, "■组分■", Bold(20), Hex(0x800080)),
    ScoreLabel(透明标签6, 872, 5),
    ScoreLabel(透明标签5, 680, 4),
    ScoreLabel(透明标签4, 488, 3),
    ScoreLabel(透明标签3, 296, 2),
    ScoreLabel(透明标签7, 1072, 6),
    ScoreLabel(透明标签2, 96, 1),
    {LORNEL_ROW(透明标签1), .kind = Kind::TransLabel, .parent = Id(分组框2),
     .rect = {8, 24, 1168, 40},
     .caption = "第一组：   分.   第二组：   分.   第三组：   分.   "
                "第四组：   分.   第五组：   分.   第六组：   分. ",
     .font = Bold(21), .hAlign = HAlign::Centre, .vAlign = VAlign::Middle,
     .bindings = {ScoreMenu(0)}},

    // Question area: panels 14 … 2 lie above the answer panel, the timers, panel 1 and the board.
    Panel(分组框1, kWindowParent, {8, 72, 1184, 584}, "■题目■", Bold(20), Hex(0x800080)),
    QuestionPanel(分组框20, 14), QuestionLabel(标签14, 分组框20),
    QuestionPanel(分组框19, 13), QuestionLabel(标签13, 分组框19),
    QuestionPanel(分组框18, 12), QuestionLabel(标签12, 分组框18),
    QuestionPanel(分组框17, 11), QuestionLabel(标签11, 分组框17),
    QuestionPanel(分组框16, 10), QuestionLabel(标签10, 分组框16),
    QuestionPanel(分组框15, 9), QuestionLabel(标签9, 分组框15),
    QuestionPanel(分组框14, 8), QuestionLabel(标签8, 分组框14),
    QuestionPanel(分组框13, 7), QuestionLabel(标签7, 分组框13),
    QuestionPanel(分组框12, 6), QuestionLabel(标签6, 分组框12),
    QuestionPanel(分组框11, 5), QuestionLabel(标签5, 分组框11),
    QuestionPanel(分组框10, 4), QuestionLabel(标签4, 分组框10),
    QuestionPanel(分组框9, 3), QuestionLabel(标签3, 分组框9),
    QuestionPanel(分组框8, 2), QuestionLabel(标签2, 分组框8),

    // Answer panel: the cover 图片框1 lies above the correct-answer label 标签18.
    // A disabled 按钮47 takes no mouse input: its right-click reaches the panel.
    {LORNEL_ROW(分组框22), .kind = Kind::GroupBox, .parent = Id(分组框1),
     .rect = {24, 272, 1136, 288}, .bindings = {Menu(MainSlot::RulingMenu)}},
    Timer(时钟19, 分组框22, {1048, 136, 32, 72}, Tick(MainSlot::RevealGuardTick)),
    {LORNEL_ROW(按钮50), .kind = Kind::Button, .parent = Id(分组框22),
     .rect = {952, 112, 176, 48}, .caption = "显示答案", .font = Bold(29), .tabStop = true,
     .bindings = {Click(MainSlot::RevealAnswer)}},
    Timer(时钟18, 分组框22, {8, 16, 32, 32}, Tick(MainSlot::ShakeTick)),
    {LORNEL_ROW(按钮49), .kind = Kind::Button, .parent = Id(分组框22),
     .rect = {904, 184, 224, 96}, .caption = "继续选题", .font = Bold(48), .enabled = false,
     .tabStop = true, .bindings = {Click(MainSlot::NextQuestion)}},
    {LORNEL_ROW(图片框1), .kind = Kind::PicBox, .parent = Id(分组框22),
     .rect = {704, 16, 424, 80}, .picture = resources::Blob::AnswerCover},
    {LORNEL_ROW(标签18), .kind = Kind::Label, .parent = Id(分组框22), .rect = {704, 16, 424, 80},
     .font = Bold(48), .textColour = Hex(0xFF0000), .vAlign = VAlign::Middle,
     .edge = Edge::Gradient, .frame = {8, Hex(0x808080), Hex(0xFFFFFF), Hex(0x808080)}},
    PanelLabel(标签17, {584, 40, 120, 32}, "正确答案：", Bold(24), Hex(0x0000FF)),
    {LORNEL_ROW(按钮47), .kind = Kind::Button, .parent = Id(分组框22),
     .rect = {480, 32, 96, 56}, .caption = "确认答案", .font = Bold(16), .enabled = false,
     .tabStop = true,
     .bindings = {Click(MainSlot::CheckAnswer), Menu(MainSlot::RulingMenu)}},

    // On-screen keyboard in table order: Enter, row 3 from the right (the layer
    // key first), row 2 from L, Backspace, row 1 from P.
    WideKey(按钮48, 728, 176, "Enter←┘", 0x0D),
    LayerKey(按钮51, 744, 240),
    Key(按钮46, 672, 240, "。", 0xBE),
    Key(按钮45, 600, 240, "，", 0xBC),
    Key(按钮44, 528, 240, "M", 0x4D),
    Key(按钮43, 456, 240, "N", 0x4E),
    Key(按钮42, 384, 240, "B", 0x42),
    Key(按钮41, 312, 240, "V", 0x56),
    Key(按钮40, 240, 240, "C", 0x43),
    Key(按钮39, 168, 240, "X", 0x58),
    Key(按钮38, 96, 240, "Z", 0x5A),
    Key(按钮37, 640, 176, "L", 0x4C),
    Key(按钮36, 568, 176, "K", 0x4B),
    Key(按钮35, 496, 176, "J", 0x4A),
    Key(按钮34, 424, 176, "H", 0x48),
    Key(按钮33, 352, 176, "G", 0x47),
    Key(按钮32, 280, 176, "F", 0x46),
    Key(按钮30, 208, 176, "D", 0x44),
    Key(按钮29, 136, 176, "S", 0x53),
    Key(按钮28, 64, 176, "A", 0x41),
    WideKey(按钮27, 776, 112, "Backspace←", 0x08),
    Key(按钮26, 688, 112, "P", 0x50),
    Key(按钮25, 616, 112, "O", 0x4F),
    Key(按钮24, 544, 112, "I", 0x49),
    Key(按钮23, 472, 112, "U", 0x55),
    Key(按钮22, 400, 112, "Y", 0x59),
    Key(按钮21, 328, 112, "T", 0x54),
    Key(按钮20, 256, 112, "R", 0x52),
    Key(按钮19, 184, 112, "E", 0x45),
    Key(按钮18, 112, 112, "W", 0x57),
    Key(按钮17, 40, 112, "Q", 0x51),

    {LORNEL_ROW(编辑框1), .kind = Kind::EditBox, .parent = Id(分组框22),
     .rect = {80, 24, 392, 72}, .font = Bold(48), .background = Hex(0xFFFFFF), .tabStop = true,
     .edge = Edge::Sunken},
    PanelLabel(标签16, {16, 40, 64, 32}, "答案：", Bold(24), Hex(0x0000FF)),

    // Lock timers: 时钟(n+3) keeps question button n disabled once started.
    Timer(时钟17, 分组框1, {1112, 104, 40, 40}, Tick(MainSlot::LockTick, 14)),
    Timer(时钟16, 分组框1, {936, 96, 64, 40}, Tick(MainSlot::LockTick, 13)),
    Timer(时钟15, 分组框1, {768, 96, 48, 48}, Tick(MainSlot::LockTick, 12)),
    Timer(时钟14, 分组框1, {608, 88, 48, 40}, Tick(MainSlot::LockTick, 11)),
    Timer(时钟13, 分组框1, {456, 88, 40, 40}, Tick(MainSlot::LockTick, 10)),
    Timer(时钟12, 分组框1, {280, 88, 40, 40}, Tick(MainSlot::LockTick, 9)),
    Timer(时钟11, 分组框1, {104, 88, 48, 40}, Tick(MainSlot::LockTick, 8)),
    Timer(时钟10, 分组框1, {1112, 24, 48, 40}, Tick(MainSlot::LockTick, 7)),
    Timer(时钟9, 分组框1, {944, 16, 40, 48}, Tick(MainSlot::LockTick, 6)),
    Timer(时钟8, 分组框1, {760, 16, 64, 48}, Tick(MainSlot::LockTick, 5)),
    Timer(时钟7, 分组框1, {616, 24, 48, 32}, Tick(MainSlot::LockTick, 4)),
    Timer(时钟6, 分组框1, {464, 24, 40, 32}, Tick(MainSlot::LockTick, 3)),
    Timer(时钟5, 分组框1, {288, 24, 32, 40}, Tick(MainSlot::LockTick, 2)),
    Timer(时钟4, 分组框1, {128, 24, 32, 32}, Tick(MainSlot::LockTick, 1)),
    Timer(时钟3, 分组框1, {488, 32, 112, 96}, Tick(MainSlot::LockScanTick)),

    QuestionPanel(分组框7, 1), QuestionLabel(标签1, 分组框7),

    // Question board, below every question panel.
    BoardButton(按钮7, 7, 1032, 24),
    BoardButton(按钮11, 11, 528, 96),
    BoardButton(按钮14, 14, 1032, 96),
    BoardButton(按钮13, 13, 864, 96),
    BoardButton(按钮12, 12, 696, 96),
    BoardButton(按钮10, 10, 360, 96),
    BoardButton(按钮9, 9, 192, 96),
    BoardButton(按钮8, 8, 24, 96),
    BoardButton(按钮6, 6, 864, 24),
    BoardButton(按钮5, 5, 696, 24),
    BoardButton(按钮4, 4, 528, 24),
    BoardButton(按钮3, 3, 360, 24),
    BoardButton(按钮2, 2, 192, 24),
    BoardButton(按钮1, 1, 24, 24),
};
#undef LORNEL_ROW
static_assert(std::size(kRows) == kMainControlCount);
static_assert(IdsMatchOrder(kRows));

}  // namespace

const Table& MainTable() {
  static constexpr Table table{
      .window = {.caption = "Lornel V1.1.15.823", .outerWidth = 1203, .outerHeight = 773,
                 .storedLeft = 50, .storedTop = 50, .titleBar = true, .minimizeBox = true,
                 .icon = true, .fullScreen = true, .background = kDefaultColour},
      .rows = kRows};
  return table;
}

// clang-format on
}  // namespace lornel::quiz
