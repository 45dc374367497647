// The editor's table: a 1024 x 768 display holds the window, nothing overlaps,
// the measuring label and the preview are the class's question label, and
// options are previewed and measured in the board's own buttons.
#include "editor/layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/questions.h"
#include "editor/ids.h"
#include "quiz/main_ids.h"

namespace lornel::editor {
namespace {

using namespace ui;

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// The note in the options' place is shown only while they are hidden.
bool TakeTurns(int a, int b) {
  auto option = [](int id) {
    return id >= int(OptionLetter(1)) && id <= int(OptionBox(kOptionCount));
  };
  return (a == int(EditorId::OptionsNote) && option(b)) ||
         (b == int(EditorId::OptionsNote) && option(a));
}

TEST(EditorLayout, FitsA1024By768DisplayWithItsTaskbarAndNothingOverlaps) {
  const Table& table = EditorTable();
  ASSERT_TRUE(IdsMatchOrder(table.rows));
  // 768 pixels less a 40-pixel taskbar; Windows 10's frame takes about 8
  // pixels a side and its title bar 31.
  EXPECT_LE(table.window.outerHeight, 728);
  EXPECT_LE(table.window.outerWidth, 1024);
  for (const Row& a : table.rows) {
    if (!a.visible) continue;
    EXPECT_GE(a.rect.left, 0);
    EXPECT_LE(a.rect.right(), table.window.outerWidth - 16) << a.id;
    EXPECT_LE(a.rect.bottom(), table.window.outerHeight - 40) << a.id;
    for (const Row& b : table.rows) {
      if (b.visible && b.id > a.id && !TakeTurns(a.id, b.id)) {
        EXPECT_FALSE(Overlap(a.rect, b.rect)) << a.id << " " << b.id;
      }
    }
  }
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    EXPECT_TRUE(table[int(TitleBox(n))].multiLine);
    EXPECT_EQ(table[int(AnswerBox(n))].bindings[0].slot, EditorSlot::TextChanged);
  }
}

TEST(EditorLayout, TitlesAreMeasuredAndPreviewedInTheQuestionLabel) {
  const Row& question = quiz::MainTable()[int(quiz::MainId::QuestionLabel5)];
  for (const Row* row : {&EditorTable()[int(EditorId::MeasureLabel)],
                         &PreviewTable()[int(PreviewId::QuestionLabel)]}) {
    EXPECT_EQ(row->rect.width, question.rect.width);
    EXPECT_EQ(row->rect.height, question.rect.height);
    EXPECT_EQ(row->font.height, question.font.height);
    EXPECT_STREQ(row->font.face, question.font.face);
    EXPECT_EQ(row->wordWrap, question.wordWrap);
    EXPECT_EQ(row->background, question.background);
  }
  EXPECT_FALSE(EditorTable()[int(EditorId::MeasureLabel)].visible);
}

TEST(EditorLayout, OptionsArePreviewedAndMeasuredInTheBoardsOwnButtons) {
  using enum quiz::MainId;
  // The set the board shows for 2, for 3 or 4, and for 5 or 6 options.
  const std::vector<quiz::MainId> sets[] = {
      {OptionPairA, OptionPairB},
      {OptionFourA, OptionFourB, OptionFourC, OptionFourD},
      {OptionSixA, OptionSixB, OptionSixC, OptionSixD, OptionSixE, OptionSixF}};
  const Table& main = quiz::MainTable();
  for (int count = 2; count <= kOptionCount; ++count) {
    const std::vector<quiz::MainId>& set = sets[count <= 2 ? 0 : count <= 4 ? 1 : 2];
    const Table& preview = PreviewTable(count);
    EXPECT_EQ(preview[int(PreviewId::AnswerArea)].rect.width, main[int(AnswerPanel)].rect.width);
    // The board's button down to its starting font, from which a caption shrinks.
    const auto expectBoards = [&](const Row& row, const Row& board) {
      EXPECT_EQ(row.kind, Kind::OptionButton) << count;
      EXPECT_EQ(row.rect.width, board.rect.width) << count;
      EXPECT_EQ(row.rect.height, board.rect.height) << count;
      EXPECT_EQ(row.font.height, board.font.height) << count;
      EXPECT_STREQ(row.font.face, board.font.face);
    };
    const Row& measure = EditorTable()[int(OptionMeasure(count))];
    expectBoards(measure, main[int(set[0])]);
    EXPECT_FALSE(measure.visible);
    for (int i = 0; i < kOptionCount; ++i) {
      const Row& button = preview[int(OptionButton(i + 1))];
      EXPECT_EQ(button.visible, i < count);
      if (i >= count) continue;
      expectBoards(button, main[int(set[std::size_t(i)])]);
      EXPECT_EQ(button.rect, main[int(set[std::size_t(i)])].rect);
      EXPECT_EQ(button.bindings[0].event, Event::None) << "a tap chooses nothing here";
    }
  }
}

}  // namespace
}  // namespace lornel::editor
