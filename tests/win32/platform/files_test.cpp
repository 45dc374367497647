// The Win32 file functions behind the Host, on real files under Wine.
#include "platform/win32/files.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/config.h"
#include "platform/win32/host.h"
#include "platform/win32/text.h"
#include "tests/win32/config/temp_dir.h"
#include "tests/win32/support/unix_shell.h"

namespace lornel::win32 {
namespace {

using test::TempDir;

TEST(Win32Files, PathExistsCountsFilesAndDirectories) {
  TempDir dir;
  EXPECT_TRUE(PathExists(dir.path()));
  EXPECT_FALSE(PathExists(dir / "wtda.ini"));
  test::WriteBytes(dir / "wtda.ini", "x");
  EXPECT_TRUE(PathExists(dir / "wtda.ini"));
  CreateDirectoryW(Wide(dir / "目录").c_str(), nullptr);
  EXPECT_TRUE(PathExists(dir / "目录"));
  EXPECT_FALSE(PathExists(""));
  EXPECT_FALSE(PathExists(dir / "没有\\wtda.ini"));
}

TEST(Win32Files, ReadWholeFileGivesEveryByteOfRegularFilesOnly) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  test::WriteBytes(dir / "题目.ini", bytes);
  EXPECT_EQ(ReadWholeFile(dir / "题目.ini"), bytes);
  test::WriteBytes(dir / "empty.ini", "");
  EXPECT_EQ(ReadWholeFile(dir / "empty.ini"), std::string());
  EXPECT_EQ(ReadWholeFile(dir / "missing.ini"), std::nullopt);
  CreateDirectoryW(Wide(dir / "wtda.ini").c_str(), nullptr);
  EXPECT_EQ(ReadWholeFile(dir / "wtda.ini"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(""), std::nullopt);
}

TEST(Win32Files, ReadWholeFileCopesWithTensOfMegabytes) {
  TempDir dir;
  std::string big(40 << 20, 'x');
  for (std::size_t i = 0; i < big.size(); i += 4099) big[i] = static_cast<char>(i % 251);
  test::WriteBytes(dir / "big.ini", big);
  const auto read = ReadWholeFile(dir / "big.ini");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->size(), big.size());
  EXPECT_TRUE(*read == big);
}

TEST(Win32Files, ReadWholeFileReadsAFileThatAnEditorHoldsOpen) {
  TempDir dir;
  test::WriteBytes(dir / "wtda.ini", "[s]\r\nk=1\r\n");
  const HANDLE editor =
      CreateFileW(Wide(dir / "wtda.ini").c_str(), GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(editor, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadWholeFile(dir / "wtda.ini"), "[s]\r\nk=1\r\n");
  CloseHandle(editor);
}

TEST(Win32Files, CreateFileAtomicallyCreatesAMissingFileWhole) {
  TempDir dir;
  const std::string path = dir / "wtda.ini";
  EXPECT_TRUE(CreateFileAtomically(path, config::DefaultConfigText()));
  EXPECT_EQ(test::ReadBytes(path), config::DefaultConfigText());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wtda.ini"});
  EXPECT_TRUE(CreateFileAtomically(dir / "空.ini", ""));
  EXPECT_TRUE(PathExists(dir / "空.ini"));
}

TEST(Win32Files, CreateFileAtomicallyNeverReplacesAndLeavesNoTemporary) {
  TempDir dir;
  const std::string path = dir / "wtda.ini";
  test::WriteBytes(path, "mine");
  EXPECT_FALSE(CreateFileAtomically(path, "default"));
  EXPECT_EQ(test::ReadBytes(path), "mine");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wtda.ini"});
  // A directory in the file's place stays too.
  const std::string other = dir / "dir.ini";
  CreateDirectoryW(Wide(other).c_str(), nullptr);
  EXPECT_FALSE(CreateFileAtomically(other, "default"));
  EXPECT_EQ(dir.Entries().size(), 2u);
  // A stale temporary of an earlier run with the same process id is no obstacle.
  test::WriteBytes(dir / ("new.ini.~tmp" + std::to_string(GetCurrentProcessId())), "stale");
  EXPECT_TRUE(CreateFileAtomically(dir / "new.ini", "fresh"));
  EXPECT_EQ(test::ReadBytes(dir / "new.ini"), "fresh");
}

// The lesson's writer: the new bytes whole, or, refused, the folder exactly
// as it was (no temporary left beside the old file).
TEST(Win32Files, ReplaceFileWholeWritesWholeOrLeavesTheFolderAsItWas) {
  TempDir dir;
  const std::string path = dir / "a.lesson";
  const auto expectOnly = [&](const std::string& bytes) {
    EXPECT_EQ(test::ReadBytes(path), bytes);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"a.lesson"});
  };
  EXPECT_TRUE(ReplaceFileWhole(path, "first"));
  EXPECT_TRUE(ReplaceFileWhole(path, "second"));
  expectOnly("second");
  // Held without FILE_SHARE_DELETE for longer than the writer waits.
  const HANDLE reader =
      CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReplaceFileWhole(path, "never"));
  CloseHandle(reader);
  expectOnly("second");
  for (const std::string& locked : {path, dir.path()}) {
    const test::Immutable immutable(Wide(locked));
    if (!immutable.ok()) GTEST_SKIP() << "chattr +i is not allowed here";
    EXPECT_FALSE(ReplaceFileWhole(path, "never")) << locked;
    expectOnly("second");
  }
}

// This program again, held before its first instruction: a process that runs,
// or with the second one ended, one that ran (its id is not reused while held).
PROCESS_INFORMATION SuspendedCopy() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  CreateProcessW(self, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si,
                 &pi);
  return pi;
}

