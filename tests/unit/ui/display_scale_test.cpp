// The layout scale over the displays classrooms really have.
#include "ui/display_scale.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lornel::ui {
namespace {

// The main window's client area in table units under a frame of 6 x 29 at 96 DPI.
constexpr Size kClient{1203 - 6, 773 - 29};

// A fixed caption frame as Windows 10 draws it, grown with the DPI.
Size FrameAt(int dpi) { return {6 * dpi / 96, 29 * dpi / 96}; }

struct Classroom {
  const char* name;
  int width, height, dpi, taskbar;
  int permille;  // the expected scale
};

class Displays : public testing::TestWithParam<Classroom> {};

TEST_P(Displays, ScaleFitsTheWholeWindowIntoTheWorkArea) {
  const Classroom& s = GetParam();
  const Rect work{0, 0, s.width, s.height - s.taskbar};
  const Display display{s.dpi, work, FrameAt(SaneDpi(s.dpi))};
  const Scale scale = LayoutScale(display, kClient);
  EXPECT_EQ(scale.permille(), s.permille);
  const Size outer = OuterSize(display, kClient, scale);
  if (scale.permille() > Scale::kMin) {
    EXPECT_LE(outer.width, work.width);
    EXPECT_LE(outer.height, work.height);
  }
  const Point at = StartPosition({s.width, s.height}, work, outer, scale);
  EXPECT_GE(at.x, 0);
  EXPECT_GE(at.y, 0);  // the title bar is on the screen
  if (scale.permille() > Scale::kMin) {
    EXPECT_LE(at.x + outer.width, work.right());
    EXPECT_LE(at.y + outer.height, work.bottom());  // the score bar is above the taskbar
  }
}

INSTANTIATE_TEST_SUITE_P(
    Classrooms, Displays,
    testing::Values(Classroom{"projector_1024x768", 1024, 768, 96, 0, 850},
                    Classroom{"hd_1280x720", 1280, 720, 96, 0, 928},
                    Classroom{"wxga_1280x800_taskbar", 1280, 800, 96, 40, 982},
                    Classroom{"laptop_1366x768_taskbar", 1366, 768, 96, 40, 939},
                    Classroom{"fullhd_100", 1920, 1080, 96, 40, 1000},
                    Classroom{"fullhd_125", 1920, 1080, 120, 50, 1250},
                    Classroom{"fullhd_150", 1920, 1080, 144, 60, 1313},
                    Classroom{"qhd_150", 2560, 1440, 144, 60, 1500},
                    Classroom{"uhd_200", 3840, 2160, 192, 80, 2000},
                    Classroom{"uhd_300", 3840, 2160, 288, 120, 2625},
                    Classroom{"dpi_zero", 1920, 1080, 0, 0, 1000},
                    Classroom{"dpi_negative", 1920, 1080, -144, 0, 1000},
                    Classroom{"dpi_absurd", 1920, 1080, 100000, 0, 1000},
                    Classroom{"tiny_screen", 320, 240, 96, 0, Scale::kMin}),
    [](const testing::TestParamInfo<Classroom>& info) { return info.param.name; });

TEST(StartPosition, AtScaleOneKeepsTheScreenCentringAndOnlyAvoidsTheTaskbar) {
  const Size outer{1203, 773};
  EXPECT_EQ(StartPosition({1280, 800}, {0, 0, 1280, 800}, outer, Scale()), (Point{38, 13}));
  EXPECT_EQ(StartPosition({1920, 1080}, {0, 0, 1920, 1040}, outer, Scale()), (Point{358, 153}));
  // A taskbar on top, 30 px: centred would put the title bar under it.
  EXPECT_EQ(StartPosition({1280, 810}, {0, 30, 1280, 780}, outer, Scale()), (Point{38, 30}));
}

// Below 1 several table values share a pixel; the backend remembers what was set.
TEST(Scale, ReadsBackWhatWasSetAtEveryScale) {
  for (int permille : {500, 850, 928, 1000, 1250, 1313, 1500, 2625}) {
    const Scale s = Scale::FromPermille(permille);
    for (int v = -32627; v <= 32627; ++v) {
      const int back = s.Back(s.Of(v));
      if (permille >= Scale::kOne) {
        ASSERT_EQ(back, v) << permille;
      }
      ASSERT_EQ(s.Of(back), s.Of(v)) << permille << " " << v;
    }
  }
}

TEST(Scale, RoundsEachEdgeSoThatTouchingControlsStillTouch) {
  const Scale s = Scale::FromPermille(1250);
  const Rect a = s.Of(Rect{16, 8, 101, 47}), b = s.Of(Rect{117, 8, 101, 47});
  EXPECT_EQ(a.right(), b.left);
  EXPECT_EQ(a, (Rect{20, 10, 126, 59}));
  EXPECT_EQ(s.Of(-8), -10);
  EXPECT_EQ(Scale::FromPermille(1500).Of(5), 8);  // halves round away from zero
}

// Full screen fills the monitor one way, is centred the other, and never shrinks.
TEST(FullScreen, DrawsTheLayoutAsLargeAsTheMonitorAllowsCentred) {
  struct Case {
    Size monitor;
    int windowed, permille;
  };
  for (const Case& c : {Case{{1920, 1080}, 1000, 1451}, Case{{1280, 800}, 982, 1069},
                        Case{{2560, 1440}, 1500, 1935}, Case{{1024, 768}, 850, 855},
                        Case{{320, 240}, Scale::kMin, Scale::kMin}}) {
    const FullScreenFit fit = FitFullScreen(c.monitor, kClient, Scale::FromPermille(c.windowed));
    EXPECT_EQ(fit.scale.permille(), c.permille) << c.monitor.width;
    const Size drawn{fit.scale.Of(kClient.width), fit.scale.Of(kClient.height)};
    if (c.permille == Scale::kMin) continue;  // bigger than the screen: only centred
    EXPECT_LE(drawn.width, c.monitor.width);
    EXPECT_LE(drawn.height, c.monitor.height);
    EXPECT_TRUE(c.monitor.width - drawn.width <= 2 || c.monitor.height - drawn.height <= 2);
    EXPECT_LE(std::abs(c.monitor.width - drawn.width - 2 * fit.origin.x), 1);
    EXPECT_LE(std::abs(c.monitor.height - drawn.height - 2 * fit.origin.y), 1);
  }
  EXPECT_EQ(FitFullScreen({1920, 1080}, kClient, Scale()).origin, (Point{91, 0}));
  // A monitor narrower than the window fits: the windowed scale is kept, centred.
  const FullScreenFit small = FitFullScreen({1000, 700}, kClient, Scale());
  EXPECT_EQ(small.scale, Scale());
  EXPECT_EQ(small.origin, (Point{-98, -22}));
}

}  // namespace
}  // namespace lornel::ui
