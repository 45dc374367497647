// The settings check on the real program: the default file written at the
// first press of the start button, and the repair exit that opens wtda.ini
// in the shell's editor and ends the program without writing anything.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/config.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

constexpr int kMessageIconId = 0x0440;  // the icon of a message box dialog

// The keys as config/ spells them (tests/unit/config checks the spelling).
using config::kCountdownKey, config::kCountdownSection, config::kPointsKey, config::kPointsSection;

// What the box shows beside its text: the warning's yellow triangle or the
// information sign's blue.
enum class Icon { None, Warning, Information };

Icon IconOf(const MessageBoxInfo& box) {
  HWND icon = GetDlgItem(box.hwnd, kMessageIconId);
  if (!icon || !IsWindowVisible(icon)) return Icon::None;
  int yellow = 0, blue = 0;
  WaitUntil(
      [&] {
        yellow = blue = 0;
        for (COLORREF c : GrabWindow(icon).colours) {
          const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
          yellow += r > 180 && g > 140 && b < 100;
          blue += b > 150 && r < 120 && b > g;
        }
        return yellow + blue > 40;
      },
      3000);
  if (yellow > blue) return Icon::Warning;
  return blue > yellow ? Icon::Information : Icon::None;
}

std::set<std::wstring> Entries(const std::wstring& dir) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Join(dir, L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.insert(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

const std::set<std::wstring> kOnlyOurFiles = {L"SkinH_EL.dll", L"lornel.exe", L"wtda.ini"};

// Wine's own profile functions read the file the program wrote.
std::string Profile(const std::string& path, const std::string& section, const std::string& key) {
  char value[1024] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "(missing)", value, sizeof value,
                           path.c_str());
  return value;
}

std::vector<std::string> Split(const char* list, DWORD length) {
  std::vector<std::string> items;
  for (DWORD i = 0; i < length && list[i];) {
    items.emplace_back(list + i);
    i += static_cast<DWORD>(items.back().size()) + 1;
  }
  return items;
}

TEST(Settings, TheFirstPressWritesTheDefaultFileAndTheSecondOpensTheQuiz) {
  const std::wstring dir = FreshDirectory(L"first");
  Program p = Program::Start(dir);
  ASSERT_TRUE(p.MainWindow());
  Click(p.Main(MainId::StartButton));
  auto box = p.WaitForMessageBox();
  ASSERT_TRUE(box);
  // The program names the file by the current directory it was started in.
  wchar_t where[MAX_PATH] = {};
  GetFullPathNameW(Join(dir, L"wtda.ini").c_str(), MAX_PATH, where, nullptr);
  EXPECT_EQ(box->text, "未发现配置‘" + Gbk(where) + "’即将写入配置");
  EXPECT_EQ(box->title, "信息：");
  EXPECT_TRUE(box->hasOk && !box->hasYes && !box->hasNo);
  EXPECT_EQ(IconOf(*box), Icon::Warning);
  EXPECT_FALSE(FileExists(Join(dir, L"wtda.ini"))) << "written once the message is confirmed";
  Program::Answer(*box, IDOK);

  const std::wstring file = Join(dir, L"wtda.ini");
  ASSERT_TRUE(WaitUntil([&] { return FileExists(file); }));
  EXPECT_TRUE(Visible(p.Main(MainId::StartCover))) << "the cover stays";
  EXPECT_EQ(Entries(dir), kOnlyOurFiles) << "no temporary file left beside it";

  const std::string bytes = *ReadBytes(file);
  EXPECT_EQ(bytes.rfind("[题目信息：]\r\n", 0), 0u);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a line end without CR at " << i;
    }
  const std::string path = Gbk(file);
  char list[4096] = {};
  const DWORD got = GetPrivateProfileSectionNamesA(list, sizeof list, path.c_str());
  const std::vector<std::string> sections = Split(list, got);
  EXPECT_EQ(sections,
            (std::vector<std::string>{"题目信息：", "-=-=-=-=-=-=-=-=-=-=-=-=-=", "答案信息：",
                                      "-=-=-=-=-=-=-=-=-=-=-=-=-=-", kCountdownSection,
                                      "-=-=-=-=-=-=-=-=-=-=-=-=-=-=", kPointsSection}));
  std::vector<std::string> titles, answers;
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    titles.push_back(config::QuestionTitleKey(n) + "=");
    answers.push_back(config::QuestionAnswerKey(n) + "=");
  }
  std::size_t entries = 0;
  for (const std::string& section : sections) {
    char lines[8192] = {};
    const std::vector<std::string> in =
        Split(lines, GetPrivateProfileSectionA(section.c_str(), lines, sizeof lines, path.c_str()));
    entries += in.size();
    if (section == "题目信息：") {
      EXPECT_EQ(in, titles);
    } else if (section == "答案信息：") {
      EXPECT_EQ(in, answers);
    } else if (section[0] == '-') {
      EXPECT_EQ(in, std::vector<std::string>{std::string(28, '=')}) << "a separator row";
    }
  }
  EXPECT_EQ(entries, 33u);
  EXPECT_EQ(Profile(path, kCountdownSection, kCountdownKey), "0");
  EXPECT_EQ(Profile(path, kPointsSection, kPointsKey), "1");

  // The second press finds the file: the quiz opens, nothing more is written.
  Click(p.Main(MainId::StartButton));
  EXPECT_TRUE(WaitUntil([&] { return !Visible(p.Main(MainId::StartCover)); }));
  EXPECT_TRUE(p.MessageBoxes().empty());
  EXPECT_EQ(*ReadBytes(file), bytes);
}

