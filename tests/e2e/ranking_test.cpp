// The ranking (比赛结果) and the fair random group (随机选组) on the real
// program: the system menu, F9, the ranking's own buttons, the clipboard read
// back, Esc; 随机 pressed with the mouse; 组数 hiding groups five and six.
// The ranking is photographed at 1280x800, on a 1024x768 projector and in
// full screen on 1920x1080.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <map>
#include <string>

#include "quiz/main_ids.h"
#include "quiz/round/lesson_file.h"
#include "quiz/tables.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"
#include "ui/ranking_board.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

test::QuizFile RandomQuiz(const char* groups = nullptr) {
  test::QuizFile quiz = test::NumberedQuiz();
  quiz.randomGroup = "1";
  if (groups) quiz.groupCount = groups;
  return quiz;
}

// A program whose last lesson had these scores, resumed: a ranking to look at
// without playing for it. 第二组 first, 第一组 and 第三组 sharing second place.
Session Resumed(const std::wstring& tag) {
  const std::wstring dir = FreshDirectory(tag);
  WriteBytes(Join(dir, L"wtda.ini"), RandomQuiz().Bytes());
  quiz::SavedLesson lesson;
  lesson.savedAt = {2026, 12, 9, 10, 42};
  const double scores[] = {3, 5, 3, 0, -1, 2};
  for (int g = 0; g < 6; ++g) lesson.scores[g] = quiz::Points::Of(scores[g]);
  wchar_t local[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
  const std::wstring folder = std::wstring(local) + L"\\Lornel";
  CreateDirectoryW(folder.c_str(), nullptr);
  WriteBytes(folder + L"\\" + Wide(quiz::LessonFileName(Gbk(Join(dir, L"wtda.ini")))),
             quiz::WriteLesson(lesson));
  Session s(dir);
  s.Press(MainId::ResumeButton, [&] { return !Visible(s.Of(MainId::StartCover)); });
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score2)) == "5"; }));
  SetForegroundWindow(s.p.MainWindow());
  return s;
}

HWND RankingOf(HWND main) { return FindWindowExW(main, nullptr, L"LornelRanking", nullptr); }
bool RankingShown(HWND main) { return RankingOf(main) && Visible(RankingOf(main)); }

// The ranking's button with this caption (GBK), or nullptr.
HWND RankingButton(HWND main, const std::string& caption) {
  for (HWND b = nullptr; (b = FindWindowExW(RankingOf(main), b, L"Button", nullptr));)
    if (Text(b) == caption) return b;
  return nullptr;
}

// The clipboard's text, and the size of its picture.
std::wstring Copied(SIZE* picture = nullptr) {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  if (HANDLE data = picture ? GetClipboardData(CF_DIB) : nullptr) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    *picture = {header->biWidth, header->biHeight};
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Opened by F9 (or already open), it covers the whole client area, painted:
// its background in a corner, gold in the first's block where the layout puts it.
void ExpectRankingPainted(HWND main, const std::wstring& shot = L"") {
  if (!RankingShown(main)) PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); }));
  ParkPointer();
  SettlePaint(main);
  RECT client, covered;
  GetClientRect(main, &client);
  GetClientRect(RankingOf(main), &covered);
  EXPECT_TRUE(EqualRect(&client, &covered)) << "the whole client area";
  ui::RankingBoard board;
  board.entries = {{1, "第二组", "5 分"}};
  const ui::Rect block = ui::LayOutRanking(board, {client.right, client.bottom}).shapes[2].rect;
  POINT at[] = {{2, 2}, {block.left + block.width / 2, block.bottom() - 4}};
  MapWindowPoints(RankingOf(main), nullptr, at, 2);
  EXPECT_EQ(Grab({at[0].x, at[0].y, at[0].x + 1, at[0].y + 1}).At(0, 0), RGB(0x1B, 0x28, 0x45));
  EXPECT_EQ(Grab({at[1].x, at[1].y, at[1].x + 1, at[1].y + 1}).At(0, 0), RGB(0xF2, 0xC2, 0x30));
  if (!shot.empty()) ShootWindow(main, shot);
}

bool OnDisplay(const char* display) {
  const char* now = std::getenv("LORNEL_DISPLAY");
  return now && std::string(now) == display;
}

