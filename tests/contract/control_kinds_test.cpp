// The rules of the control kinds, checked on whichever backend this binary has.
#include <gtest/gtest.h>

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
  std::unique_ptr<Backend> b;
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
  form().SetInterval(kTimerB, 1);
  form().SetInterval(kTimerB, 300);  // restarted: next tick 300 from now
  b->Wait(170);
  const int afterRestart = Ticks(2);
  b->Wait(250);
  EXPECT_GE(Ticks(2), afterRestart + 1);
  // The 1 ms interval ran for an instant at most; no tick of the old 300 ms timer came.
  EXPECT_LE(afterRestart, 1);
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

// Stopped 400 ms into a 600 ms period, resumed: ticks 200 ms later, then every
// 600; a timer that never ran resumes as a fresh start.
TEST_F(ControlKinds, TimerResumedTicksAfterTheRestOfItsPeriodThenEveryInterval) {
  form().SetInterval(kTimerA, 600);
  b->Wait(400);
  form().SetInterval(kTimerA, 0);
  b->Wait(300);
  form().ResumeInterval(kTimerA, 600);
  form().ResumeInterval(kTimerB, 600);
  EXPECT_EQ(form().Interval(kTimerA), 600);
  b->Wait(100);
  EXPECT_EQ(Ticks(1), 0);
  b->Wait(300);
  EXPECT_EQ(Ticks(1), 1) << "a fresh period would tick at 600";
  EXPECT_EQ(Ticks(2), 0);
  b->Wait(600);
  EXPECT_EQ(Ticks(1), 2) << "the interval, not the rest, after the first tick";
  EXPECT_EQ(Ticks(2), 1);
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
