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

test::QuizFile RandomQuiz() {
  test::QuizFile quiz = test::NumberedQuiz();
  quiz.randomGroup = "1";
  return quiz;
}

// A program whose last lesson had these scores, resumed: a ranking to look at
// without playing for it. 第二组 first, 第一组 and 第三组 sharing second place.
Session Resumed(const std::wstring& tag, const test::QuizFile& quiz = RandomQuiz()) {
  const std::wstring dir = FreshDirectory(tag);
  WriteBytes(Join(dir, L"wtda.ini"), quiz.Bytes());
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
  return s;
}

HWND RankingOf(HWND main) { return FindWindowExW(main, nullptr, L"LornelRanking", nullptr); }
bool RankingShown(HWND main) { return RankingOf(main) && Visible(RankingOf(main)); }

// The ranking's button with this caption (GBK), or nullptr.
HWND RankingButton(HWND main, const std::string& caption) {
  HWND ranking = RankingOf(main);
  for (HWND b = ranking ? FindWindowExW(ranking, nullptr, L"Button", nullptr) : nullptr; b;
       b = FindWindowExW(ranking, b, L"Button", nullptr))
    if (Text(b) == caption) return b;
  return nullptr;
}

void PressWithAlt(WORD vk) {
  INPUT down{.type = INPUT_KEYBOARD}, up{.type = INPUT_KEYBOARD};
  down.ki.wVk = up.ki.wVk = VK_MENU;
  up.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &down, sizeof(INPUT));
  PressKey(vk);
  SendInput(1, &up, sizeof(INPUT));
}

std::wstring CopiedText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

SIZE CopiedPictureSize() {
  SIZE size{};
  if (!OpenClipboard(nullptr)) return size;
  if (HANDLE data = GetClipboardData(CF_DIB)) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    size = {header->biWidth, header->biHeight};
    GlobalUnlock(data);
  }
  CloseClipboard();
  return size;
}

// The ranking is painted: its background in a corner, gold in the middle of
// the first's block, as the layout places it for the ranking's size.
void ExpectPainted(HWND main, bool ranksOnly = false) {
  HWND ranking = RankingOf(main);
  ASSERT_TRUE(ranking);
  SettlePaint(main);
  RECT client, main_client;
  GetClientRect(ranking, &client);
  GetClientRect(main, &main_client);
  EXPECT_TRUE(EqualRect(&client, &main_client)) << "the whole client area";
  ui::RankingBoard board;
  board.entries = {{1, "第二组", "5 分"}};
  board.ranksOnly = ranksOnly;
  const ui::RankingScene scene = ui::LayOutRanking(board, {client.right, client.bottom});
  const ui::Rect block = scene.shapes[2].rect;
  POINT at[] = {{2, 2}, {block.left + block.width / 2, block.bottom() - 4}};
  MapWindowPoints(ranking, nullptr, at, 2);
  const Pixels corner = Grab({at[0].x, at[0].y, at[0].x + 1, at[0].y + 1});
  const Pixels gold = Grab({at[1].x, at[1].y, at[1].x + 1, at[1].y + 1});
  EXPECT_EQ(corner.At(0, 0), RGB(0x1B, 0x28, 0x45));
  EXPECT_EQ(gold.At(0, 0), RGB(0xF2, 0xC2, 0x30));
}

TEST(Ranking, ByTheSystemMenuAndF9WithThePlacesAloneCopyAndEsc) {
  Session s = Resumed(L"ranking");
  HWND main = s.p.MainWindow();
  SetForegroundWindow(main);
  // Alt+Space, then up from the top (or from nothing) to the last but one item.
  PressWithAlt(VK_SPACE);
  ASSERT_TRUE(OpenMenu());
  PressKey(VK_UP);
  PressKey(VK_UP);
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); })) << "比赛结果 in the system menu";
  ExpectPainted(main);
  ParkPointer();
  SettlePaint(main);
  ShootWindow(main, L"ranking-1280x800");

  HWND alone = RankingButton(main, "只显示名次");
  ASSERT_TRUE(alone);
  Click(alone);
  ASSERT_TRUE(WaitUntil([&] { return Text(alone) == "显示得分"; }));
  Click(RankingButton(main, "复制"));
  EXPECT_TRUE(WaitUntil([] {
    return CopiedText() ==
           L"名次\t小组\t得分\r\n1\t第二组\t\r\n2\t第一组\t\r\n2\t第三组\t\r\n4\t第六组\t\r\n"
           L"5\t第四组\t\r\n6\t第五组\t\r\n";
  })) << "the places alone";
  Click(alone);
  ASSERT_TRUE(WaitUntil([&] { return Text(alone) == "只显示名次"; }));
  Click(RankingButton(main, "复制"));
  EXPECT_TRUE(WaitUntil([] {
    return CopiedText() ==
           L"名次\t小组\t得分\r\n1\t第二组\t5\r\n2\t第一组\t3\r\n2\t第三组\t3\r\n4\t第六组\t2\r\n"
           L"5\t第四组\t0\r\n6\t第五组\t-1\r\n";
  }));
  RECT client;
  GetClientRect(main, &client);
  const SIZE picture = CopiedPictureSize();
  EXPECT_EQ(picture.cx, client.right);
  EXPECT_EQ(picture.cy, client.bottom);

  // Esc goes back to the board as it was; F9 opens and closes it again.
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !RankingShown(main); }));
  EXPECT_EQ(Text(s.Of(MainId::Score2)), "5");
  EXPECT_TRUE(Enabled(s.Of(MainId::QuestionButton1)));
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); })) << "F9";
  PressKey(VK_F9);
  EXPECT_TRUE(WaitUntil([&] { return !RankingShown(main); })) << "F9 again";
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); }));
  Click(RankingButton(main, "返回"));
  EXPECT_TRUE(WaitUntil([&] { return !RankingShown(main); })) << "返回";
  EXPECT_TRUE(s.p.MessageBoxes().empty());
}