TEST(Ranking, ByTheSystemMenuAndF9WithThePlacesAloneCopyAndEsc) {
  Session s = Resumed(L"ranking");
  HWND main = s.p.MainWindow();
  // Alt+Space, then up from the top (or from nothing) to the last but one item.
  INPUT alt[2] = {{.type = INPUT_KEYBOARD}, {.type = INPUT_KEYBOARD}};
  alt[0].ki.wVk = alt[1].ki.wVk = VK_MENU;
  alt[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &alt[0], sizeof(INPUT));
  PressKey(VK_SPACE);
  SendInput(1, &alt[1], sizeof(INPUT));
  ASSERT_TRUE(OpenMenu());
  for (WORD key : {VK_UP, VK_UP, VK_RETURN}) PressKey(key);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); })) << "比赛结果 in the system menu";
  ExpectRankingPainted(main, L"ranking-1280x800");

  // With the places alone the copy leaves the scores out; with them, it has them.
  const std::wstring places[] = {L"1\t第二组\t", L"2\t第一组\t", L"2\t第三组\t",
                                 L"4\t第六组\t", L"5\t第四组\t", L"6\t第五组\t"};
  const std::wstring scores[] = {L"5", L"3", L"3", L"2", L"0", L"-1"};
  for (bool alone : {true, false}) {
    HWND toggle = RankingButton(main, alone ? "只显示名次" : "显示得分");
    ASSERT_TRUE(toggle);
    Click(toggle);
    ASSERT_TRUE(WaitUntil([&] { return Text(toggle) == (alone ? "显示得分" : "只显示名次"); }));
    std::wstring expected = L"名次\t小组\t得分\r\n";
    for (int i = 0; i < 6; ++i) expected += places[i] + (alone ? L"" : scores[i]) + L"\r\n";
    Click(RankingButton(main, "复制"));
    EXPECT_TRUE(WaitUntil([&] { return Copied() == expected; })) << "alone: " << alone;
  }
  RECT client;
  GetClientRect(main, &client);
  SIZE picture{};
  Copied(&picture);
  EXPECT_EQ(picture.cx, client.right);
  EXPECT_EQ(picture.cy, client.bottom);

  // Esc, F9 again and 返回 each go back to the board as it was.
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !RankingShown(main); })) << "Esc";
  EXPECT_EQ(Text(s.Of(MainId::Score2)), "5");
  EXPECT_TRUE(Enabled(s.Of(MainId::QuestionButton1)));
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); })) << "F9";
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return !RankingShown(main); })) << "F9 again";
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); }));
  Click(RankingButton(main, "返回"));
  EXPECT_TRUE(WaitUntil([&] { return !RankingShown(main); })) << "返回";
  EXPECT_TRUE(s.p.MessageBoxes().empty());
}

// "随机" pressed `times` times, each highlight waited out: how often each
// group was left checked, and checked alone. The panel is photographed after
// the third.
std::map<int, int> Draws(Session& s, int times, const std::wstring& shot) {
  HWND button = s.Of(MainId::DrawButton);
  std::map<int, int> drawn;
  for (int i = 0; i < times; ++i) {
    Click(button);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(button); }, 2000));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(button); }, 3000)) << "stopped";
    int checked = 0;
    for (const quiz::Group& group : quiz::kGroups)
      if (SendMessageW(s.Of(group.radio), BM_GETCHECK, 0, 0) == BST_CHECKED)
        checked = checked ? -1 : group.g;
    ++drawn[checked];
    if (i == 0)
      for (int g = 1; g <= 6; ++g)
        EXPECT_EQ(Visible(s.Of(MainId(int(MainId::Drawn1) + g - 1))), g == checked) << "已抽";
    if (i == 2) ShootWindow(s.p.MainWindow(), shot);
  }
  return drawn;
}

TEST(GroupDraw, TwelvePicksGiveEachOfSixGroupsTwiceAndFourInPlayNeverFiveOrSix) {
  for (const char* groups : {static_cast<const char*>(nullptr), "4"}) {
    Session s(groups ? L"draw-four" : L"draw", RandomQuiz(groups).Bytes());
    s.PressStart();
    const int n = groups ? 4 : 6;
    for (const quiz::Group& group : quiz::kGroups)
      EXPECT_EQ(Visible(s.Of(group.score)), group.g <= n) << group.g;
    s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
    for (const quiz::Group& group : quiz::kGroups)
      EXPECT_EQ(Visible(s.Of(group.radio)), group.g <= n) << group.g;
    std::map<int, int> twice;
    for (int g = 1; g <= n; ++g) twice[g] = 2;
    EXPECT_EQ(Draws(s, 2 * n, groups ? L"group-draw-four" : L"group-draw"), twice);
    s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
    EXPECT_NE(Text(s.Of(MainId::AnsweringGroup)), "■");
  }
}

// Photographed on every display the display runs use: 1024x768 among them.
TEST(Display, TheRankingFillsTheWindowOnEveryDisplay) {
  Session s = Resumed(L"ranking-display");
  ExpectRankingPainted(s.p.MainWindow(), OnDisplay("1024x768@96") ? L"ranking-1024x768" : L"");
}

TEST(FullScreen, TheRankingCoversTheProjectorAndEscLeavesFullScreenOn) {
  Session s = Resumed(L"ranking-fullscreen");
  HWND main = s.p.MainWindow();
  PressKey(VK_F11);
  MONITORINFO info{sizeof(info)};
  GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &info);
  const auto covers = [&](HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return EqualRect(&r, &info.rcMonitor) != FALSE;
  };
  ASSERT_TRUE(WaitUntil([&] { return covers(main); }));
  ExpectRankingPainted(main, OnDisplay("1920x1080@96") ? L"ranking-fullscreen-1920x1080" : L"");
  EXPECT_TRUE(covers(RankingOf(main))) << "the whole screen";
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !RankingShown(main); }));
  EXPECT_TRUE(covers(main)) << "still full screen";
}

}  // namespace
}  // namespace lornel::e2e
