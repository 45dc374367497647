// The editor's table: a 1024 x 768 display holds the window, nothing overlaps,
// and the measuring label and the preview are the class's question label.
#include "editor/layout.h"

#include <gtest/gtest.h>

#include "config/questions.h"
#include "editor/ids.h"
#include "quiz/main_ids.h"

namespace lornel::editor {
namespace {

using namespace ui;

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
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
      if (b.visible && b.id > a.id) {
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

}  // namespace
}  // namespace lornel::editor
