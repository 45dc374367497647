// Faults from outside the program, end to end: a program directory that
// cannot be written, a directory in place of wtda.ini, the file edited,
// replaced and deleted while the quiz runs, and the process killed while it
// writes its files. Each ends as the rules say, with the user's files intact.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>
#include <vector>

#include "tests/e2e/abuse_support.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

constexpr const char* kFatalText =
    "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_"
    "AttachRes”\r\n";

std::string QuizFile(const std::string& title1, const std::string& countdown = "0") {
  return test::QuizFile{.titles = {title1, "第二题的题目", "第三题的题目"},
                        .answers = {"a", "b", "c"},
                        .countdown = countdown}
      .Bytes();
}

// The box that the program shows next, answered with OK once read.
MessageBoxInfo NextBox(Program& p) {
  auto box = p.WaitForMessageBox();
  EXPECT_TRUE(box) << "no message box came";
  if (!box) return {};
  Program::Answer(*box, IDOK);
  return *box;
}

// --- a program directory in which nothing can be written ---------------------

using Way = ReadOnlyDirectory::Way;
class ReadOnlyProgramDirectory : public testing::TestWithParam<Way> {};

TEST_P(ReadOnlyProgramDirectory, WithoutTheLibraryTheFatalReportEndsItAndNothingIsWritten) {
  const std::wstring dir = FreshDirectory(L"rodir-nolib");
  CopyFileW(BuiltExe().c_str(), Join(dir, L"lornel.exe").c_str(), FALSE);
  const auto before = Listing(dir);
  ReadOnlyDirectory locked(dir, GetParam());
  if (!locked.ok()) GTEST_SKIP() << locked.why();
  Program p = Program::Start(dir);
  auto box = p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "错误");
  EXPECT_EQ(box->text, kFatalText);
  EXPECT_EQ(p.WaitForWindow(L"Lornel V1.1.15.823", 200), nullptr);
  Program::Answer(*box, IDOK);
  EXPECT_EQ(p.WaitForExit(5000), static_cast<DWORD>(-1));
  EXPECT_EQ(Listing(dir), before);
}

