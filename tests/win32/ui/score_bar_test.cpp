// Where the real font draws the score sentence's group names: the score menu
// finds each group's part of the bar from them.
#include <string>

#include "tests/win32/ui/main_form.h"

namespace lornel {
namespace {

using quiz::MainId;

using ScoreBar = test::MainForm;

TEST_F(ScoreBar, EachScoreLabelLiesBetweenItsGroupsNameAndTheNextOne) {
  const int sentence = static_cast<int>(MainId::透明标签1);
  const std::string text = form->Text(sentence);
  const int left = quiz::MainTable()[sentence].rect.left;
  const char* numerals[] = {"一", "二", "三", "四", "五", "六"};
  const MainId labels[] = {MainId::透明标签2, MainId::透明标签3, MainId::透明标签4,
                           MainId::透明标签5, MainId::透明标签6, MainId::透明标签7};
  int previousEnd = 0;
  for (int g = 0; g < 6; ++g) {
    const std::string name = std::string("第") + numerals[g] + "组：";
    const std::size_t at = text.find(name);
    ASSERT_NE(at, std::string::npos);
    const int start = left + form->CaptionCharacterLeft(sentence, at);
    const int end = left + form->CaptionCharacterLeft(sentence, at + name.size());
    const ui::Rect label = quiz::MainTable()[static_cast<int>(labels[g])].rect;
    EXPECT_GT(start, previousEnd) << "group " << g + 1;
    EXPECT_LT(start, label.left) << "group " << g + 1;
    EXPECT_LE(end, label.left + label.width / 2) << "group " << g + 1;
    previousEnd = label.right();
  }
  EXPECT_LE(form->CaptionCharacterLeft(sentence, text.size()),
            quiz::MainTable()[sentence].rect.width);
}

}  // namespace
}  // namespace lornel
