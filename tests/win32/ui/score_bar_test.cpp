// Where the real font draws the score sentence's group names: the score menu
// finds each group's part of the bar from them.
#include <string>

#include "quiz/play.h"
#include "quiz/tables.h"
#include "tests/win32/ui/main_form.h"

namespace lornel {
namespace {

using quiz::MainId;

using ScoreBar = test::MainForm;

TEST_F(ScoreBar, EachScoreLabelLiesBetweenItsGroupsNameAndTheNextOne) {
  const int sentence = static_cast<int>(MainId::ScoreSentence);
  const std::string text = form->Text(sentence);
  const int left = quiz::MainTable()[sentence].rect.left;
  int previousEnd = 0;
  for (const quiz::Group& group : quiz::kGroups) {
    const std::string name = quiz::GroupName(group.g) + "：";
    const std::size_t at = text.find(name);
    ASSERT_NE(at, std::string::npos);
    const int start = left + form->CaptionCharacterLeft(sentence, at);
    const int end = left + form->CaptionCharacterLeft(sentence, at + name.size());
    const ui::Rect label = quiz::MainTable()[static_cast<int>(group.score)].rect;
    EXPECT_GT(start, previousEnd) << "group " << group.g;
    EXPECT_LT(start, label.left) << "group " << group.g;
    EXPECT_LE(end, label.left + label.width / 2) << "group " << group.g;
    previousEnd = label.right();
  }
  EXPECT_LE(form->CaptionCharacterLeft(sentence, text.size()),
            quiz::MainTable()[sentence].rect.width);
}

}  // namespace
}  // namespace lornel