TEST_P(ReadOnlyProgramDirectory,
       WithTheLibraryTheStartButtonSaysTheFileCannotBeWrittenAtEveryPress) {
  const std::wstring dir = FreshDirectory(L"rodir-lib");
  CopyFileW(BuiltExe().c_str(), Join(dir, L"lornel.exe").c_str(), FALSE);
  CopyFileW(BuiltLibrary().c_str(), Join(dir, L"SkinH_EL.dll").c_str(), FALSE);
  const auto before = Listing(dir);
  ReadOnlyDirectory locked(dir, GetParam());
  if (!locked.ok()) GTEST_SKIP() << locked.why();
  Program p = Program::Start(dir);
  ASSERT_TRUE(p.MainWindow());
  const std::string path = Gbk(dir) + "\\wtda.ini";
  for (int press = 1; press <= 2; ++press) {
    Click(p.Main(MainId::StartButton));
    const MessageBoxInfo box = NextBox(p);
    EXPECT_EQ(box.text, "未发现配置‘" + path + "’即将写入配置") << "press " << press;
    const MessageBoxInfo failed = NextBox(p);
    EXPECT_EQ(failed.text, "无法写入配置‘" + path + "’，请把程序放到可以写入的文件夹中再运行");
    EXPECT_EQ(failed.title, "信息：");
    EXPECT_TRUE(failed.hasIcon);
    // The cover stays, the program runs on.
    EXPECT_TRUE(WaitUntil([&] { return p.MessageBoxes().empty(); }));
    Pause(200);
    EXPECT_TRUE(Visible(p.Main(MainId::StartCover))) << "press " << press;
    ASSERT_FALSE(p.WaitForExit(0)) << "the program ended at press " << press;
    EXPECT_EQ(Listing(dir), before) << "press " << press;
  }
  PostMessageW(p.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(p.WaitForExit(5000));
  EXPECT_EQ(Listing(dir), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, ReadOnlyProgramDirectory,
                         testing::Values(Way::Immutable, Way::ReadOnlyMount), [](const auto& info) {
                           return info.param == Way::Immutable ? "ImmutableDirectory"
                                                               : "ReadOnlyMount";
                         });

// --- wtda.ini ----------------------------------------------------------------

// The repair exit opens the file in its editor; the editor is the desktop's,
// not the test's, and is ended with the program's other children.
struct EndsEditors {
  DWORD pid;
  ~EndsEditors() { EndDescendants(pid); }
};

TEST(WtdaIniFaults, ADirectoryInItsPlaceCountsAsPresentAndEndsInThePointsRepairExit) {
  const std::wstring dir = FreshDirectory(L"inidir");
  const std::wstring ini = Join(dir, L"wtda.ini");
  CreateDirectoryW(ini.c_str(), nullptr);
  WriteBytes(Join(ini, L"notes.txt"), "the teacher's notes");
  Program p = Program::Start(dir);
  EndsEditors editors{p.pid()};
  ASSERT_TRUE(p.MainWindow());
  const auto before = Listing(dir);
  Click(p.Main(MainId::StartButton));
  auto box = p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "加分配置错误");
  EXPECT_EQ(box->title, "不能为空");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_FALSE(Visible(p.Main(MainId::StartCover))) << "the cover goes before the points are read";
  Program::Answer(*box, IDOK);
  EXPECT_TRUE(p.WaitForExit(10000)) << "the repair exit closes the program";
  EXPECT_TRUE(GetFileAttributesW(ini.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(ReadBytes(Join(ini, L"notes.txt")), std::string("the teacher's notes"));
  EXPECT_EQ(Names(ini), (std::set<std::wstring>{L"notes.txt"}));
  EXPECT_EQ(Listing(dir), before);
}

TEST(WtdaIniFaults, EditedReplacedAndDeletedWhileTheProgramRunsReadAsTheFileStandsNow) {
  Session s(L"iniedit", QuizFile("原来的题目"));
  EndsEditors editors{s.p.pid()};
  const std::wstring ini = Join(s.dir, L"wtda.ini");
  s.PressStart();
  auto openAndCancel = [&](MainId button, MainId label) {
    s.Press(button, [&] { return Visible(s.Of(MainId::GroupPanel)); });
    const std::string title = Text(s.Of(label));
    s.Press(MainId::CancelQuestionLink, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
    return title;
  };
  EXPECT_EQ(openAndCancel(MainId::QuestionButton1, MainId::QuestionLabel1), "原来的题目");

  // Edited in place, as an editor saves.
  s.WriteConfig(QuizFile("改过的题目"));
  EXPECT_EQ(openAndCancel(MainId::QuestionButton1, MainId::QuestionLabel1), "改过的题目");

  // Replaced: a new file renamed over the old one, as many editors save.
  const std::string replaced = QuizFile("换过的题目");
  WriteBytes(Join(s.dir, L"wtda.ini.new"), replaced);
  ASSERT_TRUE(
      MoveFileExW(Join(s.dir, L"wtda.ini.new").c_str(), ini.c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(openAndCancel(MainId::QuestionButton1, MainId::QuestionLabel1), "换过的题目");
  EXPECT_EQ(ReadBytes(ini), replaced) << "never rewritten by the program";

  // Deleted: every read gives "", and the empty countdown ends in the repair exit.
  ASSERT_TRUE(DeleteFileW(ini.c_str()));
  s.Press(MainId::QuestionButton2, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel2)), "");
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "");
  Click(s.Of(MainId::ConfirmGroupButton));
  auto box = s.p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "请在配置中填入倒计时时间！");
  EXPECT_EQ(box->title, "不能为空");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "一") << "the group is set before the check";
  Program::Answer(*box, IDOK);
  EXPECT_TRUE(s.p.WaitForExit(10000));
  EndDescendants(s.p.pid());
  EXPECT_FALSE(FileExists(ini)) << "the program does not recreate a deleted file";
  EXPECT_EQ(Names(s.dir), (std::set<std::wstring>{L"lornel.exe", L"SkinH_EL.dll"}));
}

// --- keys ----------------------------------------------------------------------

// Windows leaves the focus on a control that was hidden, and a button with the
// focus clicks on Space whether it shows or not.
TEST(HiddenControls, SpaceOnAButtonWhosePanelWentDoesNothing) {
  Session s(L"hiddenkey", QuizFile("题目"));
  EndsEditors editors{s.p.pid()};
  const std::wstring ini = Join(s.dir, L"wtda.ini");
  s.PressStart();
  // Were the start button pressed again, the missing file would be written.
  ASSERT_TRUE(DeleteFileW(ini.c_str()));
  PressKey(VK_SPACE);
  EXPECT_FALSE(s.p.WaitForMessageBox(1500)) << "the hidden start button acted";
  EXPECT_FALSE(FileExists(ini));
  s.WriteConfig(QuizFile("题目"));
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  // Were "确定" pressed again, the emptied countdown would end the program.
  s.WriteConfig(QuizFile("题目", ""));
  PressKey(VK_SPACE);
  EXPECT_FALSE(s.p.WaitForMessageBox(1500)) << "the hidden confirm button acted";
  EXPECT_FALSE(s.p.WaitForExit(0));
}

// Pupils clicking fast on a busy PC: the press of the next key comes before
// the program has handled the release of the last one, so it is queued before
// the keystroke that the last key injects, which must still reach the box.
TEST(OnScreenKeys, FastClicksOnABusyMachineTypeEveryLetterInOrder) {
  Session s(L"keyload", QuizFile("题目"));
  s.PressStart();
  HWND box = s.Of(MainId::AnswerBox);
  auto mouse = [&](char key, DWORD button) {
    RECT r;
    GetWindowRect(s.Of(OnScreenKey(key)), &r);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv((r.left + r.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv((r.top + r.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    return in;
  };
  std::atomic<bool> stop = false;
  std::vector<std::thread> hogs;  // one busy thread more than there are cores
  for (unsigned i = 0; i <= std::thread::hardware_concurrency(); ++i)
    hogs.emplace_back([&] {
      while (!stop) {
      }
    });
  for (int burst = 1; burst <= 2; ++burst) {
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    std::string expected;
    char held = 0;
    // About 30 keys a second, each released together with the press of the next.
    for (int i = 0; i < 120; ++i) {
      const char key = "QWERTYUIOPASDFGHJKLZXCVBNM"[i * 7 % 26];
      INPUT inputs[2] = {mouse(held, MOUSEEVENTF_LEFTUP), mouse(key, MOUSEEVENTF_LEFTDOWN)};
      SendInput(held ? 2 : 1, held ? inputs : inputs + 1, sizeof(INPUT));
      expected += static_cast<char>(key - 'A' + 'a');
      held = key;
      Sleep(33);
    }
    INPUT release = mouse(held, MOUSEEVENTF_LEFTUP);
    SendInput(1, &release, sizeof(INPUT));
    // Done when the text is whole, or has not changed for two seconds.
    std::string typed = Text(box);
    for (DWORD still = GetTickCount(); typed != expected && GetTickCount() - still < 2000;) {
      Pause(100);
      const std::string now = Text(box);
      if (now != typed) still = GetTickCount();
      typed = now;
    }
    EXPECT_EQ(typed, expected) << "burst " << burst << ": " << typed.size() << " of 120 letters";
  }
  stop = true;
  for (std::thread& hog : hogs) hog.join();
}

// --- the process killed while it writes ------------------------------------

// Waits for about the given number of microseconds without giving up the CPU.
void Spin(int microseconds) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do {
    QueryPerformanceCounter(&now);
  } while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < microseconds);
}

// What a start-button press writes, from an undisturbed run.
std::string DefaultFile() {
  static const std::string bytes = [] {
    const std::wstring dir = FreshDirectory(L"default");
    Program p = Program::Start(dir);
    if (!p.MainWindow()) return std::string();
    Click(p.Main(MainId::StartButton));
    NextBox(p);
    WaitUntil([&] { return FileExists(Join(dir, L"wtda.ini")); });
    Pause(200);
    return ReadBytes(Join(dir, L"wtda.ini")).value_or("");
  }();
  return bytes;
}

TEST(KilledWhileWriting, TheDefaultFileIsAbsentOrWholeAndTheNextStartIsNotConfused) {
  const std::string whole = DefaultFile();
  ASSERT_EQ(whole.rfind("[题目信息：]", 0), 0u) << "the reference run wrote no default file";
  ASSERT_NE(whole.find("答对一题得分=1"), std::string::npos);
  const std::wstring dir = FreshDirectory(L"killini");
  const std::wstring ini = Join(dir, L"wtda.ini");
  const int iterations = EnvNumber("LORNEL_E2E_KILLS", 12);
  std::map<std::string, int> seen;
  std::set<std::wstring> leftovers;
  for (int i = 0; i < iterations; ++i) {
    Program p = Program::Start(dir);
    ASSERT_TRUE(p.MainWindow()) << "start " << i;
    Click(p.Main(MainId::StartButton));
    auto box = p.WaitForMessageBox();
    ASSERT_TRUE(box) << "start " << i;
    // The file is written once OK is pressed: kill 0 to 30 ms after that.
    PressBoxButton(box->hwnd, IDOK);
    Spin((i * 7919) % 30000);
    p.Kill();
    const std::optional<std::string> now = ReadBytes(ini);
    if (!now) {
      ++seen["absent"];
    } else {
      EXPECT_EQ(*now, whole) << "wtda.ini half written at start " << i;
      ++seen[*now == whole ? "whole" : "broken"];
      DeleteFileW(ini.c_str());  // so that the next start writes it again
    }
    for (const std::wstring& name : Names(dir))
      if (name != L"lornel.exe" && name != L"SkinH_EL.dll") leftovers.insert(name);
  }
  std::printf(
      "[ kills    ] %d kills after OK: %d left no file, %d a whole one, %d a broken one, "
      "%zu temporary files left\n",
      iterations, seen["absent"], seen["whole"], seen["broken"], leftovers.size());
  for (const std::wstring& name : leftovers)
    std::printf("[ kills    ]   left: %s\n", Gbk(name).c_str());
  // Whatever was left, the next start writes the file, clears the temporaries
  // of the killed writes and opens the quiz.
  Program p = Program::Start(dir);
  ASSERT_TRUE(p.MainWindow());
  Click(p.Main(MainId::StartButton));
  NextBox(p);
  ASSERT_TRUE(WaitUntil([&] { return ReadBytes(ini) == whole; }));
  EXPECT_EQ(Names(dir), (std::set<std::wstring>{L"lornel.exe", L"SkinH_EL.dll", L"wtda.ini"}));
  Click(p.Main(MainId::StartButton));
  EXPECT_TRUE(WaitUntil([&] { return !Visible(p.Main(MainId::StartCover)); }));
  EXPECT_TRUE(p.MessageBoxes().empty());
}

TEST(KilledWhileWriting, TheLibraryIsAbsentOrWholeAndTheNextStartRuns) {
  const std::string whole = *ReadBytes(BuiltLibrary());
  const int iterations = EnvNumber("LORNEL_E2E_KILLS", 12);
  std::map<std::string, int> seen;
  int leftovers = 0;
  for (int i = 0; i < iterations; ++i) {
    const std::wstring dir = FreshDirectory(L"killdll");
    const std::wstring library = Join(dir, L"SkinH_EL.dll");
    Program p = Program::Start(dir);
    if (i % 2 == 0) {
      // The library is written in the creation handler, before the window
      // shows: watched closely, so that the kill falls right after it appears.
      for (const DWORD end = GetTickCount() + 15000; !FileExists(library) && GetTickCount() < end;)
        Sleep(0);
      Spin((i * 211) % 2000);
    } else {
      Spin((i * 37 % 400) * 1000);  // somewhere in the start
    }
    p.Kill();
    const std::optional<std::string> now = ReadBytes(library);
    ++seen[!now ? "absent" : *now == whole ? "whole" : "broken"];
    if (now) {
      EXPECT_EQ(now->size(), whole.size()) << "library cut short at start " << i;
    }
    const std::set<std::wstring> names = Names(dir);
    const bool left = names.size() > 1 + (now ? 1u : 0u);
    leftovers += left;
    if (now != whole || left) {
      // Whatever the kill left, the next start runs.
      Program next = Program::Start(dir);
      EXPECT_TRUE(next.MainWindow()) << "after kill " << i;
      EXPECT_EQ(ReadBytes(library), whole);
    }
    if (!HasFailure()) RemoveTree(dir);
  }
  std::printf(
      "[ kills    ] %d kills in the first start: %d left no library, %d a whole one, %d a "
      "broken one; %d left a temporary file\n",
      iterations, seen["absent"], seen["whole"], seen["broken"], leftovers);
}

}  // namespace
}  // namespace lornel::e2e
