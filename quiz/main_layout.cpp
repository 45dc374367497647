// The main window's control table: 173 rows in table order, so that each
// control lies above every later sibling.
#include <iterator>

#include "config/questions.h"
#include "platform/quiz_program.h"
#include "quiz/main_ids.h"

namespace lornel::quiz {
namespace {

using namespace ui;

// The rows are laid out by hand to read like the tables.
// clang-format off
using enum MainId;

#define LORNEL_NAME(role, name) u8"" #name,
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

// The lock timers, the lock scan, the reveal guard and the score mirror are
// kept as the table has them, idle: the Round holds the locks, the guard and
// the scores, and the projection shows them at once.
constexpr Row Timer(MainId id, MainId parent, Rect rect, Binding tick = {}) {
  return {LORNEL_ROW(id), .kind = Kind::Timer, .parent = Id(parent), .rect = rect,
          .visible = false, .bindings = {tick}};
}

constexpr Row GroupRadio(MainId id, int top, const char* caption, bool checked = false) {
  return {LORNEL_ROW(id), .kind = Kind::RadioBox, .parent = Id(GroupPanel),
          .rect = {480, top, 160, 32}, .caption = caption, .font = Bold(21),
          .textColour = Hex(0x000080), .tabStop = true, .cursor = Cursor::Hand, .checked = checked};
}

// "已抽" beside a group's radio: picked since the bag was last full.
constexpr Row DrawnMark(MainId id, int top) {
  return {LORNEL_ROW(id), .kind = Kind::TransLabel, .parent = Id(GroupPanel),
          .rect = {648, top, 72, 32}, .caption = "已抽", .font = Bold(20),
          .textColour = Hex(0x808080), .visible = false, .vAlign = VAlign::Middle};
}

// A red value drawn over one of the gaps of the sentence beneath it.
constexpr Row Placeholder(MainId id, Rect rect) {
  return {LORNEL_ROW(id), .kind = Kind::TransLabel, .parent = Id(AnsweringPanel), .rect = rect,
          .caption = "■", .font = Bold(16), .textColour = Hex(0xFF0000),
          .vAlign = VAlign::Middle};
}

constexpr Binding ScoreMenu(int group) { return {Event::ContextMenu, MainSlot::ScoreMenu, group};
}

constexpr Binding CountdownMenu{Event::ContextMenu, MainSlot::CountdownMenu};

constexpr Row ScoreLabel(MainId id, int left, int group) {
  return {LORNEL_ROW(id), .kind = Kind::TransLabel, .parent = Id(ScoreBar),
          .rect = {left, 24, 48, 40}, .caption = "0", .font = Bold(35),
          .textColour = Hex(0xFF0000), .hAlign = HAlign::Centre, .vAlign = VAlign::Middle,
          .bindings = {ScoreMenu(group)}};
}

constexpr Row QuestionPanel(MainId id, int n) {
  return Panel(id, Id(QuestionArea), {16, 24, 1152, 248}, config::QuestionName(n), {}, Hex(0x000000),
               false);
}

constexpr Row QuestionLabel(MainId id, MainId panel) {
  return {LORNEL_ROW(id), .kind = Kind::Label, .parent = Id(panel), .rect = {8, 16, 1136, 224},
          .font = Bold(24), .background = Hex(0xECECEC), .wordWrap = true,
          .bindings = {{Event::LeftButtonDown, MainSlot::EnlargePicture, 0}}};
}

constexpr Row BoardButton(MainId id, int n, int left, int top) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .parent = Id(QuestionArea),
          .rect = {left, top, 128, 40}, .caption = config::QuestionName(n), .font = Bold(16), .tabStop = true,
          .bindings = {Click(MainSlot::OpenQuestion, n)}};
}

constexpr Row Key(MainId id, int left, int top, const char* caption, int virtualKey) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .parent = Id(AnswerPanel),
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

// An answer of a choice or true/false question, hidden with the keyboard shown.
constexpr Row Option(MainId id, int option, Rect rect, int fontHeight) {
  return {LORNEL_ROW(id), .kind = Kind::OptionButton, .parent = Id(AnswerPanel), .rect = rect,
          .font = Bold(fontHeight), .visible = false,
          .bindings = {Click(MainSlot::ChooseOption, option)}};
}

