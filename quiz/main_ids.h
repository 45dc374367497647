// The main window's controls in table order, by role; each row keeps its table
// name. The order is the stacking order: an earlier control lies above every
// later sibling.
#pragma once

#include <cstdint>

#include "ui/table.h"

// clang-format off
#define LORNEL_MAIN_CONTROLS(X) \
  X(StartCover, 分组框21) X(ResumeButton, 按钮52) X(StartButton, 按钮31) X(GroupPanel, 分组框3) X(CancelQuestionLink, 透明标签13) \
  X(ConfirmGroupButton, 按钮15) X(DrawButton, 按钮65) X(DrawTimer, 时钟20) X(Drawn1, 透明标签14) \
  X(Drawn2, 透明标签15) X(Drawn3, 透明标签16) X(Drawn4, 透明标签17) X(Drawn5, 透明标签18) X(Drawn6, 透明标签19) \
  X(GroupRadio6, 单选框6) X(GroupRadio5, 单选框5) X(GroupRadio4, 单选框4) \
  X(GroupRadio3, 单选框3) X(GroupRadio2, 单选框2) X(GroupRadio1, 单选框1) X(GroupPrompt, 透明标签8) \
  X(MarkPanel, 分组框24) X(MarkConfirmButton, 按钮75) X(MarkToggle1, 选择框1) X(MarkToggle2, 选择框2) \
  X(MarkToggle3, 选择框3) X(MarkToggle4, 选择框4) X(MarkToggle5, 选择框5) X(MarkToggle6, 选择框6) \
  X(MarkPrompt, 透明标签21) \
  X(InfoBar, 分组框4) X(CountdownNumber, 标签15) X(CountdownPanel, 分组框6) X(CountdownTimer, 时钟2) \
  X(CountdownBar, 进度条1) X(InfoText, 透明标签12) X(AnsweringPanel, 分组框5) X(AnsweringScore, 透明标签11) \
  X(ChangeGroupButton, 按钮16) X(ScoreMirrorTimer, 时钟1) X(AnsweringGroup, 透明标签10) X(AnsweringSentence, 透明标签9) \
  X(ScoreBar, 分组框2) X(Score5, 透明标签6) X(Score4, 透明标签5) X(Score3, 透明标签4) \
  X(Score2, 透明标签3) X(Score6, 透明标签7) X(Score1, 透明标签2) X(ScoreSentence, 透明标签1) \
  X(QuestionArea, 分组框1) X(QuestionPanel14, 分组框20) X(QuestionLabel14, 标签14) X(QuestionPanel13, 分组框19) \
  X(QuestionLabel13, 标签13) X(QuestionPanel12, 分组框18) X(QuestionLabel12, 标签12) X(QuestionPanel11, 分组框17) \
  X(QuestionLabel11, 标签11) X(QuestionPanel10, 分组框16) X(QuestionLabel10, 标签10) X(QuestionPanel9, 分组框15) \
  X(QuestionLabel9, 标签9) X(QuestionPanel8, 分组框14) X(QuestionLabel8, 标签8) X(QuestionPanel7, 分组框13) \
  X(QuestionLabel7, 标签7) X(QuestionPanel6, 分组框12) X(QuestionLabel6, 标签6) X(QuestionPanel5, 分组框11) \
  X(QuestionLabel5, 标签5) X(QuestionPanel4, 分组框10) X(QuestionLabel4, 标签4) X(QuestionPanel3, 分组框9) \
  X(QuestionLabel3, 标签3) X(QuestionPanel2, 分组框8) X(QuestionLabel2, 标签2) X(AnswerPanel, 分组框22) \
  X(BuzzPanel, 分组框23) X(StartBuzzButton, 按钮67) X(BuzzCancelLink, 透明标签20) X(JudgeButton, 按钮74) \
  X(BuzzGroup1, 按钮68) X(BuzzGroup2, 按钮69) X(BuzzGroup3, 按钮70) X(BuzzGroup4, 按钮71) \
  X(BuzzGroup5, 按钮72) X(BuzzGroup6, 按钮73) \
  X(RevealGuard, 时钟19) X(RevealButton, 按钮50) X(ShakeTimer, 时钟18) X(NextQuestionButton, 按钮49) \
  X(AnswerCover, 图片框1) X(CorrectAnswer, 标签18) X(CorrectAnswerCaption, 标签17) X(CheckButton, 按钮47) \
  X(KeyEnter, 按钮48) X(KeyLayer, 按钮51) X(KeyFullStop, 按钮46) X(KeyComma, 按钮45) \
  X(KeyM, 按钮44) X(KeyN, 按钮43) X(KeyB, 按钮42) X(KeyV, 按钮41) \
  X(KeyC, 按钮40) X(KeyX, 按钮39) X(KeyZ, 按钮38) X(KeyL, 按钮37) \
  X(KeyK, 按钮36) X(KeyJ, 按钮35) X(KeyH, 按钮34) X(KeyG, 按钮33) \
  X(KeyF, 按钮32) X(KeyD, 按钮30) X(KeyS, 按钮29) X(KeyA, 按钮28) \
  X(KeyBackspace, 按钮27) X(KeyP, 按钮26) X(KeyO, 按钮25) X(KeyI, 按钮24) \
  X(KeyU, 按钮23) X(KeyY, 按钮22) X(KeyT, 按钮21) X(KeyR, 按钮20) \
  X(KeyE, 按钮19) X(KeyW, 按钮18) X(KeyQ, 按钮17) \
  X(OptionPairA, 按钮53) X(OptionPairB, 按钮54) X(OptionFourA, 按钮55) X(OptionFourB, 按钮56) \
  X(OptionFourC, 按钮57) X(OptionFourD, 按钮58) X(OptionSixA, 按钮59) X(OptionSixB, 按钮60) \
  X(OptionSixC, 按钮61) X(OptionSixD, 按钮62) X(OptionSixE, 按钮63) X(OptionSixF, 按钮64) \
  X(AnswerBox, 编辑框1) \
  X(AnswerBoxCaption, 标签16) X(LockTimer14, 时钟17) X(LockTimer13, 时钟16) X(LockTimer12, 时钟15) \
  X(LockTimer11, 时钟14) X(LockTimer10, 时钟13) X(LockTimer9, 时钟12) X(LockTimer8, 时钟11) \
  X(LockTimer7, 时钟10) X(LockTimer6, 时钟9) X(LockTimer5, 时钟8) X(LockTimer4, 时钟7) \
  X(LockTimer3, 时钟6) X(LockTimer2, 时钟5) X(LockTimer1, 时钟4) X(LockScanTimer, 时钟3) \
  X(QuestionPanel1, 分组框7) X(QuestionLabel1, 标签1) X(RankingButton, 按钮66) X(QuestionButton7, 按钮7) \
  X(QuestionButton11, 按钮11) \
  X(QuestionButton14, 按钮14) X(QuestionButton13, 按钮13) X(QuestionButton12, 按钮12) X(QuestionButton10, 按钮10) \
  X(QuestionButton9, 按钮9) X(QuestionButton8, 按钮8) X(QuestionButton6, 按钮6) X(QuestionButton5, 按钮5) \
  X(QuestionButton4, 按钮4) X(QuestionButton3, 按钮3) X(QuestionButton2, 按钮2) X(QuestionButton1, 按钮1)
