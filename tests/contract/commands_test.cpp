// A window's command table on whichever backend this binary has: its system
// menu and popup menus as the states say, the commands they raise, and keys
// taken before the focused control while their command is enabled.
#include <gtest/gtest.h>

#include <iterator>

#include "tests/contract/backend.h"

namespace lornel::contract::commands {
namespace {

using ui::Event;
enum class Slot : std::uint8_t { None, First, Second, Letter, Function, Last, Buzz };
enum class Menu : std::uint8_t { System, Popup };
enum : int { kTitle, kFirst, kSeparator, kSecond, kLetter, kFunction, kLast, kBuzz };
enum : int { kEdit, kButton };
constexpr int kVkF9 = 0x78;

constexpr ui::Row kRows[] = {
    {.id = kEdit, .kind = ui::Kind::EditBox, .rect = {8, 8, 200, 28}, .tabStop = true},
    {.id = kButton, .kind = ui::Kind::Button, .rect = {8, 44, 96, 32}, .caption = "OK"},
};

constexpr ui::Binding Do(Slot slot, int arg = 0) { return {Event::Command, slot, arg}; }
constexpr ui::Menus kBoth = ui::Menus(Menu::Popup) | Menu::System;

constexpr ui::Command kCommands[] = {
    {.id = kTitle, .text = "标题", .menus = Menu::Popup},
    {.id = kFirst,
     .text = "第一项",
     .binding = Do(Slot::First, 3),
     .menus = kBoth,
     .checkable = true},
    {.id = kSeparator, .menus = Menu::Popup},
    {.id = kSecond,
     .text = "第二项\tCtrl+Q",
     .binding = Do(Slot::Second),
     .key = {'Q', true},
     .menus = Menu::Popup},
    {.id = kLetter, .binding = Do(Slot::Letter), .key = {'A'}, .enabled = false},
    {.id = kFunction, .binding = Do(Slot::Function), .key = {kVkF9}},
    {.id = kLast, .text = "最后", .binding = Do(Slot::Last), .menus = Menu::System},
    // Keys of its own only when a state gives them, and typing goes first.
    {.id = kBuzz, .binding = Do(Slot::Buzz, 2), .yieldsToTyping = true},
};
static_assert(ui::CommandIdsMatchOrder(kCommands));

const ui::Table& CommandTable() {
  static const ui::Table table{
      .window = {.caption = "commands", .outerWidth = 260, .outerHeight = 140},
      .rows = kRows,
      .commands = kCommands};
  return table;
}

// "text" with "(grey)" and "(v)" as shown, "--" a separator, " | " between.
std::string Show(const std::vector<ui::MenuLine>& lines) {
  std::string shown;
  for (const ui::MenuLine& l : lines) {
    if (!shown.empty()) shown += " | ";
    shown +=
        l.text.empty() ? "--" : l.text + (l.enabled ? "" : "(grey)") + (l.checked ? "(v)" : "");
  }
  return shown;
}

class Commands : public testing::Test {
 protected:
  void SetUp() override { b = MakeBackend(CommandTable()); }
  ui::Form& form() { return b->form(); }
  // The events since the last call, as "slot:arg@command", each raised by no control.
  std::string Raised() {
    std::string raised;
    for (const ui::ControlEvent& e : b->recorder.events) {
      EXPECT_EQ(e.control, -1);
      EXPECT_EQ(e.binding.event, Event::Command);
      raised += std::to_string(int(e.binding.slot.As<Slot>())) + ":" +
                std::to_string(e.binding.arg) + "@" + std::to_string(e.command) + " ";
    }
    b->recorder.events.clear();
    return raised;
  }
  std::unique_ptr<Backend> b;
};

TEST_F(Commands, TheSystemMenuListsItsRowsAfterASeparatorAsTheirStatesSay) {
  EXPECT_EQ(Show(b->SystemMenu()), "-- | 第一项 | 最后");
  form().SetCommandState(kFirst, {"改过", false, true});
  form().SetCommandState(kLast, {"", true, true});  // no check mark on a row without one
  EXPECT_EQ(Show(b->SystemMenu()), "-- | 改过(grey)(v) | 最后");
  EXPECT_EQ(form().CommandStateOf(kFirst).text, "改过");

  b->UserChooseFromSystemMenu(kLast);
  EXPECT_EQ(Raised(), "5:0@6 ");
  b->UserChooseFromSystemMenu(kFirst);  // greyed
  EXPECT_EQ(Raised(), "");
  form().SetCommandState(kFirst, {});
  b->UserChooseFromSystemMenu(kFirst);
  EXPECT_EQ(Raised(), "1:3@1 ");
}

TEST_F(Commands, APopupShowsItsRowsInOrderAndRaisesTheChoiceWithItsArg) {
  EXPECT_EQ(b->UserChooseFromPopup(int(Menu::Popup), 7, kSecond), kSecond);
  EXPECT_EQ(Show(b->shown), "标题(grey) | 第一项 | -- | 第二项\tCtrl+Q");
  EXPECT_EQ(Raised(), "2:7@3 ");

  form().SetCommandState(kFirst, {"", true, true});
  form().SetCommandState(kSecond, {"换了", false});
  EXPECT_EQ(b->UserChooseFromPopup(int(Menu::Popup), 9, kFirst), kFirst);
  EXPECT_EQ(Show(b->shown), "标题(grey) | 第一项(v) | -- | 换了\tCtrl+Q(grey)");
  EXPECT_EQ(Raised(), "1:9@1 ");
  EXPECT_EQ(b->UserChooseFromPopup(int(Menu::Popup), 9, kSecond), -1) << "greyed";
  EXPECT_EQ(b->UserChooseFromPopup(int(Menu::Popup), 9, kTitle), -1);
  EXPECT_EQ(b->UserChooseFromPopup(int(Menu::Popup), 9, -1), -1) << "dismissed";
  EXPECT_EQ(Raised(), "");
}

TEST_F(Commands, AKeyRaisesItsEnabledCommandBeforeTheFocusedControl) {
  b->UserPressKey(kEdit, {'A'});  // its command is greyed: the key is the box's
  EXPECT_EQ(form().Text(kEdit), "a");
  EXPECT_EQ(Raised(), "");
  form().SetCommandState(kLetter, {});
  b->UserPressKey(kEdit, {'A'});
  EXPECT_EQ(form().Text(kEdit), "a");
  b->UserPressKey(kEdit, {'Q', true});
  b->UserPressKey(kButton, {kVkF9});
  b->UserPressKey(kButton, {kVkF9, false, true});  // Shift+F9 is another key
  EXPECT_EQ(Raised(), "3:0@4 2:0@3 4:0@5 ");
}

// A buzzer box types keys that the quiz file names: they come with their key
// message's own time, and while an edit box has the focus they type there.
TEST_F(Commands, KeysAStateGivesComeWithTheirOwnTimeAndGiveWayToTyping) {
  constexpr int kVkNumpad1 = 0x61;
  form().SetCommandState(kBuzz, {"", true, false, {'1', kVkNumpad1}});
  b->UserPressKey(kButton, {'1'}, 700000);
  b->UserPressKey(kButton, {kVkNumpad1}, 700005);
  b->UserPressKey(kButton, {'1', true});  // Ctrl+1 is another key
  std::vector<std::uint32_t> times;
  for (const ui::ControlEvent& e : b->recorder.events) times.push_back(e.time);
  EXPECT_EQ(Raised(), "6:2@7 6:2@7 ");
  EXPECT_EQ(times, (std::vector<std::uint32_t>{700000, 700005}));
  b->UserPressKey(kEdit, {'1'});
  EXPECT_EQ(form().Text(kEdit), "1");
  EXPECT_EQ(Raised(), "");
  form().SetCommandState(kBuzz, {"", false, false, {'1'}});
  b->UserPressKey(kButton, {'1'});
  EXPECT_EQ(Raised(), "") << "greyed";
}

}  // namespace
}  // namespace lornel::contract::commands
