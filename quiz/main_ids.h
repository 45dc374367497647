// The main window's controls in table order. The order is the stacking order:
// an earlier control lies above every later sibling.
#pragma once

#include <cstdint>

#include "ui/table.h"

// clang-format off
#define LORNEL_MAIN_CONTROLS(X) \
  X(分组框21) X(按钮31) X(分组框3) X(透明标签13) X(按钮15) X(单选框6) \
  X(单选框5) X(单选框4) X(单选框3) X(单选框2) X(单选框1) X(透明标签8) \
  X(分组框4) X(标签15) X(分组框6) X(时钟2) X(进度条1) X(透明标签12) \
  X(分组框5) X(透明标签11) X(按钮16) X(时钟1) X(透明标签10) X(透明标签9) \
  X(分组框2) X(透明标签6) X(透明标签5) X(透明标签4) X(透明标签3) X(透明标签7) \
  X(透明标签2) X(透明标签1) X(分组框1) X(分组框20) X(标签14) X(分组框19) \
  X(标签13) X(分组框18) X(标签12) X(分组框17) X(标签11) X(分组框16) \
  X(标签10) X(分组框15) X(标签9) X(分组框14) X(标签8) X(分组框13) \
  X(标签7) X(分组框12) X(标签6) X(分组框11) X(标签5) X(分组框10) \
  X(标签4) X(分组框9) X(标签3) X(分组框8) X(标签2) X(分组框22) \
  X(时钟19) X(按钮50) X(时钟18) X(按钮49) X(图片框1) X(标签18) \
  X(标签17) X(按钮47) X(按钮48) X(按钮51) X(按钮46) X(按钮45) X(按钮44) \
  X(按钮43) X(按钮42) X(按钮41) X(按钮40) X(按钮39) X(按钮38) \
  X(按钮37) X(按钮36) X(按钮35) X(按钮34) X(按钮33) X(按钮32) \
  X(按钮30) X(按钮29) X(按钮28) X(按钮27) X(按钮26) X(按钮25) \
  X(按钮24) X(按钮23) X(按钮22) X(按钮21) X(按钮20) X(按钮19) \
  X(按钮18) X(按钮17) X(编辑框1) X(标签16) X(时钟17) X(时钟16) \
  X(时钟15) X(时钟14) X(时钟13) X(时钟12) X(时钟11) X(时钟10) \
  X(时钟9) X(时钟8) X(时钟7) X(时钟6) X(时钟5) X(时钟4) \
  X(时钟3) X(分组框7) X(标签1) X(按钮7) X(按钮11) X(按钮14) \
  X(按钮13) X(按钮12) X(按钮10) X(按钮9) X(按钮8) X(按钮6) \
  X(按钮5) X(按钮4) X(按钮3) X(按钮2) X(按钮1)
// clang-format on

namespace lornel::quiz {

enum class MainId : int {
#define LORNEL_ID(name) name,
  LORNEL_MAIN_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};

inline constexpr int kMainControlCount = 132;

// The main window's handlers (the quiz's); the question, the lock timer's
// question and the virtual key travel in Binding::arg.
enum class MainSlot : std::uint8_t {
  None,
  ConfigCheckOnStart,
  OpenQuestion,
  CancelQuestion,
  NextQuestion,
  LockScanTick,
  LockTick,
  CheckAnswer,
  ShakeTick,
  RevealAnswer,
  SimulateKeyPress,
  CountdownTick,
  RevealGuardTick,
  ConfirmGroup,
  ChangeGroup,
  ScoreMirrorTick,
  ScoreMenu,  // arg: the group of a score label, 0 for the score sentence
  SwitchKeyLayer,
  RulingMenu,
  CountdownMenu,
  CountdownPause,
  EnlargePicture,  // a left button down on a question label
};

// The main window's control table: rows indexed by MainId, in table order.
const ui::Table& MainTable();

}  // namespace lornel::quiz
