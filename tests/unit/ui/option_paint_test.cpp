// How an option button is painted, without GDI: what tells the looks apart
// besides colour, where the caption goes, and how far it shrinks.
#include "ui/option_paint.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace lornel::ui {
namespace {

using Verdict = OptionLook::Verdict;

TEST(OptionPaint, EveryLookReadsByFrameAndMarkAloneAndTheCaptionNeverMoves) {
  const Size button{348, 76};
  const OptionLook looks[] = {{}, {true}, {false, Verdict::Right}, {true, Verdict::Wrong}};
  const OptionPaint plain = PlanOption(button, {}, false, {});
  std::set<std::pair<int, OptionMark>> seen;
  for (const OptionLook& look : looks) {
    const OptionPaint p = PlanOption(button, look, false, {});
    seen.insert({p.frameWidth, p.shape});
    EXPECT_EQ(p.textBox, plain.textBox);
    EXPECT_EQ(p.markBox, plain.markBox);
    EXPECT_GE(p.textBox.left, p.markBox.right());
    EXPECT_LE(p.textBox.right(), button.width - p.frameWidth);
    for (const auto& stroke : MarkStrokes(p.shape, p.markBox))
      for (const Point& at : stroke) {
        EXPECT_TRUE(at.x >= p.markBox.left && at.x <= p.markBox.right());
        EXPECT_TRUE(at.y >= p.markBox.top && at.y <= p.markBox.bottom());
      }
  }
  EXPECT_EQ(seen.size(), std::size(looks));
  // The right option's frame is the thick one, and a press shows on the face.
  EXPECT_GT(PlanOption(button, looks[2], false, {}).frameWidth, plain.frameWidth);
  EXPECT_NE(PlanOption(button, {}, true, {}).face, plain.face);
  // Scaled up, the frame and the mark grow with the button; a tiny one keeps no negative box.
  const OptionPaint large = PlanOption({522, 114}, looks[1], false, Scale::FromPermille(1500));
  EXPECT_EQ(large.frameWidth, 12);
  EXPECT_EQ(large.markBox.width, 42);
  const OptionPaint tiny = PlanOption({10, 6}, looks[1], false, {});
  EXPECT_GE(tiny.textBox.width, 0);
  EXPECT_GE(tiny.markBox.width, 0);
}

TEST(OptionPaint, ACaptionShrinksInStepsToTheSmallestFontAndNoFurther) {
  std::set<int> tried;
  EXPECT_EQ(FitOptionFont(36, [&](int h) { return tried.insert(h), h <= 30; }), 30);
  EXPECT_EQ(tried, (std::set<int>{36, 34, 32, 30}));
  EXPECT_EQ(FitOptionFont(36, [](int) { return false; }), kSmallestOptionFont);
  EXPECT_EQ(FitOptionFont(20, [](int) { return false; }), 20);  // never above the row's own
}

}  // namespace
}  // namespace lornel::ui