constexpr Row PanelLabel(MainId id, Rect rect, const char* caption, Font font, Colour text) {
  return {LORNEL_ROW(id), .kind = Kind::Label, .parent = Id(AnswerPanel), .rect = rect,
          .caption = caption, .font = font, .textColour = text, .vAlign = VAlign::Middle};
}

// Buzz-in's and all groups' big buttons, and the marks' toggles: each carries
// its group in arg.
constexpr Row BuzzGroupButton(MainId id, int g) {
  return {LORNEL_ROW(id), .kind = Kind::Button, .parent = Id(BuzzPanel),
          .rect = {296 + (g - 1) % 3 * 192, 16 + (g - 1) / 3 * 80, 184, 72},
          .caption = config::GroupName(g), .font = Bold(32), .enabled = false, .tabStop = true,
          .bindings = {Click(MainSlot::BuzzKey, g)}};
}

constexpr Row MarkToggle(MainId id, int g) {
  return {LORNEL_ROW(id), .kind = Kind::CheckBox, .parent = Id(MarkPanel),
          .rect = {208 + (g - 1) % 3 * 256, 192 + (g - 1) / 3 * 88, 240, 72},
          .caption = config::GroupName(g), .font = Bold(32), .tabStop = true,
          .cursor = Cursor::Hand, .bindings = {Click(MainSlot::ToggleMark, g)}, .toggle = true};
}

