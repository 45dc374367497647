// The main window as the running program built it, read back from outside:
// texts, places and states of representative controls of every panel, and
// what a click at a place would reach.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
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

testing::AssertionResult PlacedAt(HWND hwnd, int left, int top, int width, int height) {
  if (!hwnd) return testing::AssertionFailure() << "no such control";
  const RECT r = RectInParent(hwnd);
  if (r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height)
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "at (" << r.left << ", " << r.top << ") " << r.right - r.left << " x "
         << r.bottom - r.top << ", expected (" << left << ", " << top << ") " << width << " x "
         << height;
}

// Two questions, the countdown given, a point per answer.
std::string TwoQuestions(const std::string& countdown) {
  return test::QuizFile{.titles = {"用英语打个招呼", "中国的首都是哪里？"},
                        .answers = {"Hi", "北京"},
                        .countdown = countdown}
      .Bytes();
}
const std::string kLayoutQuiz = TwoQuestions("0");

TEST(Layout, TheStartCoverCoversTheWholeClientArea) {
  Program p = Program::Start(FreshDirectory(L"cover"));
  HWND main = p.MainWindow();
  ASSERT_TRUE(main);
  HWND cover = p.Main(MainId::StartCover);
  EXPECT_TRUE(PlacedAt(cover, -8, 0, 1208, 744));
  EXPECT_TRUE(PlacedAt(p.Main(MainId::StartButton), 24, 24, 1160, 696));
  EXPECT_EQ(GetParent(p.Main(MainId::StartButton)), cover);
  EXPECT_TRUE(Enabled(p.Main(MainId::StartButton)));
  // The panels behind are up already, only out of reach.
  EXPECT_TRUE(Visible(p.Main(MainId::QuestionArea)));
  EXPECT_TRUE(Visible(p.Main(MainId::QuestionButton1)));
  EXPECT_EQ(Text(p.Main(MainId::InfoBar)), "信息");
  EXPECT_EQ(Text(p.Main(MainId::ScoreBar)), "■组分■");
  EXPECT_EQ(Text(p.Main(MainId::QuestionArea)), "■题目■");

  // The cover reaches past every edge of the panels beneath (8, 0 to 1192,
  // 736 of the client area) and across the client area's whole width.
  RECT client;
  GetClientRect(main, &client);
  const std::vector<POINT> points = {{0, 0},
                                     {client.right - 1, 0},
                                     {8, 735},
                                     {1191, 735},
                                     {0, 736},
                                     {client.right - 1, 736},
                                     CentreInTop(p.Main(MainId::ChangeGroupButton)),
                                     CentreInTop(p.Main(MainId::QuestionButton1)),
                                     CentreInTop(p.Main(MainId::AnswerBox)),
                                     CentreInTop(p.Main(MainId::Score3))};
  for (const POINT& at : points)
    EXPECT_TRUE(Within(cover, HitAt(main, at))) << "(" << at.x << ", " << at.y << ")";

  ParkPointer();
  DropStaleHotLooks(main);
  ShootWindow(main, L"main-cover");
}

