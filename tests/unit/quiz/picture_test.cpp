// A question's picture: read at each opening, held only while it is open.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

class PictureTest : public QuizTest {
 protected:
  fake::FakeForm::ShownPicture Shown(int n) {
    const auto& all = rt.main.pictures;
    const std::size_t id = std::size_t(kQuestions[n - 1].label);
    return id < all.size() ? all[id] : fake::FakeForm::ShownPicture{};
  }
  std::string Folder() {
    const std::string config = fake::AppRuntime::kConfig;
    return config.substr(0, config.rfind('\\') + 1);
  }
};

TEST_F(PictureTest, OpeningGivesTheLabelItsPictureAndEveryEndTakesItAway) {
  quiz.pictures[0] = "图片\\猫.jpg";
  quiz.pictures[1] = "D:\\别处\\狗.png";
  StartWith(quiz);
  Open(1);
  EXPECT_EQ(Shown(1).path, Folder() + "图片\\猫.jpg");
  EXPECT_EQ(rt.Text(kQuestions[0].label), "问题1") << "the text stays";
  Cancel();
  EXPECT_EQ(Shown(1).path, "");
  AnswerCorrectly(2);
  EXPECT_EQ(Shown(2).path, "");
  Open(3);
  EXPECT_EQ(Shown(3).path, "") << "no picture key";
}

TEST_F(PictureTest, APictureChangedMeanwhileShowsAtTheNextOpening) {
  StartWith(quiz);
  Open(4);
  Cancel();
  quiz.pictures[3] = "新.gif";
  Rewrite(quiz);
  Open(4);
  EXPECT_EQ(Shown(4).path, Folder() + "新.gif");
}

TEST_F(PictureTest, AnUnreadablePictureLeavesANoteAndNoMessage) {
  quiz.pictures[0] = "坏.jpg";
  StartWith(quiz);
  rt.main.unreadablePictures = {Folder() + "坏.jpg"};
  Open(1);
  EXPECT_EQ(Shown(1).note, "图片无法显示：坏.jpg");
  EXPECT_TRUE(rt.host.messages.empty());
}

// The picture of a label with text: 400 x 300 at the label's height against
// its right edge, from x = 837 of 1136.
TEST_F(PictureTest, AClickOnThePictureEnlargesItUntilItsLabelLosesIt) {
  quiz.pictures[0] = "猫.jpg";
  StartWith(quiz);
  const int label = int(kQuestions[0].label);
  // Delivered to the label: the group panel lies over it until a group is chosen.
  auto pressAt = [&](int n, int x, int y) {
    rt.main.Deliver(int(kQuestions[n - 1].label), ui::Event::LeftButtonDown, x, y);
  };
  Open(1);
  pressAt(1, 830, 100);
  EXPECT_EQ(rt.main.largePicture, -1) << "beside the picture, on the gap";
  pressAt(1, 840, 100);
  EXPECT_EQ(rt.main.largePicture, label);
  Cancel();
  EXPECT_EQ(rt.main.largePicture, -1) << "gone with the picture";
  Open(2);
  pressAt(2, 1000, 100);
  EXPECT_EQ(rt.main.largePicture, -1) << "a question without a picture";
}

}  // namespace
}  // namespace lornel::quiz
