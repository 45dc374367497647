// The on-screen keyboard's digit layer: "123" puts the layer's texts on the
// letter keys and types them, "ABC" brings the letters back, and every
// question starts on the letters.
#include "judging/board_keys.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

// The letter keys row by row, in the order of judging::kLetterRows.
constexpr std::array<std::array<MainId, 10>, 3> kLetterKeys{{
    {MainId::按钮17, MainId::按钮18, MainId::按钮19, MainId::按钮20, MainId::按钮21, MainId::按钮22,
     MainId::按钮23, MainId::按钮24, MainId::按钮25, MainId::按钮26},
    {MainId::按钮28, MainId::按钮29, MainId::按钮30, MainId::按钮32, MainId::按钮33, MainId::按钮34,
     MainId::按钮35, MainId::按钮36, MainId::按钮37},
    {MainId::按钮38, MainId::按钮39, MainId::按钮40, MainId::按钮41, MainId::按钮42, MainId::按钮43,
     MainId::按钮44},
}};

class KeyboardTest : public QuizTest {
 protected:
  void SetUp() override {
    StartWith(quiz);
    Open(1);
    Confirm();
  }
  void Press(MainId key) { ASSERT_TRUE(rt.Click(key)); }
  // What each letter key shows, row after row.
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (std::size_t r = 0; r < kLetterKeys.size(); ++r)
      for (std::size_t i = 0; i < judging::kLetterRows[r].size(); ++i)
        captions.push_back(rt.Text(kLetterKeys[r][i]));
    return captions;
  }
  std::vector<std::string> Layer(bool digits) {
    const std::array<const char* const*, 3> texts = {
        judging::kDigitRow1.data(), judging::kDigitRow2.data(), judging::kDigitRow3.data()};
    std::vector<std::string> captions;
    for (std::size_t r = 0; r < kLetterKeys.size(); ++r)
      for (std::size_t i = 0; i < judging::kLetterRows[r].size(); ++i)
        captions.push_back(digits ? texts[r][i] : std::string(1, judging::kLetterRows[r][i]));
    return captions;
  }
};

TEST_F(KeyboardTest, TheLayerKeySwitchesEveryLetterKeyAndSaysWhichLayerIsUp) {
  EXPECT_EQ(rt.Text(Id::按钮51), "123");
  EXPECT_EQ(Captions(), Layer(false));
  Press(Id::按钮51);
  EXPECT_EQ(rt.Text(Id::按钮51), "ABC");
  EXPECT_EQ(Captions(), Layer(true));
  EXPECT_EQ(rt.Text(Id::按钮27), "Backspace←") << "the other keys stay";
  EXPECT_EQ(rt.Text(Id::按钮45), "，");
  Press(Id::按钮51);
  EXPECT_EQ(rt.Text(Id::按钮51), "123");
  EXPECT_EQ(Captions(), Layer(false));
}

TEST_F(KeyboardTest, EachKeyOfTheDigitLayerTypesWhatItShowsWhereTheCaretIs) {
  rt.main.Focus(int(Id::按钮16));
  Press(Id::按钮34);  // H
  Press(Id::按钮51);
  EXPECT_EQ(rt.main.focused(), int(Id::编辑框1));
  std::string typed = "h";
  for (std::size_t r = 0; r < kLetterKeys.size(); ++r) {
    for (std::size_t i = 0; i < judging::kLetterRows[r].size(); ++i) {
      rt.main.Focus(int(Id::按钮16));
      Press(kLetterKeys[r][i]);
      typed += rt.Text(kLetterKeys[r][i]);
      EXPECT_EQ(rt.Text(Id::编辑框1), typed);
    }
  }
  EXPECT_EQ(rt.main.focused(), int(Id::编辑框1));
  EXPECT_EQ(rt.host.injectedCharacters, u"1234567890.-+×÷=/%:()°√π<>");
  Press(Id::按钮27);
  Press(Id::按钮46);  // 。 and Backspace go as keys on both layers
  EXPECT_EQ(rt.Text(Id::编辑框1), typed.substr(0, typed.size() - 1) + ".");
  EXPECT_EQ(rt.host.injectedKeys.size(), 6u);
}

TEST_F(KeyboardTest, LettersAndDigitsMixAndAWrongOrRightAnswerKeepsTheLayer) {
  for (MainId key : {Id::按钮34, Id::按钮51, Id::按钮18, Id::按钮51, Id::按钮25}) Press(key);
  EXPECT_EQ(rt.Text(Id::编辑框1), "h2o");
  Press(Id::按钮51);
  Check();  // wrong: answer1
  EXPECT_EQ(rt.Text(Id::按钮51), "ABC");
  Enter("answer1");
  Check();
  EXPECT_EQ(MessageTexts().back(), "回答正确！");
  EXPECT_EQ(rt.Text(Id::按钮51), "ABC") << "until ABC is pressed, or a question opens";
}

TEST_F(KeyboardTest, OpeningAQuestionBringsTheLettersBack) {
  Press(Id::按钮51);
  Enter("answer1");
  Check();
  EXPECT_EQ(rt.Text(Id::按钮51), "ABC");
  Open(3);
  EXPECT_EQ(rt.Text(Id::按钮51), "123");
  EXPECT_EQ(Captions(), Layer(false));
  Confirm();
  Press(Id::按钮17);
  EXPECT_EQ(rt.Text(Id::编辑框1), "q");
}

}  // namespace
}  // namespace lornel::quiz
