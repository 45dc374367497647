// The bench's own helpers: medians, the /proc readings behind the CPU figures
// (Wine's GetProcessTimes gives nothing for another process) and child processes.
#include "bench/measure.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

namespace lornel::bench {
namespace {

std::wstring g_baseline;

TEST(Median, OddEvenAndEmpty) {
  EXPECT_EQ(Median({3, 1, 2}), 2);
  EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
  EXPECT_EQ(Median({}), 0);
  EXPECT_EQ(Median({7}), 7);
}

// Runs 0 and 1 quiet, 2 and 3 loaded: the medians mix the levels, the pairs do not.
TEST(Median, PairedRatioTakesEachRunAgainstItsOwnBaseline) {
  EXPECT_DOUBLE_EQ(PairedRatio({120, 130, 480, 520}, {100, 100, 400, 400}), 1.25);
  EXPECT_DOUBLE_EQ(PairedRatio({120, 999}, {100, 0}), 1.2);  // a missing baseline is no pair
  EXPECT_DOUBLE_EQ(PairedRatio({120, 130, 140}, {100, 100}), 1.25);
  EXPECT_EQ(PairedRatio({}, {}), 0);
}

TEST(WindowsPath, UnixPathsGoThroughDriveZ) {
  EXPECT_EQ(WindowsPath(L"/work/main/x.exe"), L"Z:\\work\\main\\x.exe");
  EXPECT_EQ(WindowsPath(L"C:\\a\\b"), L"C:\\a\\b");
  EXPECT_EQ(Join(L"C:\\a\\", L"b"), L"C:\\a\\b");
  EXPECT_EQ(Join(L"C:\\a", L"b"), L"C:\\a\\b");
}

TEST(Schedstat, FirstFieldIsNanosecondsOnACpu) {
  EXPECT_EQ(SchedstatMs("320392163 161296633 26342\n"), 320.392163);
  EXPECT_EQ(SchedstatMs("0 0 0"), 0.0);
  EXPECT_FALSE(SchedstatMs(""));
  EXPECT_FALSE(SchedstatMs("x 1 2"));
}

TEST(Stat, UtimeAndStimeCountFromTheLastParenthesis) {
  // A command name with spaces and a ')' of its own must not shift the fields.
  const char* line =
      "8442 (a) b.exe) S 8427 8442 8427 0 -1 4194304 6023 0 0 0 31 17 0 0 20 0 1 0 1 2 3\n";
  EXPECT_EQ(StatTicks(line), 48.0);
  EXPECT_FALSE(StatTicks("no parenthesis here"));
  EXPECT_FALSE(StatTicks("1 (short) S 2 3"));
}

TEST(Proc, ABusyChildsCpuTimeGrows) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring dir = FreshDirectory(kScratch, L"selftest-busy");
  Child c = Child::Start(self, L"--busy-child", dir);
  ASSERT_TRUE(c.started());
  Sleep(300);
  const auto before = c.CpuMs();
  ASSERT_TRUE(before) << "Z:\\proc must list the child";
  Sleep(500);
  const auto after = c.CpuMs();
  ASSERT_TRUE(after);
  // One core's worth of spinning, less whatever the loaded machine takes away.
  EXPECT_GT(*after - *before, 150.0);
  EXPECT_LT(*after - *before, 1100.0);
  c.Stop();
  RemoveFlatDirectory(dir);
}

TEST(Proc, NoSuchProcessGivesNothing) {
  EXPECT_FALSE(UnixCpuMs(0));
  EXPECT_EQ(FindUnixPid(L"no-such-process-of-the-lornel-bench-7f3a"), 0);
}

TEST(Child, BaselineComesUpIsMeasuredAndStops) {
  ASSERT_FALSE(g_baseline.empty()) << "pass --baseline=PATH";
  const std::wstring dir = FreshDirectory(kScratch, L"selftest");
  Child c = Child::Start(g_baseline, L"idle-timer", dir);
  ASSERT_TRUE(c.started());
  ASSERT_TRUE(c.WaitIdle(60000));
  EXPECT_TRUE(c.WaitForWindow(L"Lornel bench baseline", 5000));
  EXPECT_TRUE(c.MessageBoxes().empty());
  const auto cpu = c.CpuMs();
  ASSERT_TRUE(cpu) << "the child is found by the marker on its command line";
  EXPECT_GT(*cpu, 0.0);
  EXPECT_GT(c.PeakWorkingSet(), 1u << 20);
  c.Stop();
  EXPECT_EQ(WaitForSingleObject(OpenProcess(SYNCHRONIZE, FALSE, c.pid()), 0), WAIT_OBJECT_0);
  RemoveFlatDirectory(dir);
  EXPECT_EQ(GetFileAttributesW(dir.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace lornel::bench

int main(int argc, char** argv) {
  // The busy child of Proc.ABusyChildsCpuTimeGrows: spins for three seconds.
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) != "--busy-child") continue;
    const double end = lornel::bench::NowMs() + 3000;
    volatile unsigned sink = 0;
    while (lornel::bench::NowMs() < end) sink = sink * 31 + 7;
    return 0;
  }
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--baseline=", 0) == 0) {
      const std::string path = arg.substr(11);
      lornel::bench::g_baseline =
          lornel::bench::WindowsPath(std::wstring(path.begin(), path.end()));
    }
  }
  return RUN_ALL_TESTS();
}
