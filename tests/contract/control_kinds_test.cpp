// The rules of the control kinds, checked on whichever backend this binary has.
#include <gtest/gtest.h>
#include <sys/time.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/contract/sample_table.h"

namespace lornel::contract {
namespace {

using Slot = quiz::MainSlot;

class ControlKinds : public testing::Test {
 protected:
  void SetUp() override { b = MakeBackend(SampleTable()); }
  ui::Form& form() { return b->form(); }
  int Ticks(int arg) { return b->recorder.Count(Slot::CountdownTick, arg); }
  int Clicks(int arg) { return b->recorder.Count(Slot::OpenQuestion, arg); }
  // The milliseconds that really passed since Mark(): the in-memory backend's
  // clock moves exactly as far as it is told, the real one's at least that far
  // and further on a loaded machine. Timer checks go by this, not by the waits
  // asked for, since a late tick is no fault.
  void Mark() { asked_ = 0, from_ = Now(); }
  void Wait(int ms) { b->Wait(ms), asked_ += ms; }
  int Passed() const { return std::max(asked_, static_cast<int>(Now() - from_)); }
  std::unique_ptr<Backend> b;

 private:
  // (Not <chrono>: GCC cannot turn one of its literals into GBK.)
  static std::int64_t Now() {
    timeval t;
    gettimeofday(&t, nullptr);
    return std::int64_t{t.tv_sec} * 1000 + t.tv_usec / 1000;
  }
  int asked_ = 0;
  std::int64_t from_ = Now();
};

TEST_F(ControlKinds, TimerWithEqualIntervalKeepsItsNextTick) {
  form().SetInterval(kTimerA, 300);
  b->Wait(200);
  form().SetInterval(kTimerA, 300);  // no restart: the tick still comes at 300
  b->Wait(170);
  EXPECT_GE(Ticks(1), 1);
  EXPECT_EQ(form().Interval(kTimerA), 300);
}

TEST_F(ControlKinds, TimerWithNewIntervalStartsOneIntervalLater) {
  form().SetInterval(kTimerB, 300);
  b->Wait(200);
  const int before = Ticks(2);  // none, unless the machine held the test past 300
  Mark();
  form().SetInterval(kTimerB, 1);
  form().SetInterval(kTimerB, 300);  // restarted: next tick 300 from now
  Wait(170);
  // Neither the old period's tick, due 100 ms after the restart, nor one of
  // the 1 ms interval, which never got a moment to run.
  if (Passed() < 300) {
    EXPECT_EQ(Ticks(2), before);
  }
  while (Ticks(2) == before && Passed() < 10000) Wait(10);
  EXPECT_GT(Ticks(2), before);
}

TEST_F(ControlKinds, TimerStopsAtZeroOrLess) {
  form().SetInterval(kTimerA, 50);
  b->Wait(200);
  EXPECT_GE(Ticks(1), 1);
  form().SetInterval(kTimerA, 0);
  const int stopped = Ticks(1);
  b->Wait(200);
  EXPECT_EQ(Ticks(1), stopped);
  form().SetInterval(kTimerA, -5);
  b->Wait(150);
  EXPECT_EQ(Ticks(1), stopped);
  EXPECT_EQ(form().Interval(kTimerA), -5);
}

// Stopped about 400 ms into a 600 ms period, resumed: A ticks after the rest
// of its period, then every 600. B, resumed at the same moment without ever
// having run, starts a fresh period of 500, which lies between A's first tick
// and its second: the order of the ticks tells a rest from a fresh period or a
// second rest however late a loaded machine delivers them.
TEST_F(ControlKinds, TimerResumedTicksAfterTheRestOfItsPeriodThenEveryInterval) {
  int ran = 0;
  for (int attempt = 0; attempt < 5; ++attempt) {  // until it stopped before its first tick
    b->recorder.events.clear();
    Mark();
    form().SetInterval(kTimerA, 600);
    Wait(400);
    form().SetInterval(kTimerA, 0);
    ran = Passed();
    if (Ticks(1) == 0 && ran < 500) break;
  }
  ASSERT_EQ(Ticks(1), 0);
  ASSERT_LT(ran, 500);
  Wait(300);
  Mark();
  form().ResumeInterval(kTimerA, 600);
  form().ResumeInterval(kTimerB, 500);
  EXPECT_EQ(form().Interval(kTimerA), 600);
  int firstA = 0, firstB = 0;
  while ((Ticks(1) < 2 || Ticks(2) < 1) && Passed() < 10000) {
    Wait(10);
    if (!firstA && Ticks(1)) firstA = Passed();
    if (!firstB && Ticks(2)) firstB = Passed();
  }
  std::string order;
  for (const auto& e : b->recorder.events)
    if (e.binding.slot == Slot::CountdownTick) order += e.binding.arg == 1 ? 'A' : 'B';
  EXPECT_EQ(order.substr(0, 3), "ABA")
      << "A's first tick after its rest, before B's fresh period; its second a whole "
         "interval later, after B's";
  // Never early (a tick is seen within 10 ms of coming; 15 ms for the clocks).
  EXPECT_GE(firstA, 600 - ran - 15) << "not before the rest of its period";
  EXPECT_GE(firstB, 500 - 15) << "a timer that never ran starts a fresh period";
}

TEST_F(ControlKinds, ProgressWithEmptyRangeShowsNothing) {
  form().SetPosition(kBar, 17);
  EXPECT_EQ(b->ShownPosition(kBar), 0);
  EXPECT_EQ(form().Position(kBar), 17);
}

TEST_F(ControlKinds, ProgressStoresWhatWasWrittenButShowsItClamped) {
  form().SetRangeMax(kBar, 20);
  form().SetPosition(kBar, 30);
  EXPECT_EQ(b->ShownPosition(kBar), 20);
  EXPECT_EQ(form().Position(kBar), 30);
  form().SetPosition(kBar, -5);
  EXPECT_EQ(form().Position(kBar), 0);
  form().SetPosition(kBar, 40000);
  EXPECT_EQ(form().Position(kBar), 32767);
  EXPECT_EQ(b->ShownPosition(kBar), 20);
}

TEST_F(ControlKinds, ProgressPositionBeforeMaximumShowsTheOlderBound) {
  // Position written first is clamped to the old range and not sent again.
  form().SetPosition(kBar, 10);
  form().SetRangeMax(kBar, 10);
  EXPECT_EQ(b->ShownPosition(kBar), 0);
  form().SetPosition(kBar, 9);
  EXPECT_EQ(b->ShownPosition(kBar), 9);
  form().SetPosition(kBar, 5);
  form().SetRangeMax(kBar, 5);
  EXPECT_EQ(b->ShownPosition(kBar), 5);
  form().SetPosition(kBar, 3);
  form().SetRangeMax(kBar, 3);
  EXPECT_EQ(b->ShownPosition(kBar), 3);
}

TEST_F(ControlKinds, HidingAPanelHidesItsChildrenAndShowingRestoresTheirOwnState) {
  form().SetVisible(kRadioB, false);
  form().SetVisible(kPanel, false);
  EXPECT_FALSE(form().IsVisible(kPanelButton));
  EXPECT_FALSE(form().IsVisible(kRadioA));
  form().SetVisible(kPanel, true);
  EXPECT_TRUE(form().IsVisible(kPanelButton));
  EXPECT_TRUE(form().IsVisible(kRadioA));
  EXPECT_FALSE(form().IsVisible(kRadioB));
}

TEST_F(ControlKinds, ClickReachesOnlyEnabledVisibleUncoveredButtons) {
  b->UserClick(kPanelButton);
  EXPECT_EQ(Clicks(1), 1);
  b->UserClick(kDisabledButton);
  EXPECT_EQ(Clicks(2), 0);
  b->UserClick(kCovered);  // the panel lying above takes the click
  EXPECT_EQ(Clicks(3), 0);
  form().SetVisible(kCover, false);
  b->UserClick(kCovered);
  EXPECT_EQ(Clicks(3), 1);
  form().SetVisible(kPanelButton, false);
  b->UserClick(kPanelButton);
  EXPECT_EQ(Clicks(1), 1);
  form().SetEnabled(kDisabledButton, true);
  b->UserClick(kDisabledButton);
  EXPECT_EQ(Clicks(2), 1);
}

TEST_F(ControlKinds, RadioBoxesOfOnePanelAreExclusive) {
  EXPECT_TRUE(form().IsChecked(kRadioA));
  EXPECT_FALSE(form().IsChecked(kRadioB));
  b->UserClick(kRadioB);
  EXPECT_TRUE(form().IsChecked(kRadioB));
  EXPECT_FALSE(form().IsChecked(kRadioA));
  b->UserClick(kRadioA);
  EXPECT_TRUE(form().IsChecked(kRadioA));
  EXPECT_FALSE(form().IsChecked(kRadioB));
}

TEST_F(ControlKinds, LeftButtonOnATransparentLabelIsAnEvent) {
  b->UserClick(kTransLabel);
  EXPECT_EQ(b->recorder.Count(Slot::CancelQuestion, 0), 1);
  form().SetVisible(kTransLabel, false);
  b->UserClick(kTransLabel);
  EXPECT_EQ(b->recorder.Count(Slot::CancelQuestion, 0), 1);
}

TEST_F(ControlKinds, MovesAreClampedAndKeepTheTop) {
  form().SetLeft(kEdit, 75);
  EXPECT_EQ(form().Left(kEdit), 75);
  form().SetLeft(kEdit, 40000);
  EXPECT_EQ(form().Left(kEdit), 32627);
  form().SetLeft(kEdit, -40000);
  EXPECT_EQ(form().Left(kEdit), -32627);
}

TEST_F(ControlKinds, TextsRoundTripWhateverTheirLength) {
  const std::string chinese = "北京 & 上海";
  form().SetText(kLabel, chinese);
  EXPECT_EQ(form().Text(kLabel), chinese);
  form().SetText(kTransLabel, "");
  EXPECT_EQ(form().Text(kTransLabel), "");
  std::string huge;
  for (int i = 0; i < 50000; ++i) huge += "题";  // 100,000 bytes
  form().SetText(kLabel, huge);
  EXPECT_EQ(form().Text(kLabel), huge);
  form().SetText(kEdit, "答案");
  EXPECT_EQ(form().Text(kEdit), "答案");
}

TEST_F(ControlKinds, EnablingIsTheControlsOwnState) {
  EXPECT_FALSE(form().IsEnabled(kDisabledButton));
  form().SetEnabled(kPanelButton, false);
  EXPECT_FALSE(form().IsEnabled(kPanelButton));
  form().SetVisible(kPanel, false);  // hiding is not disabling
  EXPECT_TRUE(form().IsEnabled(kRadioA));
}

}  // namespace
}  // namespace lornel::contract
