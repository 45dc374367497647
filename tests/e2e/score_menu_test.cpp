// The score bar's menu on the real program: real right-clicks on each group's
// part of the bar, items chosen with the keyboard, and the copy on the clipboard.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "quiz/round/groups.h"
#include "quiz/tables.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

// One question, no countdown, the points given.
std::string Quiz(const std::string& points) {
  return test::QuizFile{.titles = {"用英语打个招呼"}, .answers = {"Hello"}, .points = points}
      .Bytes();
}

struct MenuLine {
  std::string text;
  bool greyed;
};

// Windows lets another process read a menu; Wine 8 answers only its own (nullopt).
std::optional<std::vector<MenuLine>> ReadMenu(HWND window) {
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  const int count = menu ? GetMenuItemCount(menu) : -1;
  if (count <= 0) return std::nullopt;
  std::vector<MenuLine> lines;
  for (int i = 0; i < count; ++i) {
    wchar_t text[64] = {};
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 63;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) return std::nullopt;
    lines.push_back({Gbk(text), (info.fState & MFS_GRAYED) != 0});
  }
  return lines;
}

// Downs from the top: 1 撤销, 2 the title, 3 加, 4 减, 5 清零; Up once: 复制全部成绩.
// A menu that opens leftwards, at the screen's right, lies under the pointer,
// which would highlight an item before the keys: the pointer goes first.
void Choose(int downs, bool up = false) {
  ParkPointer();
  for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
  if (up) PressKey(VK_UP);
  PressKey(VK_RETURN);
  WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }, 2000);
}

std::optional<std::wstring> ClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(ScoreMenu, EachGroupsPartOpensItsMenuAndTheChoiceChangesThatScore) {
  Session s(L"score-menu", Quiz("1"));
  s.PressStart();
  for (const quiz::Group& group : quiz::kGroups) {
    const int g = group.g;
    HWND label = s.Of(group.score);
    RECT r;
    GetWindowRect(label, &r);
    const int y = (r.top + r.bottom) / 2;
    // The score label, the group's name left of it, and its "分." right of it.
    RightClickAt(Centre(r));
    HWND menu = OpenMenu();
    ASSERT_TRUE(menu) << "group " << g;
    if (const auto lines = ReadMenu(menu)) {
      ASSERT_EQ(lines->size(), 8u);
      EXPECT_EQ((*lines)[2].text, std::string("第") + quiz::round::GroupNumeral(group.g) + "组");
      EXPECT_TRUE((*lines)[2].greyed);
      EXPECT_EQ((*lines)[3].text, "加 1 分");
      EXPECT_FALSE((*lines)[3].greyed);
      EXPECT_EQ((*lines)[7].text, "复制全部成绩");
    }
    if (g == 3) s.Screenshot(L"score-menu");
    Choose(3);
    EXPECT_TRUE(WaitUntil([&] { return Text(label) == "1"; })) << "加, group " << g;
    RightClickAt({r.left - 30, y});
    ASSERT_TRUE(OpenMenu());
    Choose(4);
    EXPECT_TRUE(WaitUntil([&] { return Text(label) == "0"; })) << "减 on the name, group " << g;
    RightClickAt({r.right + 15, y});
    ASSERT_TRUE(OpenMenu());
    Choose(4);
    EXPECT_TRUE(WaitUntil([&] { return Text(label) == "-1"; })) << "减 on 分., group " << g;
  }
  for (const quiz::Group& group : quiz::kGroups) EXPECT_EQ(Text(s.Of(group.score)), "-1");
  HWND second = s.Of(quiz::kGroups[1].score);
  RECT r;
  GetWindowRect(second, &r);
  RightClickAt(Centre(r));
  ASSERT_TRUE(OpenMenu());
  Choose(5);
  EXPECT_TRUE(WaitUntil([&] { return Text(second) == "0"; })) << "清零";
  RightClickAt(Centre(r));
  ASSERT_TRUE(OpenMenu());
  Choose(0, true);
  EXPECT_TRUE(WaitUntil([] { return ClipboardText().has_value(); }));
  EXPECT_EQ(ClipboardText().value_or(L""),
            L"小组\t得分\r\n第一组\t-1\r\n第二组\t0\r\n第三组\t-1\r\n第四组\t-1\r\n"
            L"第五组\t-1\r\n第六组\t-1\r\n");
}

TEST(ScoreMenu, GreyedPointItemsChangeNothingAndTheCoverTakesTheClick) {
  Session s(L"score-menu-empty", Quiz("abc"));
  HWND label = s.Of(quiz::kGroups[2].score);
  RECT r;
  GetWindowRect(label, &r);
  RightClickAt(Centre(r));
  Pause(300);
  EXPECT_FALSE(FindWindowW(L"#32768", nullptr)) << "the start cover lies over the bar";
  s.PressStart();
  RightClickAt(Centre(r));
  HWND menu = OpenMenu();
  ASSERT_TRUE(menu);
  if (const auto lines = ReadMenu(menu)) {
    EXPECT_TRUE((*lines)[3].greyed && (*lines)[4].greyed);
    EXPECT_FALSE((*lines)[5].greyed);
  }
  Choose(3);  // Enter on a greyed 加 chooses nothing
  PressKey(VK_ESCAPE);
  WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }, 2000);
  Pause(200);
  EXPECT_EQ(Text(label), "0");
}

}  // namespace
}  // namespace lornel::e2e
