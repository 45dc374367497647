// The skin library file and the hand-over of skins to SkinH_AttachRes.
#include "common/skins.h"

#include "tests/unit/app/shell_fixture.h"

namespace lornel::app {
namespace {

using Skins = ShellTest;

TEST_F(Skins, FirstStartWritesTheCarriedLibraryHiddenOnly) {
  ApplySkin(shell, 12);
  ASSERT_EQ(host.files.count(kLibrary), 1u);
  EXPECT_EQ(host.files[kLibrary], "MZ-library");
  EXPECT_EQ(host.attributes[kLibrary], 0x2u);
}

TEST_F(Skins, AnExistingFileOrDirectoryIsNeverRewritten) {
  host.files[kLibrary] = "someone else's bytes";
  host.attributes[kLibrary] = 0x1 | 0x20;
  ApplySkin(shell, 12);
  EXPECT_EQ(host.files[kLibrary], "someone else's bytes");
  EXPECT_EQ(host.attributes[kLibrary], 0x21u);
  EXPECT_TRUE(host.writes.empty());
}

TEST_F(Skins, AWriteThatFailsIsNotReported) {
  host.readOnlyDirectories.insert("C:\\lornel");
  host.systemSearchFinds = true;  // found elsewhere, so the program carries on
  ApplySkin(shell, 12);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.attachCalls.size(), 1u);
}

TEST_F(Skins, ChosenSkinIsPassedWholeWithAnEmptyText) {
  ApplySkin(shell, 12);
  ApplySkin(shell, 1);
  ASSERT_EQ(host.attachCalls.size(), 2u);
  const std::string twelve = SkinBytes(12), one = SkinBytes(1);
  EXPECT_EQ(std::string(host.attachCalls[0].data.begin(), host.attachCalls[0].data.end()), twelve);
  EXPECT_EQ(host.attachCalls[0].size, static_cast<int>(twelve.size()));
  EXPECT_EQ(std::string(host.attachCalls[1].data.begin(), host.attachCalls[1].data.end()), one);
  for (const auto& call : host.attachCalls) {
    EXPECT_TRUE(call.textIsEmpty);
    EXPECT_FALSE(call.textNull);
  }
}

TEST_F(Skins, NumbersOutsideTheCataloguePassNoSkin) {
  for (int number : {0, 34, -1}) {
    host.files.clear();
    ApplySkin(shell, number);
    EXPECT_EQ(host.files.count(kLibrary), 1u) << "the library file is still ensured";
  }
  ASSERT_EQ(host.attachCalls.size(), 3u);
  for (const auto& call : host.attachCalls) {
    EXPECT_TRUE(call.data.empty());
    EXPECT_EQ(call.size, 0);
    EXPECT_TRUE(call.textIsEmpty);
  }
}

TEST_F(Skins, LibraryIsBoundOncePerProcessByFullPathFirst) {
  ApplySkin(shell, 12);
  ApplySkin(shell, 1);
  EXPECT_EQ(host.loadAttempts, std::vector<std::string>{std::string("path:") + kLibrary});
  EXPECT_EQ(host.attachCalls.size(), 2u);
}

TEST_F(Skins, BareNameIsTriedWhenTheFullPathFails) {
  host.loadablePaths.clear();
  host.systemSearchFinds = true;
  ApplySkin(shell, 12);
  EXPECT_EQ(host.loadAttempts,
            (std::vector<std::string>{std::string("path:") + kLibrary, "system:SkinH_EL.dll"}));
  EXPECT_EQ(host.attachCalls.size(), 1u);
}

TEST_F(Skins, ADirectoryInPlaceOfTheLibraryEndsInTheFatalReport) {
  host.directories.insert(kLibrary);
  EXPECT_THROW(ApplySkin(shell, 12), fake::ProcessExit);
  EXPECT_TRUE(host.writes.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "错误");
  EXPECT_EQ(host.messages[0].text,
            "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_"
            "AttachRes”\r\n");
  EXPECT_EQ(host.messages[0].flags, 0x10u | 0x2000u);
  EXPECT_EQ(host.exitCode, -1);
  EXPECT_TRUE(host.attachCalls.empty());
}

TEST_F(Skins, ALibraryWithoutTheEntryIsReleasedAndReported) {
  host.exportPresent = false;
  EXPECT_THROW(ApplySkin(shell, 12), fake::ProcessExit);
  EXPECT_EQ(host.freedModules, 1);
  EXPECT_EQ(host.exitCode, -1);
}

}  // namespace
}  // namespace lornel::app
