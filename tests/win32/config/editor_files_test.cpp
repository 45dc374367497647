// The question editor's files under Windows: what it saves reads back the
// same through our reader and through GetPrivateProfileStringA, and the
// host's checked read, replacement with a backup, and clipboard.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"
#include "editor/quiz_file.h"
#include "editor/unicode.h"
#include "tests/win32/config/temp_dir.h"
#include "tests/win32/support/clipboard.h"
#include "ui/win32/host.h"
#include "ui/win32/text.h"

namespace lornel::editor {
namespace {

using test::Oracle;
using test::TempDir;

TEST(EditorFiles, WhatTheEditorSavesGetPrivateProfileStringReadsTheSame) {
  const std::u16string pieces[] = {u"",  u" ",  u"a",  u"题", u"=",  u"[x]", u"\"", u"'",
                                   u";", u"\t", u"\n", u"　", u"，", u"0",   u"Ａ", u"€"};
  const std::string bases[] = {
      config::DefaultConfigText(),
      "; 注释\r\n[题目信息：]\r\n  第一题题目 = \"旧\" \r\n第一题题目=重复\r\n[答案信息：]\n",
      "\xEF\xBB\xBF[\xE7\xAD\x94\xE6\xA1\x88\xE4\xBF\xA1\xE6\x81\xAF\xEF\xBC\x9A]\r\n"};
  TempDir dir;
  std::mt19937 random(20240);
  auto text = [&] {
    std::u16string t;
    for (int i = static_cast<int>(random() % 7); i > 0; --i) t += pieces[random() % 16];
    return t;
  };
  int compared = 0;
  for (int round = 0; round < 60; ++round) {
    Quiz quiz;
    for (auto& t : quiz.titles) t = text();
    for (auto& a : quiz.answers) a = text();
    quiz.countdown = text();
    quiz.points = text();
    const auto saved = WriteQuiz(bases[round % 3], quiz);
    ASSERT_TRUE(saved) << round;
    const std::string path = dir / ("q" + std::to_string(round) + ".ini");
    test::WriteBytes(path, *saved);
    const Quiz expected = Normalized(quiz);
    auto check = [&](const std::string& section, const std::string& key,
                     const std::u16string& value) {
      const std::string gbk = *ToGbk(value);
      ASSERT_EQ(config::ReadIniValue(*saved, section, key), gbk) << round << " " << key;
      ASSERT_EQ(Oracle(path, section, key), gbk) << round << " " << key;
      ++compared;
    };
    for (int n = 1; n <= kRows; ++n) {
      check(config::kTitleSection, config::QuestionTitleKey(n), expected.titles[n - 1]);
      check(config::kAnswerSection, config::QuestionAnswerKey(n), expected.answers[n - 1]);
    }
    check(config::kCountdownSection, config::kCountdownKey, expected.countdown);
    check(config::kPointsSection, config::kPointsKey, expected.points);
  }
  RecordProperty("values_compared", compared);
}

TEST(EditorFiles, TheCheckedReadSaysWhyAFileCannotBeRead) {
  TempDir dir;
  win32::Win32Host host;
  test::WriteBytes(dir / "wtda.ini", "[s]\r\nk=1\r\n");
  EXPECT_EQ(host.ReadFileChecked(dir / "wtda.ini").problem, ui::FileProblem::None);
  EXPECT_EQ(host.ReadFileChecked(dir / "wtda.ini").bytes, "[s]\r\nk=1\r\n");
  EXPECT_EQ(host.ReadFileChecked(dir / "missing.ini").problem, ui::FileProblem::Missing);
  EXPECT_EQ(host.ReadFileChecked(dir / "no\\such.ini").problem, ui::FileProblem::Missing);
  CreateDirectoryW(win32::Wide(dir / "folder.ini").c_str(), nullptr);
  EXPECT_EQ(host.ReadFileChecked(dir / "folder.ini").problem, ui::FileProblem::Directory);
  // Beyond 512 MiB, without writing that much: a file extended by its end.
  HANDLE big = CreateFileW(win32::Wide(dir / "big.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(big, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end;
  end.QuadPart = (512ll << 20) + 1;
  SetFilePointerEx(big, end, nullptr, FILE_BEGIN);
  SetEndOfFile(big);
  CloseHandle(big);
  EXPECT_EQ(host.ReadFileChecked(dir / "big.ini").problem, ui::FileProblem::TooLarge);
  DeleteFileW(win32::Wide(dir / "big.ini").c_str());
  RemoveDirectoryW(win32::Wide(dir / "folder.ini").c_str());
}

DWORD WINAPI CloseLater(void* handle) {
  Sleep(150);
  CloseHandle(static_cast<HANDLE>(handle));
  return 0;
}

TEST(EditorFiles, ReplacingKeepsThePreviousFileAndLeavesNoTemporary) {
  TempDir dir;
  win32::Win32Host host;
  const std::string path = dir / "wtda.ini", backup = path + ".bak";
  EXPECT_EQ(host.ReplaceFileKeepingBackup(path, "first", backup), ui::FileProblem::None);
  EXPECT_EQ(test::ReadBytes(path), "first");
  EXPECT_EQ(GetFileAttributesW(win32::Wide(backup).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(host.ReplaceFileKeepingBackup(path, "second", backup), ui::FileProblem::None);
  EXPECT_EQ(test::ReadBytes(path), "second");
  EXPECT_EQ(test::ReadBytes(backup), "first");
  // A file held open (as the program holds it while it reads a value) is
  // waited for a moment; held for good, it is left as it was.
  auto openForReading = [&] {
    return CreateFileW(win32::Wide(path).c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  };
  HANDLE held = openForReading();
  EXPECT_EQ(host.ReplaceFileKeepingBackup(path, "never", backup), ui::FileProblem::Denied);
  CloseHandle(held);
  EXPECT_EQ(test::ReadBytes(path), "second");
  HANDLE reading = openForReading();
  HANDLE closer = CreateThread(nullptr, 0, CloseLater, reading, 0, nullptr);
  EXPECT_EQ(host.ReplaceFileKeepingBackup(path, "third", backup), ui::FileProblem::None);
  WaitForSingleObject(closer, INFINITE);
  CloseHandle(closer);
  EXPECT_EQ(test::ReadBytes(path), "third");
  CreateDirectoryW(win32::Wide(dir / "folder.ini").c_str(), nullptr);
  EXPECT_EQ(host.ReplaceFileKeepingBackup(dir / "folder.ini", "x", backup),
            ui::FileProblem::Directory);
  RemoveDirectoryW(win32::Wide(dir / "folder.ini").c_str());
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"wtda.ini", "wtda.ini.bak"}));
}

TEST(EditorFiles, TheClipboardsTextComesBackWhole) {
  const std::wstring text = L"问一\t答一\r\n\"两\n行\"\t\U0001F600\r\n";
  ASSERT_TRUE(test::PutOnClipboard(text));
  win32::Win32Host host;
  const auto read = host.ClipboardText();
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, std::u16string(text.begin(), text.end()));
}

}  // namespace
}  // namespace lornel::editor