// The editor the shell opened for wtda.ini: its top-level window, found by title.
struct Editor {
  HWND window = nullptr;
  DWORD pid = 0;
};

BOOL CALLBACK CollectEditors(HWND hwnd, LPARAM data) {
  wchar_t title[512] = {};
  GetWindowTextW(hwnd, title, 512);
  if (IsWindowVisible(hwnd) && std::wstring(title).find(L"wtda") != std::wstring::npos)
    reinterpret_cast<std::set<HWND>*>(data)->insert(hwnd);
  return TRUE;
}

std::set<HWND> EditorWindows() {
  std::set<HWND> found;
  EnumWindows(CollectEditors, reinterpret_cast<LPARAM>(&found));
  return found;
}

// An editor window that was not there before.
Editor WaitForNewEditor(const std::set<HWND>& before) {
  Editor e;
  WaitUntil(
      [&] {
        for (HWND w : EditorWindows())
          if (!before.count(w)) e.window = w;
        return e.window != nullptr;
      },
      20000);
  if (e.window) GetWindowThreadProcessId(e.window, &e.pid);
  return e;
}

// Closes the editor as a user would; it has nothing to save.
void CloseEditor(const Editor& e) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, e.pid);
  PostMessageW(e.window, WM_CLOSE, 0, 0);
  if (process) {
    if (WaitForSingleObject(process, 10000) == WAIT_TIMEOUT) TerminateProcess(process, 1);
    CloseHandle(process);
  }
}

// The file a teacher edited, with a comment of their own that a rewrite would lose.
std::string TeachersFile(const std::string& countdown, const std::string& points) {
  return "; 我们班的题目\r\n" + test::QuizFile{.titles = {"一年有几个月？"},
                                               .answers = {"12"},
                                               .countdown = countdown,
                                               .points = points}
                                    .Bytes();
}

// After the message: the editor opens wtda.ini, the program ends, and the
// file and the directory are as they were.
void ExpectRepairExit(Session& s, const std::string& before, const std::set<HWND>& editorsBefore) {
  const Editor editor = WaitForNewEditor(editorsBefore);
  ASSERT_TRUE(editor.window) << "no editor window for wtda.ini";
  EXPECT_NE(editor.pid, s.p.pid());
  CloseEditor(editor);
  EXPECT_TRUE(s.p.WaitForExit(10000)) << "the program ends";
  EXPECT_EQ(*ReadBytes(Join(s.dir, L"wtda.ini")), before);
  EXPECT_EQ(Entries(s.dir), kOnlyOurFiles);
}

TEST(Settings, AnEmptiedPointsValueOpensTheFileInTheEditorAndEnds) {
  const std::string file = TeachersFile("30", "");
  Session s(L"points", file);
  Click(s.Of(MainId::StartButton));
  auto box = s.p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "加分配置错误");
  EXPECT_EQ(box->title, "不能为空");
  EXPECT_TRUE(box->hasOk && !box->hasYes);
  EXPECT_EQ(IconOf(*box), Icon::Warning);
  EXPECT_FALSE(Visible(s.Of(MainId::StartCover))) << "the cover went before the value was read";
  const std::set<HWND> editors = EditorWindows();
  Program::Answer(*box, IDOK);
  ExpectRepairExit(s, file, editors);
}

TEST(Settings, AnEmptiedCountdownAtGroupConfirmationOpensTheFileInTheEditorAndEnds) {
  const std::string file = TeachersFile("", "1");
  Session s(L"countdown", file);
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  Click(s.Of(MainId::ConfirmGroupButton));
  auto box = s.p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "请在配置中填入倒计时时间！");
  EXPECT_EQ(box->title, "不能为空");
  EXPECT_TRUE(box->hasOk && !box->hasYes);
  EXPECT_EQ(IconOf(*box), Icon::Information);
  EXPECT_EQ(Text(s.Of(MainId::CountdownNumber)), "0") << "no countdown started";
  const std::set<HWND> editors = EditorWindows();
  Program::Answer(*box, IDOK);
  ExpectRepairExit(s, file, editors);
}

}  // namespace
}  // namespace lornel::e2e