TEST(Layout, TheBoardAndTheBarsAfterTheStartButton) {
  Session s(L"board", kLayoutQuiz);
  s.PressStart();
  HWND main = s.p.MainWindow();
  ASSERT_FALSE(Visible(s.Of(MainId::StartCover)));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::InfoBar), 8, 0, 1184, 72));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::QuestionArea), 8, 72, 1184, 584));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::ScoreBar), 8, 664, 1184, 72));
  EXPECT_FALSE(Visible(s.Of(MainId::GroupPanel)));

  // The board: two rows of seven, 168 pixels apart, every button usable and
  // no question panel over them.
  const MainId board[] = {
      MainId::QuestionButton1,  MainId::QuestionButton2,  MainId::QuestionButton3,
      MainId::QuestionButton4,  MainId::QuestionButton5,  MainId::QuestionButton6,
      MainId::QuestionButton7,  MainId::QuestionButton8,  MainId::QuestionButton9,
      MainId::QuestionButton10, MainId::QuestionButton11, MainId::QuestionButton12,
      MainId::QuestionButton13, MainId::QuestionButton14};
  for (int i = 0; i < 14; ++i) {
    HWND b = s.Of(board[i]);
    EXPECT_TRUE(PlacedAt(b, 24 + 168 * (i % 7), i < 7 ? 24 : 96, 128, 40)) << "question " << i + 1;
    EXPECT_TRUE(Visible(b) && Enabled(b)) << "question " << i + 1;
    EXPECT_EQ(HitAt(main, CentreInTop(b)), b) << "question " << i + 1;
  }
  EXPECT_EQ(Text(s.Of(MainId::QuestionButton1)), "第一题");
  EXPECT_EQ(Text(s.Of(MainId::QuestionButton11)), "第十一题");
  EXPECT_EQ(Text(s.Of(MainId::QuestionButton14)), "第十四题");
  for (int panel = static_cast<int>(MainId::QuestionPanel14);
       panel <= static_cast<int>(MainId::QuestionPanel2); panel += 2)
    EXPECT_FALSE(Visible(s.Of(static_cast<MainId>(panel))));
  EXPECT_FALSE(Visible(s.Of(MainId::QuestionPanel1)));

  // Information bar: countdown number, welcome line over the bar, the current
  // group line with its two placeholders.
  EXPECT_TRUE(PlacedAt(s.Of(MainId::CountdownNumber), 560, 24, 64, 40));
  EXPECT_EQ(Text(s.Of(MainId::CountdownNumber)), "0");
  EXPECT_TRUE(PlacedAt(s.Of(MainId::CountdownBar), 245, 14, 300, 24));
  EXPECT_EQ(SendMessageW(s.Of(MainId::CountdownBar), PBM_GETRANGE, FALSE, 0), 0) << "range 0..0";
  EXPECT_EQ(SendMessageW(s.Of(MainId::CountdownBar), PBM_GETPOS, 0, 0), 0);
  EXPECT_TRUE(PlacedAt(s.Of(MainId::InfoText), 8, 11, 536, 32));
  EXPECT_EQ(GetParent(s.Of(MainId::InfoText)), s.Of(MainId::CountdownPanel));
  EXPECT_EQ(Text(s.Of(MainId::InfoText)), "欢迎使用！  版本1.1.15.823");
  EXPECT_EQ(Text(s.Of(MainId::AnsweringSentence)), "当前为第  组正在回答问题，该组已得  分。");
  EXPECT_EQ(GetParent(s.Of(MainId::AnsweringSentence)), s.Of(MainId::AnsweringPanel));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::AnsweringGroup), 173, 16, 35, 24));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::AnsweringScore), 395, 16, 21, 24));
  EXPECT_EQ(Text(s.Of(MainId::AnsweringGroup)), "■");
  EXPECT_EQ(Text(s.Of(MainId::AnsweringScore)), "■");
  EXPECT_TRUE(PlacedAt(s.Of(MainId::ChangeGroupButton), 440, 11, 104, 32));
  EXPECT_EQ(Text(s.Of(MainId::ChangeGroupButton)), "重新选组");
  EXPECT_TRUE(Enabled(s.Of(MainId::ChangeGroupButton)));

  // Score bar: six "0" (where they lie in the sentence: Display.* and the table's tests).
  for (const quiz::Group& group : quiz::kGroups)
    EXPECT_EQ(Text(s.Of(group.score)), "0") << "group " << group.g;

  ParkPointer();
  DropStaleHotLooks(main);
  ShootWindow(main, L"main-board");
}