constexpr Row kRows[] = {
    // Start cover: reaches past every edge of the panels beneath.
    Panel(StartCover, kWindowParent, {-8, 0, 1208, 744}),
    // Over the start button's lower part, offered only when a lesson was left off.
    {LORNEL_ROW(ResumeButton), .kind = Kind::Button, .parent = Id(StartCover),
     .rect = {154, 560, 900, 120}, .font = Bold(24), .visible = false, .tabStop = true,
     .bindings = {Click(MainSlot::ResumeLesson)}},
    {LORNEL_ROW(StartButton), .kind = Kind::Button, .parent = Id(StartCover),
     .rect = {24, 24, 1160, 696}, .caption = "开始！Go！Go！Go！", .font = Bold(56),
     .tabStop = true, .bindings = {Click(MainSlot::ConfigCheckOnStart)}},

    // Group selection panel.
    Panel(GroupPanel, kWindowParent, {16, 96, 1168, 552}, "", {}, Hex(0x000000), false),
    {LORNEL_ROW(CancelQuestionLink), .kind = Kind::TransLabel, .parent = Id(GroupPanel),
     .rect = {480, 400, 152, 24}, .caption = "重新选题", .font = {"", 20, true},
     .textColour = Hex(0xC06000), .cursor = Cursor::Hand, .hAlign = HAlign::Centre,
     .vAlign = VAlign::Middle, .bindings = {{Event::LeftButtonDown, MainSlot::CancelQuestion}}},
    {LORNEL_ROW(ConfirmGroupButton), .kind = Kind::Button, .parent = Id(GroupPanel),
     .rect = {448, 440, 216, 48}, .caption = "确定", .font = Bold(32), .tabStop = true,
     .cursor = Cursor::Hand, .bindings = {Click(MainSlot::ConfirmGroup)}},
    // "随机" and the bag's marks: shown when the file turns the random group on.
    {LORNEL_ROW(DrawButton), .kind = Kind::Button, .parent = Id(GroupPanel),
     .rect = {752, 232, 176, 72}, .caption = "随机", .font = Bold(36), .visible = false,
     .tabStop = true, .cursor = Cursor::Hand, .bindings = {Click(MainSlot::DrawGroup)}},
    Timer(DrawTimer, GroupPanel, {944, 240, 32, 32}, Tick(MainSlot::DrawTick)),
    DrawnMark(Drawn1, 152), DrawnMark(Drawn2, 192), DrawnMark(Drawn3, 232),
    DrawnMark(Drawn4, 272), DrawnMark(Drawn5, 312), DrawnMark(Drawn6, 352),
    GroupRadio(GroupRadio6, 352, "我是第六组的"),
    GroupRadio(GroupRadio5, 312, "我是第五组的"),
    GroupRadio(GroupRadio4, 272, "我是第四组的"),
    GroupRadio(GroupRadio3, 232, "我是第三组的"),
    GroupRadio(GroupRadio2, 192, "我是第二组的"),
    GroupRadio(GroupRadio1, 152, "我是第一组的", true),
    {LORNEL_ROW(GroupPrompt), .kind = Kind::TransLabel, .parent = Id(GroupPanel),
     .rect = {8, 96, 1136, 56}, .caption = "你是第几组的？", .font = Bold(48),
     .textColour = Hex(0x800000), .hAlign = HAlign::Centre, .wordWrap = true},

    // All groups at once: which groups were right, over the question like the group question.
    Panel(MarkPanel, kWindowParent, {16, 96, 1168, 552}, "", {}, Hex(0x000000), false),
    {LORNEL_ROW(MarkConfirmButton), .kind = Kind::Button, .parent = Id(MarkPanel),
     .rect = {448, 440, 216, 48}, .caption = "确定", .font = Bold(32), .tabStop = true,
     .cursor = Cursor::Hand, .bindings = {Click(MainSlot::AwardMarks)}},
    MarkToggle(MarkToggle1, 1), MarkToggle(MarkToggle2, 2), MarkToggle(MarkToggle3, 3),
    MarkToggle(MarkToggle4, 4), MarkToggle(MarkToggle5, 5), MarkToggle(MarkToggle6, 6),
    {LORNEL_ROW(MarkPrompt), .kind = Kind::TransLabel, .parent = Id(MarkPanel),
     .rect = {8, 96, 1136, 56}, .caption = "哪些组答对了？", .font = Bold(48),
     .textColour = Hex(0x800000), .hAlign = HAlign::Centre, .wordWrap = true},

    // Information bar.
    {LORNEL_ROW(InfoBar), .kind = Kind::GroupBox, .rect = {8, 0, 1184, 72}, .caption = "信息",
     .font = Bold(20), .textColour = Hex(0x008080), .hAlign = HAlign::Centre},
    {LORNEL_ROW(CountdownNumber), .kind = Kind::Label, .parent = Id(InfoBar), .rect = {560, 24, 64, 40},
     .caption = "0", .font = YouYuan(35), .hAlign = HAlign::Centre, .vAlign = VAlign::Middle,
     .bindings = {CountdownMenu}},
    Panel(CountdownPanel, Id(InfoBar), {8, 16, 552, 48}),
    Timer(CountdownTimer, CountdownPanel, {480, 8, 32, 32}, Tick(MainSlot::CountdownTick)),
    {LORNEL_ROW(CountdownBar), .kind = Kind::ProcessBar, .parent = Id(CountdownPanel),
     .rect = {245, 14, 300, 24}, .edge = Edge::ThinSunken, .rangeMin = 0, .rangeMax = 0,
     .position = 0, .bindings = {CountdownMenu}},
    {LORNEL_ROW(InfoText), .kind = Kind::TransLabel, .parent = Id(CountdownPanel),
     .rect = {8, 11, 536, 32}, .caption = "欢迎使用！  版本1.1.15.823", .font = Bold(16),
     .textColour = Hex(0x008000), .vAlign = VAlign::Middle},
    Panel(AnsweringPanel, Id(InfoBar), {624, 16, 552, 48}),
    Placeholder(AnsweringScore, {395, 16, 21, 24}),
    {LORNEL_ROW(ChangeGroupButton), .kind = Kind::Button, .parent = Id(AnsweringPanel), .rect = {440, 11, 104, 32},
     .caption = "重新选组", .font = Bold(19), .tabStop = true,
     .bindings = {Click(MainSlot::ChangeGroup)}},
    Timer(ScoreMirrorTimer, AnsweringPanel, {344, 16, 32, 32}),
    Placeholder(AnsweringGroup, {173, 16, 35, 24}),
    {LORNEL_ROW(AnsweringSentence), .kind = Kind::TransLabel, .parent = Id(AnsweringPanel),
     .rect = {8, 11, 536, 32}, .caption = "当前为第  组正在回答问题，该组已得  分。",
     .font = Bold(16), .textColour = Hex(0xFF0000), .hAlign = HAlign::Centre,
     .vAlign = VAlign::Middle},

    // Score bar: the score labels of groups 5, 4, 3, 2, 6, 1 lie over the sentence's gaps.
    Panel(ScoreBar, kWindowParent, {8, 664, 1184, 72}, "■组分■", Bold(20), Hex(0x800080)),
    ScoreLabel(Score5, 872, 5),
    ScoreLabel(Score4, 680, 4),
    ScoreLabel(Score3, 488, 3),
    ScoreLabel(Score2, 296, 2),
    ScoreLabel(Score6, 1072, 6),
    ScoreLabel(Score1, 96, 1),
    {LORNEL_ROW(ScoreSentence), .kind = Kind::TransLabel, .parent = Id(ScoreBar),
     .rect = {8, 24, 1168, 40},
     .caption = "第一组：   分.   第二组：   分.   第三组：   分.   "
                "第四组：   分.   第五组：   分.   第六组：   分. ",
     .font = Bold(21), .hAlign = HAlign::Centre, .vAlign = VAlign::Middle,
     .bindings = {ScoreMenu(0)}},

    // Question area: panels 14 … 2 lie above the answer panel, the timers, panel 1 and the board.
    Panel(QuestionArea, kWindowParent, {8, 72, 1184, 584}, "■题目■", Bold(20), Hex(0x800080)),
    QuestionPanel(QuestionPanel14, 14), QuestionLabel(QuestionLabel14, QuestionPanel14),
    QuestionPanel(QuestionPanel13, 13), QuestionLabel(QuestionLabel13, QuestionPanel13),
    QuestionPanel(QuestionPanel12, 12), QuestionLabel(QuestionLabel12, QuestionPanel12),
    QuestionPanel(QuestionPanel11, 11), QuestionLabel(QuestionLabel11, QuestionPanel11),
    QuestionPanel(QuestionPanel10, 10), QuestionLabel(QuestionLabel10, QuestionPanel10),
    QuestionPanel(QuestionPanel9, 9), QuestionLabel(QuestionLabel9, QuestionPanel9),
    QuestionPanel(QuestionPanel8, 8), QuestionLabel(QuestionLabel8, QuestionPanel8),
    QuestionPanel(QuestionPanel7, 7), QuestionLabel(QuestionLabel7, QuestionPanel7),
    QuestionPanel(QuestionPanel6, 6), QuestionLabel(QuestionLabel6, QuestionPanel6),
    QuestionPanel(QuestionPanel5, 5), QuestionLabel(QuestionLabel5, QuestionPanel5),
    QuestionPanel(QuestionPanel4, 4), QuestionLabel(QuestionLabel4, QuestionPanel4),
    QuestionPanel(QuestionPanel3, 3), QuestionLabel(QuestionLabel3, QuestionPanel3),
    QuestionPanel(QuestionPanel2, 2), QuestionLabel(QuestionLabel2, QuestionPanel2),

    // Answer panel: the cover 图片框1 lies above the correct-answer label 标签18.
    // A disabled 按钮47 takes no mouse input: its right-click reaches the panel.
    {LORNEL_ROW(AnswerPanel), .kind = Kind::GroupBox, .parent = Id(QuestionArea),
     .rect = {24, 272, 1136, 288}, .bindings = {Menu(MainSlot::RulingMenu)}},
    // Buzz-in's buttons (or all groups' "判分") over the keys, which wait greyed beneath.
    Panel(BuzzPanel, Id(AnswerPanel), {16, 102, 888, 182}, "", {}, Hex(0x000000), false),
    {LORNEL_ROW(StartBuzzButton), .kind = Kind::Button, .parent = Id(BuzzPanel),
     .rect = {16, 16, 264, 120}, .caption = "开始抢答", .font = Bold(48), .enabled = false,
     .tabStop = true, .bindings = {Click(MainSlot::StartBuzz)}},
    {LORNEL_ROW(BuzzCancelLink), .kind = Kind::TransLabel, .parent = Id(BuzzPanel),
     .rect = {16, 142, 264, 28}, .caption = "重新选题", .font = {"", 20, true},
     .textColour = Hex(0xC06000), .cursor = Cursor::Hand, .hAlign = HAlign::Centre,
     .vAlign = VAlign::Middle, .bindings = {{Event::LeftButtonDown, MainSlot::CancelQuestion}}},
    // All groups at once: "判分" in the place of "确认答案", which has no group to
    // judge then, so that a choice question's options stay in sight.
    {LORNEL_ROW(JudgeButton), .kind = Kind::Button, .parent = Id(AnswerPanel),
     .rect = {480, 32, 96, 56}, .caption = "判分", .font = Bold(29), .visible = false,
     .tabStop = true, .bindings = {Click(MainSlot::JudgeAnswers)}},
    BuzzGroupButton(BuzzGroup1, 1), BuzzGroupButton(BuzzGroup2, 2), BuzzGroupButton(BuzzGroup3, 3),
    BuzzGroupButton(BuzzGroup4, 4), BuzzGroupButton(BuzzGroup5, 5), BuzzGroupButton(BuzzGroup6, 6),
    Timer(RevealGuard, AnswerPanel, {1048, 136, 32, 72}),
    {LORNEL_ROW(RevealButton), .kind = Kind::Button, .parent = Id(AnswerPanel),
     .rect = {952, 112, 176, 48}, .caption = "显示答案", .font = Bold(29), .tabStop = true,
     .bindings = {Click(MainSlot::RevealAnswer)}},
    Timer(ShakeTimer, AnswerPanel, {8, 16, 32, 32}, Tick(MainSlot::ShakeTick)),
    {LORNEL_ROW(NextQuestionButton), .kind = Kind::Button, .parent = Id(AnswerPanel),
     .rect = {904, 184, 224, 96}, .caption = "继续选题", .font = Bold(48), .enabled = false,
     .tabStop = true, .bindings = {Click(MainSlot::NextQuestion)}},
    {LORNEL_ROW(AnswerCover), .kind = Kind::PicBox, .parent = Id(AnswerPanel),
     .rect = {704, 16, 424, 80}, .picture = resources::Blob::AnswerCover},
    {LORNEL_ROW(CorrectAnswer), .kind = Kind::Label, .parent = Id(AnswerPanel), .rect = {704, 16, 424, 80},
     .font = Bold(48), .textColour = Hex(0xFF0000), .vAlign = VAlign::Middle,
     .edge = Edge::Gradient, .frame = {8, Hex(0x808080), Hex(0xFFFFFF), Hex(0x808080)}},
    PanelLabel(CorrectAnswerCaption, {584, 40, 120, 32}, "正确答案：", Bold(24), Hex(0x0000FF)),
    {LORNEL_ROW(CheckButton), .kind = Kind::Button, .parent = Id(AnswerPanel),
     .rect = {480, 32, 96, 56}, .caption = "确认答案", .font = Bold(16), .enabled = false,
     .tabStop = true,
     .bindings = {Click(MainSlot::CheckAnswer), Menu(MainSlot::RulingMenu)}},

    // On-screen keyboard in table order: Enter, row 3 from the right (the layer
    // key first), row 2 from L, Backspace, row 1 from P.
    WideKey(KeyEnter, 728, 176, "Enter←┘", 0x0D),
    LayerKey(KeyLayer, 744, 240),
    Key(KeyFullStop, 672, 240, "。", 0xBE),
    Key(KeyComma, 600, 240, "，", 0xBC),
    Key(KeyM, 528, 240, "M", 0x4D),
    Key(KeyN, 456, 240, "N", 0x4E),
    Key(KeyB, 384, 240, "B", 0x42),
    Key(KeyV, 312, 240, "V", 0x56),
    Key(KeyC, 240, 240, "C", 0x43),
    Key(KeyX, 168, 240, "X", 0x58),
    Key(KeyZ, 96, 240, "Z", 0x5A),
    Key(KeyL, 640, 176, "L", 0x4C),
    Key(KeyK, 568, 176, "K", 0x4B),
    Key(KeyJ, 496, 176, "J", 0x4A),
    Key(KeyH, 424, 176, "H", 0x48),
    Key(KeyG, 352, 176, "G", 0x47),
    Key(KeyF, 280, 176, "F", 0x46),
    Key(KeyD, 208, 176, "D", 0x44),
    Key(KeyS, 136, 176, "S", 0x53),
    Key(KeyA, 64, 176, "A", 0x41),
    WideKey(KeyBackspace, 776, 112, "Backspace←", 0x08),
    Key(KeyP, 688, 112, "P", 0x50),
    Key(KeyO, 616, 112, "O", 0x4F),
    Key(KeyI, 544, 112, "I", 0x49),
    Key(KeyU, 472, 112, "U", 0x55),
    Key(KeyY, 400, 112, "Y", 0x59),
    Key(KeyT, 328, 112, "T", 0x54),
    Key(KeyR, 256, 112, "R", 0x52),
    Key(KeyE, 184, 112, "E", 0x45),
    Key(KeyW, 112, 112, "W", 0x57),
    Key(KeyQ, 40, 112, "Q", 0x51),

    // Option buttons where the keys were, beside "Backspace←", which clears a
    // choice: two the whole height, two by two, or three by two.
    Option(OptionPairA, 0, {40, 112, 348, 168}, 48),
    Option(OptionPairB, 1, {412, 112, 348, 168}, 48),
    Option(OptionFourA, 0, {40, 112, 348, 76}, 36),
    Option(OptionFourB, 1, {412, 112, 348, 76}, 36),
    Option(OptionFourC, 2, {40, 204, 348, 76}, 36),
    Option(OptionFourD, 3, {412, 204, 348, 76}, 36),
    Option(OptionSixA, 0, {40, 112, 224, 76}, 32),
    Option(OptionSixB, 1, {288, 112, 224, 76}, 32),
    Option(OptionSixC, 2, {536, 112, 224, 76}, 32),
    Option(OptionSixD, 3, {40, 204, 224, 76}, 32),
    Option(OptionSixE, 4, {288, 204, 224, 76}, 32),
    Option(OptionSixF, 5, {536, 204, 224, 76}, 32),

    {LORNEL_ROW(AnswerBox), .kind = Kind::EditBox, .parent = Id(AnswerPanel),
     .rect = {80, 24, 392, 72}, .font = Bold(48), .background = Hex(0xFFFFFF), .tabStop = true,
     .edge = Edge::Sunken},
    PanelLabel(AnswerBoxCaption, {16, 40, 64, 32}, "答案：", Bold(24), Hex(0x0000FF)),

    // Lock timers: 时钟(n+3) was question n's.
    Timer(LockTimer14, QuestionArea, {1112, 104, 40, 40}),
    Timer(LockTimer13, QuestionArea, {936, 96, 64, 40}),
    Timer(LockTimer12, QuestionArea, {768, 96, 48, 48}),
    Timer(LockTimer11, QuestionArea, {608, 88, 48, 40}),
    Timer(LockTimer10, QuestionArea, {456, 88, 40, 40}),
    Timer(LockTimer9, QuestionArea, {280, 88, 40, 40}),
    Timer(LockTimer8, QuestionArea, {104, 88, 48, 40}),
    Timer(LockTimer7, QuestionArea, {1112, 24, 48, 40}),
    Timer(LockTimer6, QuestionArea, {944, 16, 40, 48}),
    Timer(LockTimer5, QuestionArea, {760, 16, 64, 48}),
    Timer(LockTimer4, QuestionArea, {616, 24, 48, 32}),
    Timer(LockTimer3, QuestionArea, {464, 24, 40, 32}),
    Timer(LockTimer2, QuestionArea, {288, 24, 32, 40}),
    Timer(LockTimer1, QuestionArea, {128, 24, 32, 32}),
    Timer(LockScanTimer, QuestionArea, {488, 32, 112, 96}),

    QuestionPanel(QuestionPanel1, 1), QuestionLabel(QuestionLabel1, QuestionPanel1),

    // Question board, below every question panel; the ranking's button once every question is locked.
    {LORNEL_ROW(RankingButton), .kind = Kind::Button, .parent = Id(QuestionArea),
     .rect = {472, 176, 240, 64}, .caption = "比赛结果", .font = Bold(32), .visible = false,
     .tabStop = true, .bindings = {Click(MainSlot::ToggleRanking)}},
    BoardButton(QuestionButton7, 7, 1032, 24),
    BoardButton(QuestionButton11, 11, 528, 96),
    BoardButton(QuestionButton14, 14, 1032, 96),
    BoardButton(QuestionButton13, 13, 864, 96),
    BoardButton(QuestionButton12, 12, 696, 96),
    BoardButton(QuestionButton10, 10, 360, 96),
    BoardButton(QuestionButton9, 9, 192, 96),
    BoardButton(QuestionButton8, 8, 24, 96),
    BoardButton(QuestionButton6, 6, 864, 24),
    BoardButton(QuestionButton5, 5, 696, 24),
    BoardButton(QuestionButton4, 4, 528, 24),
    BoardButton(QuestionButton3, 3, 360, 24),
    BoardButton(QuestionButton2, 2, 192, 24),
    BoardButton(QuestionButton1, 1, 24, 24),
};
#undef LORNEL_ROW
static_assert(std::size(kRows) == kMainControlCount);
static_assert(IdsMatchOrder(kRows));

