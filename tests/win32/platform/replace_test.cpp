// The editor's save on real files under Wine: the previous file kept as the
// backup, the file's attributes kept, and a refused save that changes nothing.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/win32/files.h"
#include "platform/win32/host.h"
#include "platform/win32/text.h"
#include "tests/win32/config/temp_dir.h"
#include "tests/win32/support/unix_shell.h"

namespace lornel::win32 {
namespace {

using platform::FileAt;
using platform::FileProblem;
using test::TempDir;

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }
void Mark(const std::string& path, DWORD attributes) {
  SetFileAttributesW(Wide(path).c_str(), attributes);
}
std::set<std::string> Names(const TempDir& dir) {
  const std::vector<std::string> entries = dir.Entries();
  return {entries.begin(), entries.end()};
}
bool Refused(platform::FileWrite write, FileProblem problem, FileAt at) {
  return write.problem == problem && write.at == at;
}

struct Fixture {
  TempDir dir;
  const std::string path = dir / "wtda.ini", backup = path + ".bak";
  platform::FileWrite Save(std::string_view bytes) {
    return ReplaceFileKeepingBackup(path, bytes, backup);
  }
};

TEST(Replace, KeepsThePreviousFileAndTheAttributesAndLeavesNoTemporary) {
  Fixture f;
  EXPECT_EQ(f.Save("first").problem, FileProblem::None);
  EXPECT_EQ(test::ReadBytes(f.path), "first");
  EXPECT_EQ(AttributesOf(f.backup), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(f.Save("second").problem, FileProblem::None);
  EXPECT_EQ(test::ReadBytes(f.path), "second");
  EXPECT_EQ(test::ReadBytes(f.backup), "first");
  // A hidden file stays hidden (a new file moved into place would not be).
  Mark(f.path, FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(f.Save("third").problem, FileProblem::None);
  EXPECT_EQ(test::ReadBytes(f.path), "third");
  EXPECT_TRUE(AttributesOf(f.path) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(AttributesOf(f.path) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(test::ReadBytes(f.backup), "second");
  CreateDirectoryW(Wide(f.dir / "folder.ini").c_str(), nullptr);
  EXPECT_TRUE(Refused(ReplaceFileKeepingBackup(f.dir / "folder.ini", "x", f.backup),
                      FileProblem::Directory, FileAt::Target));
  RemoveDirectoryW(Wide(f.dir / "folder.ini").c_str());
  EXPECT_EQ(Names(f.dir), (std::set<std::string>{"wtda.ini", "wtda.ini.bak"}));
}

TEST(Replace, AReadOnlyOrHiddenOldBackupIsReplaced) {
  Fixture f;
  test::WriteBytes(f.path, "current");
  test::WriteBytes(f.backup, "older");
  Mark(f.backup, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(f.Save("new").problem, FileProblem::None);
  EXPECT_EQ(test::ReadBytes(f.path), "new");
  EXPECT_EQ(test::ReadBytes(f.backup), "current");
  EXPECT_EQ(Names(f.dir), (std::set<std::string>{"wtda.ini", "wtda.ini.bak"}));
}

// A refused save leaves the file, the earlier backup (content and marks) and
// the folder exactly as they were.
void ExpectNothingChanged(const Fixture& f) {
  EXPECT_EQ(test::ReadBytes(f.path), "current");
  EXPECT_EQ(test::ReadBytes(f.backup), "older");
  EXPECT_EQ(AttributesOf(f.backup) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
            DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Names(f.dir), (std::set<std::string>{"wtda.ini", "wtda.ini.bak"}));
}

TEST(Replace, ARefusedSaveChangesNothing) {
  Fixture f;
  test::WriteBytes(f.path, "current");
  test::WriteBytes(f.backup, "older");
  Mark(f.backup, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  // Marked read-only: Windows refuses to write it; so do we, under Wine too.
  Mark(f.path, FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(Refused(f.Save("never"), FileProblem::Denied, FileAt::Target));
  EXPECT_TRUE(AttributesOf(f.path) & FILE_ATTRIBUTE_READONLY);
  ExpectNothingChanged(f);
  Mark(f.path, FILE_ATTRIBUTE_NORMAL);
  {
    // Immutable: what really cannot be written under Wine, where root ignores the mark.
    test::Immutable immutable(Wide(f.path));
    if (!immutable.ok()) GTEST_SKIP() << "chattr +i is not allowed here";
    EXPECT_TRUE(Refused(f.Save("never"), FileProblem::Denied, FileAt::Target));
    ExpectNothingChanged(f);
  }
  {
    // A folder that takes no temporary: refused before the backup is touched.
    test::Immutable immutable(Wide(f.dir.path()));
    ASSERT_TRUE(immutable.ok());
    EXPECT_TRUE(Refused(f.Save("never"), FileProblem::Denied, FileAt::Folder));
    ExpectNothingChanged(f);
  }
  EXPECT_TRUE(Refused(ReplaceFileKeepingBackup(f.dir / "none\\wtda.ini", "x", f.backup),
                      FileProblem::Missing, FileAt::Folder));
  Mark(f.backup, FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(Wide(f.backup).c_str());
  CreateDirectoryW(Wide(f.backup).c_str(), nullptr);
  EXPECT_TRUE(Refused(f.Save("never"), FileProblem::Directory, FileAt::Backup));
  EXPECT_EQ(test::ReadBytes(f.path), "current");
  EXPECT_EQ(Names(f.dir), (std::set<std::string>{"wtda.ini", "wtda.ini.bak"}));
  RemoveDirectoryW(Wide(f.backup).c_str());
}

struct Holder {
  std::wstring path;
  DWORD ms;
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

// Holds the file without FILE_SHARE_DELETE, as a program reading it might.
DWORD WINAPI HoldFor(void* argument) {
  auto* holder = static_cast<Holder*>(argument);
  HANDLE file = CreateFileW(holder->path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  SetEvent(holder->opened);
  Sleep(holder->ms);
  CloseHandle(file);
  return 0;
}

TEST(Replace, AFileHeldForAMomentIsWaitedFor) {
  Fixture f;
  test::WriteBytes(f.path, "current");
  Holder holder{Wide(f.path), 300};
  HANDLE thread = CreateThread(nullptr, 0, HoldFor, &holder, 0, nullptr);
  WaitForSingleObject(holder.opened, INFINITE);
  const DWORD start = GetTickCount();
  EXPECT_EQ(f.Save("new").problem, FileProblem::None);
  const DWORD waited = GetTickCount() - start;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_EQ(test::ReadBytes(f.path), "new");
  EXPECT_EQ(test::ReadBytes(f.backup), "current");
  RecordProperty("waited_ms", static_cast<int>(waited));
  // Held for good: refused after the waits, and nothing changed.
  test::WriteBytes(f.path, "current");
  test::WriteBytes(f.backup, "older");
  Mark(f.backup, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  HANDLE held = CreateFileW(Wide(f.path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(Refused(f.Save("never"), FileProblem::Denied, FileAt::Target));
  CloseHandle(held);
  ExpectNothingChanged(f);
}

// An id no process has now: OpenProcess calls it an invalid parameter.
DWORD UnusedProcessId() {
  for (DWORD pid = 0xFFFC;; pid -= 4) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process && GetLastError() == ERROR_INVALID_PARAMETER) return pid;
    if (process) CloseHandle(process);
  }
}

TEST(Replace, ClearsTheTemporariesOfKilledWriters) {
  Fixture f;
  test::WriteBytes(f.path, "current");
  const std::string dead = std::to_string(UnusedProcessId());
  for (const std::string& name : {"wtda.ini.~tmp" + dead, "wtda.ini.bak.~tmp" + dead + ".2"})
    test::WriteBytes(f.dir / name, "partial");
  Mark(f.dir / ("wtda.ini.~tmp" + dead), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(f.Save("new").problem, FileProblem::None);
  EXPECT_EQ(Names(f.dir), (std::set<std::string>{"wtda.ini", "wtda.ini.bak"}));
}

}  // namespace
}  // namespace lornel::win32