TEST(Layout, TheGroupPanelLiesOverTheQuestionBoardAndTheAnswerPanelButNotTheBars) {
  Session s(L"question", kLayoutQuiz);
  s.PressStart();
  HWND main = s.p.MainWindow();
  HWND group = s.Of(MainId::GroupPanel);
  s.Press(MainId::QuestionButton2,
          [&] { return Visible(group) && Visible(s.Of(MainId::QuestionPanel2)); });
  ASSERT_TRUE(Visible(group));
  ASSERT_TRUE(Visible(s.Of(MainId::QuestionPanel2)));
  EXPECT_TRUE(PlacedAt(group, 16, 96, 1168, 552));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::QuestionPanel2), 16, 24, 1152, 248));
  EXPECT_EQ(Text(s.Of(MainId::QuestionPanel2)), "第二题");
  EXPECT_TRUE(PlacedAt(s.Of(MainId::QuestionLabel2), 8, 16, 1136, 224));
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel2)), "中国的首都是哪里？");

  // Its contents: the question, six choices 40 pixels apart (group one
  // chosen), the way back and the confirm button.
  EXPECT_EQ(Text(s.Of(MainId::GroupPrompt)), "你是第几组的？");
  EXPECT_TRUE(PlacedAt(s.Of(MainId::GroupPrompt), 8, 96, 1136, 56));
  for (const quiz::Group& group : quiz::kGroups) {
    HWND r = s.Of(group.radio);
    EXPECT_TRUE(PlacedAt(r, 480, 112 + 40 * group.g, 160, 32)) << "group " << group.g;
    EXPECT_EQ(Text(r), std::string("我是第") + quiz::round::GroupNumeral(group.g) + "组的");
    EXPECT_EQ(SendMessageW(r, BM_GETCHECK, 0, 0), group.g == 1 ? BST_CHECKED : BST_UNCHECKED)
        << "group " << group.g;
  }
  EXPECT_TRUE(PlacedAt(s.Of(MainId::CancelQuestionLink), 480, 400, 152, 24));
  EXPECT_EQ(Text(s.Of(MainId::CancelQuestionLink)), "重新选题");
  EXPECT_TRUE(PlacedAt(s.Of(MainId::ConfirmGroupButton), 448, 440, 216, 48));
  EXPECT_EQ(Text(s.Of(MainId::ConfirmGroupButton)), "确定");

  // What a click reaches now.
  for (MainId under :
       {MainId::QuestionButton1, MainId::QuestionButton14, MainId::AnswerBox, MainId::KeyQ,
        MainId::RevealButton, MainId::AnswerCover, MainId::QuestionLabel2})
    EXPECT_TRUE(Within(group, HitAt(main, CentreInTop(s.Of(under))))) << static_cast<int>(under);
  EXPECT_EQ(HitAt(main, CentreInTop(s.Of(MainId::ChangeGroupButton))),
            s.Of(MainId::ChangeGroupButton));
  EXPECT_TRUE(
      Within(s.Of(MainId::InfoBar), HitAt(main, CentreInTop(s.Of(MainId::CountdownNumber)))));
  RECT scoreBar = RectInParent(s.Of(MainId::ScoreBar));
  EXPECT_TRUE(Within(s.Of(MainId::ScoreBar), HitAt(main, {600, scoreBar.bottom - 4})));

  ParkPointer();
  DropStaleHotLooks(main);
  ShootWindow(main, L"main-question");

  // "重新选题" takes the teacher back to the board as it was.
  s.Press(MainId::CancelQuestionLink, [&] { return !Visible(group); });
  EXPECT_FALSE(Visible(group));
  EXPECT_FALSE(Visible(s.Of(MainId::QuestionPanel2)));
  EXPECT_EQ(HitAt(main, CentreInTop(s.Of(MainId::QuestionButton2))), s.Of(MainId::QuestionButton2));
  EXPECT_TRUE(Enabled(s.Of(MainId::QuestionButton2)));
}