// The commands: a popup menu lists its rows in table order, and so does the
// system menu after Windows' own items and a separator.
#define LORNEL_NAME(role) u8"" #role,
constexpr const char8_t* kCommandNames[] = {LORNEL_MAIN_COMMANDS(LORNEL_NAME)};
#undef LORNEL_NAME
#define LORNEL_COMMAND(role) .id = int(MainCommand::role), .name = kCommandNames[int(MainCommand::role)]

constexpr Binding Do(MainSlot slot) { return {Event::Command, slot, 0}; }
constexpr ui::Key kPause{0x13}, kEsc{0x1B}, kF9{0x78}, kF11{0x7A}, kSpace{0x20};  // virtual keys
constexpr Menus kScoreBar = MainMenu::ScoreBar, kCountdown = MainMenu::Countdown,
                kRuling = MainMenu::Ruling, kSystem = MainMenu::System;

constexpr Command ChooseKey(MainCommand id, int option) {
  return {.id = int(id), .name = kCommandNames[int(id)],
          .binding = {Event::Command, MainSlot::ChooseOption, option}, .key = {'A' + option},
          .enabled = false};
}

constexpr Command BuzzKey(MainCommand command, int g) {
  return {.id = int(command), .name = kCommandNames[int(command)],
          .binding = {Event::Command, MainSlot::BuzzKey, g}, .enabled = false,
          .yieldsToTyping = true};
}

