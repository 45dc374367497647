#include "tests/contract/sample_table.h"

#include "quiz/main_ids.h"

namespace lornel::contract {
namespace {

using ui::Binding, ui::Event, ui::Kind;
using Slot = quiz::MainSlot;  // the sample rows borrow the main window's handlers

constexpr Binding Click(int arg) { return {Event::Click, Slot::OpenQuestion, arg}; }

constexpr ui::Row kSampleRows[] = {
    {.id = kCover, .name = u8"cover", .kind = Kind::GroupBox, .rect = {300, 10, 120, 80}},
    {.id = kCovered,
     .name = u8"covered",
     .kind = Kind::Button,
     .rect = {320, 30, 60, 30},
     .caption = "B",
     .bindings = {Click(3)}},
    {.id = kPanel,
     .name = u8"panel",
     .kind = Kind::GroupBox,
     .rect = {10, 10, 280, 180},
     .caption = "面板"},
    {.id = kPanelButton,
     .name = u8"panelButton",
     .kind = Kind::Button,
     .parent = kPanel,
     .rect = {10, 20, 100, 30},
     .caption = "按钮",
     .tabStop = true,
     .bindings = {Click(1)}},
    {.id = kRadioA,
     .name = u8"radioA",
     .kind = Kind::RadioBox,
     .parent = kPanel,
     .rect = {10, 60, 120, 24},
     .caption = "甲",
     .checked = true},
    {.id = kRadioB,
     .name = u8"radioB",
     .kind = Kind::RadioBox,
     .parent = kPanel,
     .rect = {10, 90, 120, 24},
     .caption = "乙"},
    {.id = kDisabledButton,
     .name = u8"disabled",
     .kind = Kind::Button,
     .rect = {10, 200, 100, 30},
     .caption = "停",
     .enabled = false,
     .bindings = {Click(2)}},
    {.id = kTimerA,
     .name = u8"timerA",
     .kind = Kind::Timer,
     .rect = {0, 0, 10, 10},
     .visible = false,
     .bindings = {{Event::Tick, Slot::CountdownTick, 1}}},
    {.id = kTimerB,
     .name = u8"timerB",
     .kind = Kind::Timer,
     .rect = {0, 0, 10, 10},
     .visible = false,
     .bindings = {{Event::Tick, Slot::CountdownTick, 2}}},
    {.id = kBar,
     .name = u8"bar",
     .kind = Kind::ProcessBar,
     .rect = {120, 200, 200, 20},
     .edge = ui::Edge::ThinSunken},
    {.id = kLabel,
     .name = u8"label",
     .kind = Kind::Label,
     .rect = {10, 240, 200, 40},
     .caption = "标签"},
    {.id = kTransLabel,
     .name = u8"trans",
     .kind = Kind::TransLabel,
     .rect = {220, 240, 150, 30},
     .caption = "透明",
     .bindings = {{Event::LeftButtonDown, Slot::CancelQuestion, 0}}},
    {.id = kEdit,
     .name = u8"edit",
     .kind = Kind::EditBox,
     .rect = {10, 290, 200, 30},
     .background = ui::Hex(0xFFFFFF),
     .tabStop = true,
     .edge = ui::Edge::Sunken},
};
static_assert(ui::IdsMatchOrder(kSampleRows));

}  // namespace

const ui::Table& SampleTable() {
  static const ui::Table table{
      {.caption = "样本", .outerWidth = 460, .outerHeight = 380, .titleBar = true}, kSampleRows};
  return table;
}

}  // namespace lornel::contract
