// The editor's table: a 1024 x 768 display holds the window, nothing overlaps,
// the measuring label and the preview are the class's question label, and
// the preview's option buttons lie where the board's keys are.
#include "editor/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/questions.h"
#include "editor/ids.h"
#include "editor/option_buttons.h"
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

TEST(EditorLayout, OptionButtonsTakeTheKeysPlaceInTheAnswerPanel) {
  // The letter keys' bounds, and "Backspace←" beside them, which stays.
  Rect keys{1 << 20, 1 << 20, 0, 0};
  int right = 0, bottom = 0;
  for (const Row& key : quiz::MainTable().rows) {
    if (!key.onScreenKey || key.parent != int(quiz::MainId::AnswerPanel)) continue;
    keys.left = std::min(keys.left, key.rect.left);
    keys.top = std::min(keys.top, key.rect.top);
    right = std::max(right, key.rect.right());
    bottom = std::max(bottom, key.rect.bottom());
  }
  keys.width = right - keys.left;
  keys.height = bottom - keys.top;
  const Rect backspace = quiz::MainTable()[int(quiz::MainId::KeyBackspace)].rect;
  const Rect panel = quiz::MainTable()[int(quiz::MainId::AnswerPanel)].rect;
  for (int count = 2; count <= kOptionCount; ++count) {
    const auto rects = OptionRects(count);
    ASSERT_EQ(int(rects.size()), count);
    const Table& preview = PreviewTable(count);
    EXPECT_EQ(preview[int(PreviewId::AnswerArea)].rect.width, panel.width);
    for (int i = 0; i < kOptionCount; ++i) {
      const Row& button = preview[int(OptionButton(i + 1))];
      EXPECT_EQ(button.visible, i < count);
      if (i >= count) continue;
      const Rect& r = rects[std::size_t(i)];
      EXPECT_EQ(button.rect, r);
      // Big enough to tap and to hold two lines of the smallest caption.
      EXPECT_GE(CaptionArea(r).height, 2 * kOptionFont.height) << count;
      EXPECT_TRUE(r.left >= keys.left && r.right() <= keys.right() && r.top >= keys.top &&
                  r.bottom() <= keys.bottom());
      EXPECT_FALSE(Overlap(r, backspace));
      for (int j = 0; j < i; ++j) EXPECT_FALSE(Overlap(r, rects[std::size_t(j)])) << count;
    }
  }
}

}  // namespace
}  // namespace lornel::editor