TEST(Layout, TheAnswerPanelAndTheOnScreenKeyboard) {
  Session s(L"answer", kLayoutQuiz);
  s.PressStart();
  HWND main = s.p.MainWindow();
  EXPECT_TRUE(PlacedAt(s.Of(MainId::AnswerPanel), 24, 272, 1136, 288));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::AnswerBox), 80, 24, 392, 72));
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "");
  EXPECT_TRUE(Enabled(s.Of(MainId::AnswerBox)));
  EXPECT_EQ(Text(s.Of(MainId::AnswerBoxCaption)), "答案：");
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswerCaption)), "正确答案：");
  EXPECT_EQ(Text(s.Of(MainId::CheckButton)), "确认答案");
  EXPECT_FALSE(Enabled(s.Of(MainId::CheckButton)));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::NextQuestionButton), 904, 184, 224, 96));
  EXPECT_EQ(Text(s.Of(MainId::NextQuestionButton)), "继续选题");
  EXPECT_FALSE(Enabled(s.Of(MainId::NextQuestionButton)));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::RevealButton), 952, 112, 176, 48));
  EXPECT_EQ(Text(s.Of(MainId::RevealButton)), "显示答案");
  EXPECT_TRUE(Enabled(s.Of(MainId::RevealButton)));
  // The cover lies over the correct answer, on exactly its rectangle.
  EXPECT_TRUE(PlacedAt(s.Of(MainId::AnswerCover), 704, 16, 424, 80));
  EXPECT_TRUE(PlacedAt(s.Of(MainId::CorrectAnswer), 704, 16, 424, 80));
  EXPECT_TRUE(Visible(s.Of(MainId::AnswerCover)));
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "");
  for (POINT at : {CentreInTop(s.Of(MainId::CorrectAnswer)),
                   POINT{CentreInTop(s.Of(MainId::CorrectAnswer)).x - 210,
                         CentreInTop(s.Of(MainId::CorrectAnswer)).y - 38}})
    EXPECT_EQ(HitAt(main, at), s.Of(MainId::AnswerCover));

  // The keys: three rows 72 pixels apart, row two 24 and row three 56
  // pixels right of row one; Backspace and Enter wider, at the row ends.
  struct Key {
    MainId id;
    const char* caption;
  };
  const std::vector<std::vector<Key>> rows = {{{MainId::KeyQ, "Q"},
                                               {MainId::KeyW, "W"},
                                               {MainId::KeyE, "E"},
                                               {MainId::KeyR, "R"},
                                               {MainId::KeyT, "T"},
                                               {MainId::KeyY, "Y"},
                                               {MainId::KeyU, "U"},
                                               {MainId::KeyI, "I"},
                                               {MainId::KeyO, "O"},
                                               {MainId::KeyP, "P"}},
                                              {{MainId::KeyA, "A"},
                                               {MainId::KeyS, "S"},
                                               {MainId::KeyD, "D"},
                                               {MainId::KeyF, "F"},
                                               {MainId::KeyG, "G"},
                                               {MainId::KeyH, "H"},
                                               {MainId::KeyJ, "J"},
                                               {MainId::KeyK, "K"},
                                               {MainId::KeyL, "L"}},
                                              {{MainId::KeyZ, "Z"},
                                               {MainId::KeyX, "X"},
                                               {MainId::KeyC, "C"},
                                               {MainId::KeyV, "V"},
                                               {MainId::KeyB, "B"},
                                               {MainId::KeyN, "N"},
                                               {MainId::KeyM, "M"},
                                               {MainId::KeyComma, "，"},
                                               {MainId::KeyFullStop, "。"}}};
  const int rowLeft[] = {40, 64, 96}, rowTop[] = {112, 176, 240};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t k = 0; k < rows[r].size(); ++k) {
      HWND key = s.Of(rows[r][k].id);
      EXPECT_TRUE(PlacedAt(key, rowLeft[r] + 72 * static_cast<int>(k), rowTop[r], 48, 40))
          << rows[r][k].caption;
      EXPECT_EQ(Text(key), rows[r][k].caption);
      EXPECT_TRUE(Visible(key) && Enabled(key)) << rows[r][k].caption;
    }
  }
  EXPECT_TRUE(PlacedAt(s.Of(MainId::KeyBackspace), 776, 112, 120, 40));
  EXPECT_EQ(Text(s.Of(MainId::KeyBackspace)), "Backspace←");
  EXPECT_TRUE(PlacedAt(s.Of(MainId::KeyEnter), 728, 176, 120, 40));
  EXPECT_EQ(Text(s.Of(MainId::KeyEnter)), "Enter←┘");
}

int RedPixels(HWND label) {
  int n = 0;
  for (COLORREF c : GrabWindow(label).colours)
    n += GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80;
  return n;
}

// In the middle of a round the red squares give way to the group's numeral
// and score, with no trace of the squares left around the narrower texts.
TEST(Layout, TheCurrentGroupLineShowsTheGroupAndItsScoreOverItsGaps) {
  Session s(L"midround", TwoQuestions("30"));
  s.PressStart();
  HWND main = s.p.MainWindow();
  HWND numeral = s.Of(MainId::AnsweringGroup), score = s.Of(MainId::AnsweringScore);
  ParkPointer();
  DropStaleHotLooks(main);
  // The labels are wider than their gaps: what they hold is counted
  // together with the red sentence around it.
  const int squareAndSentence = RedPixels(numeral), squareAlone = RedPixels(score);
  EXPECT_GT(squareAlone, 100) << "the placeholder is a red square";

  // Group two answers question one right.
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::GroupRadio2, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio2), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  s.TypeOnScreen("HI");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  ASSERT_EQ(right->text, "回答正确！");
  Program::Answer(*right, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return Text(s.Of(quiz::kGroups[1].score)) == "1"; }));

  // Question two for the same group: its countdown runs.
  s.Press(MainId::QuestionButton2, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  ASSERT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::CountdownNumber)) != "30"; }, 10000));
  ASSERT_TRUE(WaitUntil([&] { return Text(score) == "1"; }, 10000));
  EXPECT_EQ(Text(numeral), "二");
  EXPECT_TRUE(Visible(s.Of(MainId::QuestionPanel2)));
  EXPECT_EQ(Text(s.Of(MainId::QuestionLabel2)), "中国的首都是哪里？");
  ParkPointer();
  DropStaleHotLooks(main);
  const int two = RedPixels(numeral), one = RedPixels(score);
  EXPECT_LT(two, squareAndSentence - squareAlone / 2) << "remains of the square around the numeral";
  EXPECT_GT(one, 5);
  EXPECT_LT(one, squareAlone / 2) << "remains of the square around the score";
  ShootWindow(main, L"main-round");
}

}  // namespace
}  // namespace lornel::e2e
