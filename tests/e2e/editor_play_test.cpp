// "开始答题" in the real editor beside a real lornel.exe: the quiz starts
// from that folder; a second press brings the running copy forward instead
// of starting one that would show the notice; and a file from another
// folder, opened through the Open dialog, is refused in a sentence.
#include <gtest/gtest.h>

#include <set>

#include "editor/ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;

std::wstring ImageOf(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return {};
  wchar_t image[MAX_PATH * 2] = {};
  DWORD size = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(process, 0, image, &size)) image[0] = L'\0';
  CloseHandle(process);
  return image;
}

// Every window of our class (the notice and a hidden main window included)
// whose process runs an executable in dir, by process.
struct OursIn {
  std::wstring dir;  // with a trailing backslash
  std::set<DWORD> pids;
  HWND quiz = nullptr;  // a visible main window of lornel.exe
};

BOOL CALLBACK CollectOurs(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<OursIn*>(data);
  wchar_t cls[32] = {}, title[64] = {};
  GetClassNameW(hwnd, cls, 32);
  if (std::wstring(cls) != L"LornelWindow") return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const std::wstring image = ImageOf(pid);
  if (image.size() <= s->dir.size() || CompareStringOrdinal(image.c_str(), int(s->dir.size()),
                                                            s->dir.c_str(), -1, TRUE) != CSTR_EQUAL)
    return TRUE;
  s->pids.insert(pid);
  GetWindowTextW(hwnd, title, 64);
  if (IsWindowVisible(hwnd) && std::wstring(title) == L"Lornel V1.1.15.823" &&
      CompareStringOrdinal(image.c_str(), -1, (s->dir + L"lornel.exe").c_str(), -1, TRUE) ==
          CSTR_EQUAL)
    s->quiz = hwnd;
  return TRUE;
}

OursIn Ours(const std::wstring& dir) {
  OursIn s{dir + L"\\"};
  EnumWindows(CollectOurs, reinterpret_cast<LPARAM>(&s));
  return s;
}

// Whatever the editor started is ended with the test, passed or not: a
// program left running would hold the test's output open.
struct EndStarted {
  std::wstring dir;
  DWORD editor;
  ~EndStarted() {
    for (DWORD pid : Ours(dir).pids) {
      if (pid == editor) continue;
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
      if (!process) continue;
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
};

BOOL CALLBACK FindEdit(HWND hwnd, LPARAM data) {
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  if (std::wstring(cls) != L"Edit" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(data) = hwnd;
  return FALSE;
}

// The Open dialog, given a full path in its file name box.
bool OpenThroughTheDialog(EditorProgram& e, const std::wstring& path) {
  Click(e.Of(EditorId::OpenButton));
  auto dialog = e.p.WaitForMessageBox();
  if (!dialog || dialog->title != "打开题目文件") return false;
  HWND name = nullptr;
  EnumChildWindows(dialog->hwnd, FindEdit, reinterpret_cast<LPARAM>(&name));
  if (!name) return false;
  SetValue(name, path);
  PostMessageW(dialog->hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return WaitUntil([&] { return e.Caption() == Gbk(path) + " - Lornel 题目编辑器"; });
}

TEST(EditorPlay, StartsTheQuizBesideItOnceAndRefusesAnotherFolder) {
  ASSERT_FALSE(BuiltEditor().empty()) << "--editor= names lornel-editor.exe";
  const std::wstring dir = FolderWithExample(L"editor-play");
  const std::wstring file = Join(dir, L"wtda.ini");
  ASSERT_TRUE(CopyFileW(BuiltExe().c_str(), Join(dir, L"lornel.exe").c_str(), FALSE));
  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  EndStarted ending{dir, e.p.pid()};

  Click(e.Of(EditorId::PlayButton));
  HWND quiz = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (quiz = Ours(dir).quiz) != nullptr; }, 15000))
      << "no main window of " << Gbk(Join(dir, L"lornel.exe"));
  DWORD quizPid = 0;
  GetWindowThreadProcessId(quiz, &quizPid);
  EXPECT_TRUE(e.p.MessageBoxes().empty());

  // Changed, saved at the question, and the running copy brought forward.
  ShowWindow(quiz, SW_MINIMIZE);
  SetForegroundWindow(e.window);
  SetValue(e.Of(editor::TitleBox(1)), L"新的第一题");
  Click(e.Of(EditorId::PlayButton));
  auto save = e.p.WaitForMessageBox();
  ASSERT_TRUE(save);
  EXPECT_NE(save->text.find("开始答题前要先保存到“" + Gbk(file) + "”吗？"), std::string::npos)
      << save->text;
  Program::Answer(*save, IDYES);
  auto running = e.p.WaitForMessageBox();
  ASSERT_TRUE(running);
  EXPECT_NE(running->text.find("课堂程序已经在运行"), std::string::npos) << running->text;
  EXPECT_NE(running->text.find("保存的修改从下一次打开题目起生效"), std::string::npos);
  EXPECT_EQ(Profile(file, "题目信息：", "第一题题目"), "新的第一题");
  Program::Answer(*running, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(quiz) && GetForegroundWindow() == quiz; }));
  // No second copy, so no notice: every window of ours is the editor's or the quiz's.
  Pause(1500);
  EXPECT_EQ(Ours(dir).pids, (std::set<DWORD>{e.p.pid(), quizPid}));

  ShowWindow(quiz, SW_MINIMIZE);  // the mouse clicks the editor's buttons
  const std::wstring other = Join(FolderWithExample(L"editor-play-other"), L"wtda.ini");
  ASSERT_TRUE(OpenThroughTheDialog(e, other)) << e.Caption();
  Click(e.Of(EditorId::PlayButton));
  auto refused = e.p.WaitForMessageBox();
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->text.find("课堂程序只读取它旁边的 wtda.ini；现在打开的是“" + Gbk(other) + "”"),
            std::string::npos)
      << refused->text;
  Program::Answer(*refused, IDOK);

  PostMessageW(quiz, WM_CLOSE, 0, 0);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, quizPid);
  EXPECT_EQ(WaitForSingleObject(process, 5000), WAIT_OBJECT_0);
  CloseHandle(process);
  PostMessageW(e.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(e.p.WaitForExit(5000), 0u);
}

}  // namespace
}  // namespace lornel::e2e
