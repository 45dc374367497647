// Undo and the lesson kept between runs, on the real program: real keys and
// menus, a process killed right after a score, and a lesson folder that
// cannot be written.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "quiz/round/lesson_file.h"
#include "quiz/tables.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"
#include "tests/win32/support/unix_shell.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

const test::QuizFile kLessonQuiz{
    .titles = {"用英语打个招呼", "一年有几个月？", "中国的首都是哪里？"},
    .answers = {"Hello", "12", "北京"}};

std::wstring LessonFile(const Session& s) {
  wchar_t local[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
  return std::wstring(local) + L"\\Lornel\\" +
         Wide(quiz::LessonFileName(Gbk(Join(s.dir, L"wtda.ini"))));
}

std::optional<quiz::SavedLesson> Lesson(const Session& s) {
  const auto bytes = ReadBytes(LessonFile(s));
  return bytes ? quiz::ReadLesson(*bytes) : std::nullopt;
}

// Ctrl+Z to the main window: a click on the information bar (which does
// nothing) brings it to the front after a message box, and the keys wait
// until it is there.
void CtrlZ(Session& s) {
  Click(s.Of(MainId::InfoText));
  WaitUntil([&] { return GetForegroundWindow() == s.p.MainWindow(); });
  INPUT down{.type = INPUT_KEYBOARD}, up{.type = INPUT_KEYBOARD};
  down.ki.wVk = up.ki.wVk = VK_CONTROL;
  up.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &down, sizeof(INPUT));
  PressKey('Z');
  SendInput(1, &up, sizeof(INPUT));
  Pause(100);
}

// Downs from the top of a menu, then Enter.
void MenuDowns(int downs) {
  for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }, 2000);
}

void RightClickCentre(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  RightClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  ASSERT_TRUE(OpenMenu());
}

// Question n for group three, answered on the on-screen keys.
void AnswerRight(Session& s, int n, const std::string& keys) {
  s.Press(quiz::kQuestions[n - 1].button, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::GroupRadio3, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio3), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  s.TypeOnScreen(keys);
  Click(s.Of(MainId::CheckButton));
  auto box = s.p.WaitForMessageBox();
  ASSERT_TRUE(box && box->text == "回答正确！");
  Program::Answer(*box, IDOK);
}

TEST(Undo, TakesBackARightAnswerARulingAndAScoreCorrection) {
  Session s(L"undo", kLessonQuiz.Bytes());
  s.PressStart();
  HWND score = s.Of(MainId::Score3);
  AnswerRight(s, 1, "HELLO");
  ASSERT_TRUE(WaitUntil([&] { return Text(score) == "1"; }));
  ASSERT_FALSE(Enabled(s.Of(MainId::QuestionButton1)));
  CtrlZ(s);
  EXPECT_TRUE(WaitUntil([&] { return Text(score) == "0"; })) << "Ctrl+Z";
  EXPECT_TRUE(Enabled(s.Of(MainId::QuestionButton1))) << "unlocked, ready to be opened again";

  // A ruling, taken back from the top of the score bar's menu.
  s.Press(MainId::QuestionButton2, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  RightClickCentre(s.Of(MainId::CheckButton));
  MenuDowns(1);
  auto ask = s.p.WaitForMessageBox();
  ASSERT_TRUE(ask && ask->text == "确定判为正确吗？");
  Program::Answer(*ask, IDYES);
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  Program::Answer(*right, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return Text(score) == "1"; }));
  RightClickCentre(score);
  MenuDowns(1);
  EXPECT_TRUE(WaitUntil([&] { return Text(score) == "0"; })) << "撤销 in the score menu";
  EXPECT_TRUE(Enabled(s.Of(MainId::QuestionButton2)));

  // A correction by hand ("加 1 分"), taken back by Ctrl+Z; then nothing is left.
  RightClickCentre(score);
  MenuDowns(3);
  ASSERT_TRUE(WaitUntil([&] { return Text(score) == "1"; }));
  CtrlZ(s);
  EXPECT_TRUE(WaitUntil([&] { return Text(score) == "0"; }));
  CtrlZ(s);
  Pause(200);
  EXPECT_EQ(Text(score), "0");
  EXPECT_TRUE(s.p.MessageBoxes().empty()) << "undo asks nothing";
  EXPECT_EQ(ReadBytes(Join(s.dir, L"wtda.ini")), kLessonQuiz.Bytes())
      << "nor touches the quiz file";
}

