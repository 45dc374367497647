// What a choice question asks of a window, on whichever backend this binary
// has: option buttons that click, keep their look and caption and measure
// it at their smallest font, and an answer box that can be made read-only.
#include <gtest/gtest.h>

#include "tests/contract/backend.h"

namespace lornel::contract::option {
namespace {

using ui::Event;
using ui::Kind;
using Verdict = ui::OptionLook::Verdict;
enum class Slot : std::uint8_t { None, Chosen };

enum : int { kBox, kOption };

constexpr ui::Row kRows[] = {
    {.id = kBox,
     .kind = Kind::EditBox,
     .rect = {8, 8, 200, 40},
     .font = {"", 24},
     .background = ui::Hex(0xFFFFFF),
     .tabStop = true,
     .edge = ui::Edge::Sunken},
    {.id = kOption,
     .kind = Kind::OptionButton,
     .rect = {8, 60, 348, 76},
     .font = {"", 36},
     .bindings = {{Event::Click, Slot::Chosen, 2}}},
};

class Options : public testing::Test {
 protected:
  void SetUp() override {
    static const ui::Table table{
        .window = {.caption = "options", .outerWidth = 400, .outerHeight = 200}, .rows = kRows};
    b = MakeBackend(table);
  }
  ui::Form& form() { return b->form(); }
  int Clicks() { return b->recorder.Count(Slot::Chosen, 2); }
  std::unique_ptr<Backend> b;
};

TEST_F(Options, AnOptionClicksWhileShownAndEnabledAndKeepsItsLookAndCaption) {
  form().SetText(kOption, "A 太平洋");
  const ui::OptionLook right{true, Verdict::Right};
  form().SetOptionLook(kOption, right);
  b->Wait(50);
  EXPECT_EQ(form().Text(kOption), "A 太平洋");
  EXPECT_EQ(form().OptionLookOf(kOption), right);
  b->UserClick(kOption);
  EXPECT_EQ(Clicks(), 1);
  form().SetEnabled(kOption, false);
  b->UserClick(kOption);
  form().SetEnabled(kOption, true);
  form().SetVisible(kOption, false);
  b->UserClick(kOption);
  EXPECT_EQ(Clicks(), 1);
  EXPECT_EQ(form().OptionLookOf(kOption), right);
}

TEST_F(Options, AReadOnlyBoxTakesNoTypingButTheProgramsText) {
  form().SetReadOnly(kBox, true);
  EXPECT_TRUE(form().IsReadOnly(kBox));
  b->UserPressKey(kBox, {'G'});
  b->UserPressKey(kBox, {0x08});  // Backspace
  EXPECT_EQ(form().Text(kBox), "");
  form().SetText(kBox, "AC");
  EXPECT_EQ(form().Text(kBox), "AC");
  form().SetReadOnly(kBox, false);
  form().SetText(kBox, "");
  b->UserPressKey(kBox, {'G'});
  EXPECT_EQ(form().Text(kBox), "g");
}

TEST_F(Options, AnOptionsCaptionIsMeasuredAtItsSmallestFontBesideItsMark) {
  const auto fit = form().MeasureCaption(kOption, u"太平洋");
  EXPECT_EQ(fit.linesNeeded, 1);
  EXPECT_EQ(fit.linesShown, 2);  // 76 pixels less the frame and padding: two lines of 24
  EXPECT_FALSE(form().MeasureCaption(kOption, std::u16string(60, u'洋')).fits());
}

}  // namespace
}  // namespace lornel::contract::option