constexpr Command kCommands[] = {
    // Undo, at the top of the score bar's menu and in the system menu; its text
    // names the step it takes back.
    {LORNEL_COMMAND(Undo), .text = "撤销\tCtrl+Z", .binding = Do(MainSlot::Undo), .key = {'Z', true},
     .menus = kSystem | kScoreBar, .enabled = false},
    {LORNEL_COMMAND(UndoSeparator), .menus = kScoreBar},
    // The score bar's menu; its title and the point items' texts come with the group.
    {LORNEL_COMMAND(ScoreTitle), .text = "第N组", .menus = kScoreBar},
    {LORNEL_COMMAND(AddPoints), .text = "加 P 分", .binding = Do(MainSlot::AddPoints), .menus = kScoreBar},
    {LORNEL_COMMAND(SubtractPoints), .text = "减 P 分", .binding = Do(MainSlot::SubtractPoints),
     .menus = kScoreBar},
    {LORNEL_COMMAND(ClearScore), .text = "清零", .binding = Do(MainSlot::ClearScore), .menus = kScoreBar},
    {LORNEL_COMMAND(ScoreSeparator), .menus = kScoreBar},
    {LORNEL_COMMAND(CopyScores), .text = "复制全部成绩", .binding = Do(MainSlot::CopyScores),
     .menus = kScoreBar},
    // The countdown's menu.
    {LORNEL_COMMAND(PauseCountdown), .text = "暂停倒计时", .binding = Do(MainSlot::CountdownPause),
     .menus = kCountdown},
    {LORNEL_COMMAND(AddTenSeconds), .text = "加 10 秒", .binding = Do(MainSlot::AddTenSeconds),
     .menus = kCountdown},
    {LORNEL_COMMAND(TakeTenSeconds), .text = "减 10 秒", .binding = Do(MainSlot::TakeTenSeconds),
     .menus = kCountdown},
    // The menu of "确认答案".
    {LORNEL_COMMAND(RuleCorrect), .text = "判为正确", .binding = Do(MainSlot::RuleCorrect),
     .menus = kRuling},
    // Keys wherever the focus is, before the focused control sees them.
    {LORNEL_COMMAND(PauseKey), .binding = Do(MainSlot::CountdownPause), .key = kPause},
    {LORNEL_COMMAND(Escape), .binding = Do(MainSlot::Escape), .key = kEsc},
    // A choice question's keys, while a group answers it: A to F choose, Backspace clears.
    ChooseKey(MainCommand::ChooseA, 0),
    ChooseKey(MainCommand::ChooseB, 1),
    ChooseKey(MainCommand::ChooseC, 2),
    ChooseKey(MainCommand::ChooseD, 3),
    ChooseKey(MainCommand::ChooseE, 4),
    ChooseKey(MainCommand::ChooseF, 5),
    {LORNEL_COMMAND(ClearChoice), .binding = Do(MainSlot::ClearChoice), .key = {0x08},
     .enabled = false},
    // Buzz-in: Space starts it; each group's keys come from the quiz file. Both
    // are the window's only while no edit box takes typing, and only during a buzz.
    {LORNEL_COMMAND(StartBuzzKey), .binding = Do(MainSlot::StartBuzz), .key = kSpace,
     .enabled = false, .yieldsToTyping = true},
    BuzzKey(MainCommand::BuzzKey1, 1), BuzzKey(MainCommand::BuzzKey2, 2),
    BuzzKey(MainCommand::BuzzKey3, 3), BuzzKey(MainCommand::BuzzKey4, 4),
    BuzzKey(MainCommand::BuzzKey5, 5), BuzzKey(MainCommand::BuzzKey6, 6),
    // The ranking's buttons.
    {LORNEL_COMMAND(RanksOnly), .text = "只显示名次", .binding = Do(MainSlot::RanksOnly)},
    {LORNEL_COMMAND(CopyRanking), .text = "复制", .binding = Do(MainSlot::CopyRanking)},
    {LORNEL_COMMAND(CloseRanking), .text = "返回", .binding = Do(MainSlot::CloseRanking)},
    // The system menu; the guide says full screen is its last item.
    {LORNEL_COMMAND(Sounds), .text = "声音", .binding = Do(MainSlot::ToggleSounds), .menus = kSystem,
     .checkable = true},
    {LORNEL_COMMAND(Ranking), .text = "比赛结果\tF9", .binding = Do(MainSlot::ToggleRanking),
     .key = kF9, .menus = kSystem},
    {LORNEL_COMMAND(FullScreen), .text = "全屏显示\tF11", .binding = Do(MainSlot::ToggleFullScreen),
     .key = kF11, .menus = kSystem, .checkable = true},
};
#undef LORNEL_COMMAND
static_assert(std::size(kCommandNames) == std::size(kCommands) && CommandIdsMatchOrder(kCommands));
static_assert(LastInMenu(kCommands, kSystemMenu) == int(MainCommand::FullScreen));

}  // namespace

const Table& MainTable() {
  static constexpr Table table{
      .window = {.caption = platform::kQuizWindowTitle, .outerWidth = 1203, .outerHeight = 773,
                 .storedLeft = 50, .storedTop = 50, .titleBar = true, .minimizeBox = true,
                 .icon = true, .background = kDefaultColour},
      .rows = kRows,
      .commands = kCommands};
  return table;
}

// clang-format on
}  // namespace lornel::quiz
