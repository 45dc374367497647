// The editor and a colleague (or Notepad) editing the same file: the save
// keeps both changes, activation loads the file again, and log-off asks
// about unsaved changes in a box owned by the editor.
#include <gtest/gtest.h>

#include "editor/ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/editor_program.h"

namespace lornel::e2e {
namespace {

using editor::EditorId;

// Notepad saves the file with the value of one key replaced.
void ChangeOutside(const std::wstring& file, const std::string& key, const std::string& value) {
  std::string bytes = ReadBytes(file).value_or("");
  const std::size_t at = bytes.find(key + "=");
  ASSERT_NE(at, std::string::npos) << key;
  const std::size_t start = at + key.size() + 1;
  bytes.replace(start, bytes.find("\r\n", start) - start, value);
  WriteBytes(file, bytes);
}

// WM_QUERYENDSESSION as Windows sends it at log-off, from another thread
// while this one answers the editor's question.
struct EndSessionQuery {
  explicit EndSessionQuery(HWND window) : window(window) {
    thread = CreateThread(nullptr, 0, Send, this, 0, nullptr);
  }
  ~EndSessionQuery() { CloseHandle(thread); }
  // The editor's answer: TRUE lets the session end.
  LRESULT Result() {
    WaitForSingleObject(thread, 20000);
    return answered ? result : -1;
  }
  static DWORD WINAPI Send(void* self) {
    auto* q = static_cast<EndSessionQuery*>(self);
    DWORD_PTR r = 0;
    q->answered = SendMessageTimeoutW(q->window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                      SMTO_NORMAL, 15000, &r) != 0;
    q->result = static_cast<LRESULT>(r);
    return 0;
  }
  HWND window;
  HANDLE thread = nullptr;
  bool answered = false;
  LRESULT result = 0;
};

TEST(EditorMerge, SavingKeepsAColleaguesEditAndActivationLoadsTheFileAgain) {
  const std::wstring dir = FolderWithExample(L"editor-merge");
  const std::wstring file = Join(dir, L"wtda.ini");
  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  ChangeOutside(file, "第九题题目", "同事改的第九题");
  SetValue(e.Of(editor::AnswerBox(1)), L"paris");
  EXPECT_TRUE(WaitUntil([&] { return e.Modified(); })) << e.Caption();
  Click(e.Of(EditorId::SaveButton));
  EXPECT_TRUE(WaitUntil([&] { return !e.Modified(); })) << e.Caption();
  EXPECT_TRUE(e.p.MessageBoxes().empty());
  EXPECT_EQ(Profile(file, "题目信息：", "第九题题目"), "同事改的第九题");
  EXPECT_EQ(Profile(file, "答案信息：", "第一题答案"), "paris");
  EXPECT_EQ(Text(e.Of(editor::TitleBox(9))), "同事改的第九题");

  // Nothing unsaved: coming back to the editor shows the file as it is now.
  ChangeOutside(file, "第九题题目", "又改了一次");
  ShowWindow(e.window, SW_MINIMIZE);
  ShowWindow(e.window, SW_RESTORE);
  SetForegroundWindow(e.window);
  EXPECT_TRUE(WaitUntil([&] { return Text(e.Of(editor::TitleBox(9))) == "又改了一次"; }))
      << Text(e.Of(editor::TitleBox(9)));
  EXPECT_FALSE(e.Modified()) << e.Caption();
  EXPECT_TRUE(e.p.MessageBoxes().empty());
}

TEST(EditorMerge, LogOffAsksInABoxOwnedByTheEditorAndCancelHoldsTheSession) {
  const std::wstring dir = FolderWithExample(L"editor-logoff");
  const std::wstring file = Join(dir, L"wtda.ini");
  const auto before = ReadBytes(file);
  EditorProgram e(dir);
  ASSERT_TRUE(e.window);
  SetValue(e.Of(editor::AnswerBox(2)), L"pear");
  EXPECT_TRUE(WaitUntil([&] { return e.Modified(); })) << e.Caption();

  for (const int button : {IDCANCEL, IDYES}) {
    EndSessionQuery query(e.window);
    auto ask = e.p.WaitForMessageBox();
    ASSERT_TRUE(ask);
    EXPECT_NE(ask->text.find("题目已经修改。要保存到"), std::string::npos) << ask->text;
    EXPECT_EQ(GetWindow(ask->hwnd, GW_OWNER), e.window);
    PostMessageW(ask->hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(ask->hwnd, button)));
    const LRESULT result = query.Result();
    if (button == IDCANCEL) {
      EXPECT_EQ(result, FALSE);
      EXPECT_EQ(ReadBytes(file), before);
      EXPECT_TRUE(e.Modified());
    } else {
      EXPECT_EQ(result, TRUE);
      EXPECT_EQ(Profile(file, "答案信息：", "第二题答案"), "pear");
    }
  }
  // The session ends: no second question, the editor just goes.
  PostMessageW(e.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(e.p.WaitForExit(5000), 0u);
  EXPECT_TRUE(e.p.MessageBoxes().empty());
}

}  // namespace
}  // namespace lornel::e2e