// "随机" pressed and its highlight waited out; the radio it leaves checked.
int DrawWithMouse(Session& s) {
  HWND button = s.Of(MainId::DrawButton);
  Click(button);
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(button); }, 2000));
  EXPECT_TRUE(WaitUntil([&] { return Enabled(button); }, 3000)) << "stopped";
  int checked = 0;
  for (const quiz::Group& group : quiz::kGroups)
    if (SendMessageW(s.Of(group.radio), BM_GETCHECK, 0, 0) == BST_CHECKED)
      checked = checked ? -1 : group.g;
  return checked;
}

std::map<int, int> DrawTimes(Session& s, int times) {
  std::map<int, int> drawn;
  for (int i = 0; i < times; ++i) ++drawn[DrawWithMouse(s)];
  return drawn;
}

TEST(GroupDraw, TwelvePicksGiveEachOfSixGroupsTwiceMarkedAsDrawn) {
  Session s(L"draw", RandomQuiz().Bytes());
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  ASSERT_TRUE(Visible(s.Of(MainId::DrawButton)));
  const int first = DrawWithMouse(s);
  ASSERT_GE(first, 1);
  for (int g = 1; g <= 6; ++g)
    EXPECT_EQ(Visible(s.Of(MainId(int(MainId::Drawn1) + g - 1))), g == first) << "已抽 " << g;
  std::map<int, int> drawn = DrawTimes(s, 11);
  ++drawn[first];
  EXPECT_EQ(drawn, (std::map<int, int>{{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}));
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  EXPECT_NE(Text(s.Of(MainId::AnsweringGroup)), "■");
}

TEST(GroupDraw, FourGroupsInPlayNeverShowOrDrawTheFifthAndSixth) {
  test::QuizFile quiz = RandomQuiz();
  quiz.groupCount = "4";
  Session s(L"draw-four", quiz.Bytes());
  s.PressStart();
  for (const quiz::Group& group : quiz::kGroups)
    EXPECT_EQ(Visible(s.Of(group.score)), group.g <= 4) << group.g;
  EXPECT_EQ(Text(s.Of(MainId::ScoreSentence)).find("第五组"), std::string::npos);
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  for (const quiz::Group& group : quiz::kGroups)
    EXPECT_EQ(Visible(s.Of(group.radio)), group.g <= 4) << group.g;
  EXPECT_EQ(DrawTimes(s, 8), (std::map<int, int>{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
}

// Photographed on every display the display runs use: 1024x768 among them.
TEST(Display, TheRankingFillsTheWindowOnEveryDisplay) {
  Session s = Resumed(L"ranking-display");
  HWND main = s.p.MainWindow();
  SetForegroundWindow(main);
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); }));
  ExpectPainted(main);
  ParkPointer();
  SettlePaint(main);
  const char* display = std::getenv("LORNEL_DISPLAY");
  if (display && std::string(display) == "1024x768@96") ShootWindow(main, L"ranking-1024x768");
}

TEST(FullScreen, TheRankingCoversTheProjector) {
  Session s = Resumed(L"ranking-fullscreen");
  HWND main = s.p.MainWindow();
  SetForegroundWindow(main);
  PressKey(VK_F11);
  PressKey(VK_F9);
  ASSERT_TRUE(WaitUntil([&] { return RankingShown(main); }));
  RECT window, monitor;
  GetWindowRect(RankingOf(main), &window);
  MONITORINFO info{sizeof(info)};
  GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &info);
  monitor = info.rcMonitor;
  EXPECT_TRUE(WaitUntil([&] {
    GetWindowRect(RankingOf(main), &window);
    return EqualRect(&window, &monitor) != FALSE;
  })) << "the whole screen";
  ExpectPainted(main);
  ParkPointer();
  SettlePaint(main);
  const char* display = std::getenv("LORNEL_DISPLAY");
  if (display && std::string(display) == "1920x1080@96")
    ShootWindow(main, L"ranking-fullscreen-1920x1080");
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !RankingShown(main); }));
  EXPECT_TRUE(WaitUntil([&] {
    RECT now;
    GetWindowRect(main, &now);
    return EqualRect(&now, &monitor) != FALSE;
  })) << "still full screen";
}

}  // namespace
}  // namespace lornel::e2e