TEST(Lesson, AKilledRunIsOfferedAndResumedWithItsScoresAndLocks) {
  Session s(L"resume", kLessonQuiz.Bytes());
  s.PressStart();
  AnswerRight(s, 1, "HELLO");
  ASSERT_TRUE(WaitUntil([&] {
    const auto lesson = Lesson(s);
    return lesson && lesson->locked[0] && lesson->scores[2].value() == 1;
  }));
  s.p.Kill();
  Program next = Program::Start(s.dir);
  ASSERT_TRUE(next.MainWindow());
  HWND resume = next.Main(MainId::ResumeButton);
  ASSERT_TRUE(Visible(resume));
  EXPECT_EQ(Text(resume).rfind("接着上次的比赛\r\n上次 ", 0), 0u) << Text(resume);
  EXPECT_NE(Text(resume).find("三组 1 分"), std::string::npos) << Text(resume);
  s.Screenshot(L"resume-offer");
  Click(resume);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(next.Main(MainId::StartCover)); }));
  EXPECT_EQ(Text(next.Main(MainId::Score3)), "1");
  EXPECT_FALSE(Enabled(next.Main(MainId::QuestionButton1)));
  EXPECT_TRUE(Enabled(next.Main(MainId::QuestionButton2)));
}

TEST(Lesson, KilledWhileSavingLeavesTheLastLessonOrTheOneBeforeNeverABrokenOne) {
  Session s(L"killsave", kLessonQuiz.Bytes());
  s.PressStart();
  // A lesson saved first, so that each kill has one before it.
  HWND first = s.Of(MainId::Score1);
  RightClickCentre(first);
  MenuDowns(3);  // 加 1 分
  ASSERT_TRUE(WaitUntil([&] { return Lesson(s) && Lesson(s)->scores[0].value() == 1; }));
  s.p.Kill();
  double saved = 1;
  for (int i = 0; i < 5; ++i) {
    Program p = Program::Start(s.dir);
    ASSERT_TRUE(p.MainWindow());
    Click(p.Main(MainId::ResumeButton));
    ASSERT_TRUE(WaitUntil([&] { return !Visible(p.Main(MainId::StartCover)); }));
    HWND score = p.Main(MainId::Score1);
    const std::string before = Text(score);
    RightClickCentre(score);
    MenuDowns(3);  // saved at once, off the window's thread
    WaitUntil([&] { return Text(score) != before; }, 2000);
    Sleep((i * 7) % 5);
    p.Kill();
    const auto lesson = Lesson(s);
    ASSERT_TRUE(lesson) << "kill " << i << ": the lesson file is missing or broken";
    const double kept = lesson->scores[0].value();
    EXPECT_TRUE(kept == saved + 1 || kept == saved) << "kill " << i << " kept " << kept;
    saved = kept;
  }
}

std::wstring Made(const std::wstring& folder) {
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// The lesson folder made unwritable for the test's time (as root, Wine writes
// past the read-only attribute: the file system's immutable flag stops it).
class LockedFolder {
 public:
  explicit LockedFolder(const std::wstring& folder) : folder_(Made(folder)), immutable_(folder_) {}
  bool locked() const { return immutable_.ok() && !Writable(); }

 private:
  bool Writable() const {
    const std::wstring probe = folder_ + L"\\probe";
    if (!CreateDirectoryW(probe.c_str(), nullptr)) return false;
    RemoveDirectoryW(probe.c_str());
    return true;
  }

  std::wstring folder_;
  test::Immutable immutable_;
};

TEST(Lesson, AFolderThatCannotBeWrittenPlaysOnSilentlyWithoutTheOffer) {
  Session s(L"nolesson", kLessonQuiz.Bytes());
  const std::wstring file = LessonFile(s);
  const LockedFolder folder(file.substr(0, file.rfind(L'\\')));
  if (!folder.locked()) GTEST_SKIP() << "no chattr here to lock the lesson folder";
  s.PressStart();
  HWND score = s.Of(MainId::Score1);
  RightClickCentre(score);
  MenuDowns(3);
  EXPECT_TRUE(WaitUntil([&] { return Text(score) == "1"; }));
  AnswerRight(s, 1, "HELLO");
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score3)) == "1"; }));
  Pause(500);
  EXPECT_TRUE(s.p.MessageBoxes().empty());
  EXPECT_FALSE(FileExists(file));
  s.p.Kill();
  Program again = Program::Start(s.dir);
  ASSERT_TRUE(again.MainWindow());
  EXPECT_FALSE(Visible(again.Main(MainId::ResumeButton)));
}

}  // namespace
}  // namespace lornel::e2e
