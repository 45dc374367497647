// Every declared kind of event reaches the sink on whichever backend this
// binary has, with the control and the place.
#include <gtest/gtest.h>

#include "tests/contract/backend.h"
#include "ui/kinds.h"

namespace lornel::contract::event_kinds {
namespace {

using ui::Event, ui::Kind;

enum class Slot : std::uint8_t { None, Clicked, Menu, Pressed, Ticked, Edited, PanelMenu, Focused };
enum : int { kPanel, kButton, kLabel, kTimer, kEdit, kBar, kCount };

constexpr ui::Row kRows[] = {
    {.id = kPanel,
     .kind = Kind::GroupBox,
     .rect = {8, 8, 400, 200},
     .bindings = {{{Event::ContextMenu, Slot::PanelMenu}}}},
    {.id = kButton,
     .kind = Kind::Button,
     .parent = kPanel,
     .rect = {16, 24, 96, 40},
     .caption = "Button",
     .bindings = {{{Event::Click, Slot::Clicked}, {Event::ContextMenu, Slot::Menu}}}},
    {.id = kLabel,
     .kind = Kind::Label,
     .parent = kPanel,
     .rect = {128, 24, 96, 40},
     .caption = "Label",
     .bindings = {{{Event::LeftButtonDown, Slot::Pressed}}}},
    {.id = kTimer,
     .kind = Kind::Timer,
     .parent = kPanel,
     .rect = {240, 24, 32, 32},
     .visible = false,
     .bindings = {{{Event::Tick, Slot::Ticked}}}},
    {.id = kEdit,
     .kind = Kind::EditBox,
     .parent = kPanel,
     .rect = {16, 80, 200, 32},
     .tabStop = true,
     .bindings = {{{Event::TextChanged, Slot::Edited}, {Event::Focused, Slot::Focused}}}},
    {.id = kBar,
     .kind = Kind::ProcessBar,
     .parent = kPanel,
     .rect = {16, 128, 200, 24},
     .rangeMax = 10},
};
static_assert(std::size(kRows) == kCount && ui::IdsMatchOrder(kRows));

const ui::Table& EventTable() {
  static const ui::Table table{
      .window = {.caption = "events", .outerWidth = 440, .outerHeight = 260}, .rows = kRows};
  return table;
}

class EventKinds : public testing::Test {
 protected:
  void SetUp() override { b = MakeBackend(EventTable()); }
  // The one event the last delivery raised.
  ui::ControlEvent Only() {
    EXPECT_EQ(b->recorder.events.size(), 1u);
    ui::ControlEvent e = b->recorder.events.empty() ? ui::ControlEvent{} : b->recorder.events[0];
    b->recorder.events.clear();
    return e;
  }
  std::unique_ptr<Backend> b;
};

TEST_F(EventKinds, EveryKindReachesTheSinkFromItsControl) {
  struct Case {
    int control;
    Event kind;
    Slot slot;
    bool placed;  // the event says where it happened
  };
  const Case cases[] = {
      {kButton, Event::Click, Slot::Clicked, false},
      {kButton, Event::ContextMenu, Slot::Menu, true},
      {kLabel, Event::LeftButtonDown, Slot::Pressed, true},
      {kTimer, Event::Tick, Slot::Ticked, false},
      {kEdit, Event::TextChanged, Slot::Edited, false},
      {kEdit, Event::Focused, Slot::Focused, false},
  };
  int kinds = 0;
  for (const Case& c : cases) {
    b->Deliver(c.control, c.kind, 5, 7);
    const ui::ControlEvent e = Only();
    EXPECT_EQ(e.binding.event, c.kind);
    EXPECT_EQ(e.binding.slot, ui::Slot(c.slot));
    EXPECT_EQ(e.control, c.control);
    if (c.placed) EXPECT_EQ((std::pair{e.x, e.y}), (std::pair{5, 7})) << int(c.kind);
    for (Event declared : ui::kEventKinds) kinds += declared == c.kind;
  }
  EXPECT_EQ(kinds, static_cast<int>(std::size(ui::kEventKinds)));  // each declared kind once
}

TEST_F(EventKinds, ARightClickGoesUpToTheFirstPanelBoundToIt) {
  b->UserRightClick(kButton);  // bound itself: the panel never hears of it
  EXPECT_EQ(Only().binding.slot, ui::Slot(Slot::Menu));
  b->UserRightClick(kBar);
  const ui::ControlEvent e = Only();
  EXPECT_EQ(e.binding.slot, ui::Slot(Slot::PanelMenu));
  EXPECT_EQ(e.control, kPanel);
  EXPECT_NEAR(e.x, 16 + 100, 2);  // the bar's centre, in the panel's own units
  EXPECT_NEAR(e.y, 128 + 12, 2);
}

}  // namespace
}  // namespace lornel::contract::event_kinds