TEST(Win32Files, CreateFileAtomicallyRemovesTheTemporariesThatKilledWritersLeft) {
  TempDir dir;
  PROCESS_INFORMATION running = SuspendedCopy(), killed = SuspendedCopy();
  ASSERT_TRUE(running.hProcess && killed.hProcess);
  TerminateProcess(killed.hProcess, 1);
  WaitForSingleObject(killed.hProcess, 5000);
  const std::string dead = std::to_string(killed.dwProcessId);
  const std::string alive = "wtda.ini.~tmp" + std::to_string(running.dwProcessId);
  for (const std::string& name : {"wtda.ini.~tmp" + dead, "wtda.ini.~tmp" + dead + ".3", alive,
                                  std::string("wtda.ini.~tmpnotes"), "other.ini.~tmp" + dead})
    test::WriteBytes(dir / name, "partial");
  EXPECT_TRUE(CreateFileAtomically(dir / "wtda.ini", "fresh"));
  const std::vector<std::string> entries = dir.Entries();
  EXPECT_EQ(
      std::set<std::string>(entries.begin(), entries.end()),
      (std::set<std::string>{"other.ini.~tmp" + dead, "wtda.ini", alive, "wtda.ini.~tmpnotes"}));
  TerminateProcess(running.hProcess, 1);
  for (HANDLE h : {running.hProcess, running.hThread, killed.hProcess, killed.hThread})
    CloseHandle(h);
}

TEST(Win32Files, CreateFileAtomicallyFailsWhereNothingCanBeCreated) {
  TempDir dir;
  EXPECT_FALSE(CreateFileAtomically(dir / "missing\\wtda.ini", "x"));
  EXPECT_FALSE(PathExists(dir / "missing"));
  // Z:\sys\kernel is the host's sysfs: a directory where no file can be made,
  // even by root, who passes every permission check of an ordinary directory.
  EXPECT_TRUE(PathExists("Z:\\sys\\kernel"));
  EXPECT_FALSE(CreateFileAtomically("Z:\\sys\\kernel\\wtda.ini", "x"));
  EXPECT_FALSE(PathExists("Z:\\sys\\kernel\\wtda.ini"));
  EXPECT_FALSE(
      PathExists("Z:\\sys\\kernel\\wtda.ini.~tmp" + std::to_string(GetCurrentProcessId())));
  EXPECT_FALSE(CreateFileAtomically("", "x"));
}

TEST(Win32Files, SetHiddenAttributeOnlySetsHidden) {
  TempDir dir;
  const std::string path = dir / "SkinH_EL.dll";
  test::WriteBytes(path, "x");
  EXPECT_TRUE(SetHiddenAttributeOnly(path));
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(attributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(SetHiddenAttributeOnly(dir / "missing"));
}

TEST(Win32Files, TheConfigOperationsOnRealFiles) {
  TempDir dir;
  Win32Host host;
  const std::string path = dir / "wtda.ini";
  EXPECT_FALSE(config::ConfigFileExists(host, path));
  config::WriteDefaultConfig(host, path);
  EXPECT_TRUE(config::ConfigFileExists(host, path));
  EXPECT_EQ(config::ReadConfigValue(host, path, config::kPointsSection, config::kPointsKey), "1");
  const std::string before = test::ReadBytes(path);
  config::WriteDefaultConfig(host, path);
  EXPECT_EQ(test::ReadBytes(path), before);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wtda.ini"});
}

TEST(Win32Files, ADirectoryNamedWtdaIniIsPresentAndReadsEmpty) {
  TempDir dir;
  Win32Host host;
  const std::string path = dir / "wtda.ini";
  CreateDirectoryW(Wide(path).c_str(), nullptr);
  EXPECT_TRUE(config::ConfigFileExists(host, path));
  EXPECT_EQ(config::ReadConfigValue(host, path, config::kPointsSection, config::kPointsKey), "");
  config::WriteDefaultConfig(host, path);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wtda.ini"});
  EXPECT_TRUE(GetFileAttributesW(Wide(path).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Win32Files, TheCheckedReadSaysWhyAFileCannotBeRead) {
  TempDir dir;
  Win32Host host;
  test::WriteBytes(dir / "wtda.ini", "[s]\r\nk=1\r\n");
  EXPECT_EQ(host.ReadFileChecked(dir / "wtda.ini").problem, platform::FileProblem::None);
  EXPECT_EQ(host.ReadFileChecked(dir / "wtda.ini").bytes, "[s]\r\nk=1\r\n");
  EXPECT_EQ(host.ReadFileChecked(dir / "missing.ini").problem, platform::FileProblem::Missing);
  EXPECT_EQ(host.ReadFileChecked(dir / "no\\such.ini").problem, platform::FileProblem::Missing);
  CreateDirectoryW(Wide(dir / "folder.ini").c_str(), nullptr);
  EXPECT_EQ(host.ReadFileChecked(dir / "folder.ini").problem, platform::FileProblem::Directory);
  // Beyond 512 MiB, without writing that much: a file extended by its end.
  HANDLE big = CreateFileW(Wide(dir / "big.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(big, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end;
  end.QuadPart = (512ll << 20) + 1;
  SetFilePointerEx(big, end, nullptr, FILE_BEGIN);
  SetEndOfFile(big);
  CloseHandle(big);
  EXPECT_EQ(host.ReadFileChecked(dir / "big.ini").problem, platform::FileProblem::TooLarge);
  DeleteFileW(Wide(dir / "big.ini").c_str());
  RemoveDirectoryW(Wide(dir / "folder.ini").c_str());
}

}  // namespace
}  // namespace lornel::win32