// clang-format on

namespace lornel::quiz {

enum class MainId : int {
#define LORNEL_ID(role, name) role,
  LORNEL_MAIN_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};

inline constexpr int kMainControlCount = 173;

// The main window's handlers (the quiz's); the question and the virtual key
// travel in Binding::arg.
enum class MainSlot : std::uint8_t {
  None,
  ConfigCheckOnStart,
  OpenQuestion,
  CancelQuestion,
  NextQuestion,
  CheckAnswer,
  ShakeTick,
  RevealAnswer,
  SimulateKeyPress,
  CountdownTick,
  ConfirmGroup,
  ChangeGroup,
  ScoreMenu,  // arg: the group of a score label, 0 for the score sentence
  SwitchKeyLayer,
  RulingMenu,
  CountdownMenu,
  CountdownPause,
  EnlargePicture,  // a left button down on a question label
  ResumeLesson,
  ChooseOption,  // arg: the option, 0 for A; an option button or a key A to F
  // Buzz-in and all groups at once; the group travels in arg.
  BuzzKey,  // a group's key, or the teacher's button for the group
  StartBuzz,
  JudgeAnswers,  // "判分"
  ToggleMark,
  AwardMarks,
  // Commands (MainCommand): the score bar's items take the group in arg.
  Undo,
  AddPoints,
  SubtractPoints,
  ClearScore,
  CopyScores,
  AddTenSeconds,
  TakeTenSeconds,
  RuleCorrect,
  ToggleSounds,
  ToggleFullScreen,
  ClearChoice,  // Backspace while a choice question is answered
  Escape,       // the ranking closes, else an enlarged picture, else full screen ends
  // The random group's button and its highlight's timer; the ranking's commands.
  DrawGroup,
  DrawTick,
  ToggleRanking,
  RanksOnly,
  CopyRanking,
  CloseRanking,
};

// The main window's menus: the system menu, then its popup menus.
enum class MainMenu : std::uint8_t { System, ScoreBar, Countdown, Ruling };
static_assert(static_cast<int>(MainMenu::System) == ui::kSystemMenu);

// The main window's commands in table order: the popup menus' items, the
// keys, and the system menu's items in the order they are listed there.
// clang-format off
#define LORNEL_MAIN_COMMANDS(X) \
  X(Undo) X(UndoSeparator) X(ScoreTitle) X(AddPoints) X(SubtractPoints) X(ClearScore) X(ScoreSeparator) X(CopyScores) \
  X(PauseCountdown) X(AddTenSeconds) X(TakeTenSeconds) X(RuleCorrect) X(PauseKey) X(Escape) \
  X(ChooseA) X(ChooseB) X(ChooseC) X(ChooseD) X(ChooseE) X(ChooseF) X(ClearChoice) \
  X(StartBuzzKey) X(BuzzKey1) X(BuzzKey2) X(BuzzKey3) X(BuzzKey4) X(BuzzKey5) X(BuzzKey6) \
  X(RanksOnly) X(CopyRanking) X(CloseRanking) \
  X(Sounds) X(Ranking) X(FullScreen)
// clang-format on

enum class MainCommand : int {
#define LORNEL_ID(role) role,
  LORNEL_MAIN_COMMANDS(LORNEL_ID)
#undef LORNEL_ID
};

// The main window's control table: rows indexed by MainId, in table order.
const ui::Table& MainTable();

}  // namespace lornel::quiz
