// The single-instance marker and the pieces of start-up that need no window.
#include "app/instance.h"

#include "app/random.h"
#include "common/fatal.h"
#include "tests/unit/app/shell_fixture.h"

namespace lornel::app {
namespace {

using common::FatalReport, common::FatalText, common::kWindowFailedReason,
    common::OutOfMemoryReason, common::ReportText, common::SplitModulePath;

using Instance = ShellTest;

TEST_F(Instance, FirstCopyHoldsAMutexNamedAfterTheFile) {
  EXPECT_FALSE(CheckAlreadyRunning(shell));
  ASSERT_NE(shell.ctx.instanceMutex, 0u);
  EXPECT_EQ(host.openHandles[shell.ctx.instanceMutex], "lornel.exe");
  ReleaseInstanceMutex(shell);
  EXPECT_TRUE(host.openHandles.empty());
}

TEST_F(Instance, ACopyStartedAfterTheFirstClosedRunsNormally) {
  EXPECT_FALSE(CheckAlreadyRunning(shell));
  ReleaseInstanceMutex(shell);
  Shell later{host, shell.program, Context{MainForm(window), host}, {}, {}};
  EXPECT_FALSE(CheckAlreadyRunning(later));
}

TEST_F(Instance, SecondCopyIsRecognisedAndHoldsNothing) {
  host.existingMutexes.insert("lornel.exe");
  EXPECT_TRUE(CheckAlreadyRunning(shell));
  EXPECT_EQ(shell.ctx.instanceMutex, 0u);
  ReleaseInstanceMutex(shell);  // nothing to close
}

TEST_F(Instance, ARenamedCopyIsNotDetected) {
  host.existingMutexes.insert("lornel.exe");
  shell.program.fileName = "quiz.exe";
  EXPECT_FALSE(CheckAlreadyRunning(shell));
}

// Both copies of a simultaneous start miss the probe; the one whose creation
// finds the mutex already made is the second copy and keeps no handle.
struct RacingHost : fake::FakeHost {
  platform::Handle OpenNamedMutex(const std::string&) override { return 0; }
};

TEST(InstanceRace, CreationThatFindsTheMutexMeansAnotherCopyRuns) {
  fake::Clock clock;
  RacingHost host;
  contract::Recorder events;
  fake::FakeForm window(contract::SampleTable(), clock, events);
  Shell first{host, {"C:\\a", "lornel.exe"}, Context{MainForm(window), host}, {}, {}};
  Shell second{host, {"C:\\a", "lornel.exe"}, Context{MainForm(window), host}, {}, {}};
  EXPECT_FALSE(CheckAlreadyRunning(first));
  EXPECT_TRUE(CheckAlreadyRunning(second));
  EXPECT_EQ(second.ctx.instanceMutex, 0u);
  EXPECT_EQ(host.openHandles.size(), 1u) << "the second copy closed its handle";
}

TEST(ModulePath, SplitsAtTheLastBackslash) {
  EXPECT_EQ(SplitModulePath("C:\\课堂\\lornel.exe").directory, "C:\\课堂");
  EXPECT_EQ(SplitModulePath("C:\\课堂\\lornel.exe").fileName, "lornel.exe");
  EXPECT_EQ(SplitModulePath("lornel.exe").fileName, "lornel.exe");
  EXPECT_EQ(SplitModulePath("lornel.exe").directory, "");
  EXPECT_EQ(SplitModulePath("C:\\lornel").fileName, "lornel");
  // 乗 is 81 5C: the end of its name is no backslash.
  EXPECT_EQ(SplitModulePath("C:\\a\\\x81\x5C.exe").directory, "C:\\a");
  EXPECT_EQ(SplitModulePath("C:\\a\\\x81\x5C.exe").fileName, "\x81\x5C.exe");
}

TEST(FatalText, HasTheReportLayout) {
  EXPECT_EQ(FatalText(kWindowFailedReason).view(),
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(OutOfMemoryReason(1048576).view(), "分配 1048576 字节内存失败!");
  // Built in a fixed buffer: a reason too long for it is cut at a whole character.
  std::string reason = "x";
  for (int i = 0; i < 1000; ++i) reason += "错";
  const ReportText text = FatalText(reason);
  const std::string_view cut = text.view();
  EXPECT_EQ(cut.size(), ReportText::kCapacity - 1);
  EXPECT_TRUE(cut.ends_with("错"));
}

TEST(FatalReport, AFailureWhileTheReportIsUpEndsTheProcessAtOnce) {
  fake::FakeHost host;
  host.answerer = [&](const fake::ShownMessage&) -> platform::MessageResult {
    FatalReport(host, kWindowFailedReason);
  };
  EXPECT_THROW(FatalReport(host, "first"), fake::ProcessExit);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.exitCode, -1);
}

TEST(Random, DrawsTheSameSequenceEveryRun) {
  Random random;
  // The generator's first outputs from state 1.
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (int value : expected) EXPECT_EQ(random.Next(), value);
  Random colours;
  for (int i = 0; i < 1000; ++i) {
    const int v = colours.Between(0, 255);
    EXPECT_GE(v, 0);
    EXPECT_LE(v, 255);
  }
}

}  // namespace
}  // namespace lornel::app
