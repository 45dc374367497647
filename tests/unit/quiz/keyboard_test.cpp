// The on-screen keyboard's digit layer: "123" puts the layer's texts on the
// letter keys and types them, "ABC" brings the letters back, and every
// question starts on the letters.
#include "judging/board_keys.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

// The letter keys row by row, in the order of judging::kLetterRows.
constexpr std::array<std::array<MainId, 10>, 3> kLetterKeys{{
    {MainId::KeyQ, MainId::KeyW, MainId::KeyE, MainId::KeyR, MainId::KeyT, MainId::KeyY,
     MainId::KeyU, MainId::KeyI, MainId::KeyO, MainId::KeyP},
    {MainId::KeyA, MainId::KeyS, MainId::KeyD, MainId::KeyF, MainId::KeyG, MainId::KeyH,
     MainId::KeyJ, MainId::KeyK, MainId::KeyL},
    {MainId::KeyZ, MainId::KeyX, MainId::KeyC, MainId::KeyV, MainId::KeyB, MainId::KeyN,
     MainId::KeyM},
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
  EXPECT_EQ(rt.Text(Id::KeyLayer), "123");
  EXPECT_EQ(Captions(), Layer(false));
  Press(Id::KeyLayer);
  EXPECT_EQ(rt.Text(Id::KeyLayer), "ABC");
  EXPECT_EQ(Captions(), Layer(true));
  EXPECT_EQ(rt.Text(Id::KeyBackspace), "Backspace←") << "the other keys stay";
  EXPECT_EQ(rt.Text(Id::KeyComma), "，");
  Press(Id::KeyLayer);
  EXPECT_EQ(rt.Text(Id::KeyLayer), "123");
  EXPECT_EQ(Captions(), Layer(false));
}

TEST_F(KeyboardTest, EachKeyOfTheDigitLayerTypesWhatItShowsWhereTheCaretIs) {
  rt.main.Focus(int(Id::ChangeGroupButton));
  Press(Id::KeyH);  // H
  Press(Id::KeyLayer);
  EXPECT_EQ(rt.main.focused(), int(Id::AnswerBox));
  std::string typed = "h";
  for (std::size_t r = 0; r < kLetterKeys.size(); ++r) {
    for (std::size_t i = 0; i < judging::kLetterRows[r].size(); ++i) {
      rt.main.Focus(int(Id::ChangeGroupButton));
      Press(kLetterKeys[r][i]);
      typed += rt.Text(kLetterKeys[r][i]);
      EXPECT_EQ(rt.Text(Id::AnswerBox), typed);
    }
  }
  EXPECT_EQ(rt.main.focused(), int(Id::AnswerBox));
  EXPECT_EQ(rt.host.injectedCharacters, u"1234567890.-+×÷=/%:()°√π<>");
  Press(Id::KeyBackspace);
  Press(Id::KeyFullStop);  // 。 and Backspace go as keys on both layers
  EXPECT_EQ(rt.Text(Id::AnswerBox), typed.substr(0, typed.size() - 1) + ".");
  EXPECT_EQ(rt.host.injectedKeys.size(), 6u);
}

TEST_F(KeyboardTest, LettersAndDigitsMixAndAWrongOrRightAnswerKeepsTheLayer) {
  for (MainId key : {Id::KeyH, Id::KeyLayer, Id::KeyW, Id::KeyLayer, Id::KeyO}) Press(key);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "h2o");
  Press(Id::KeyLayer);
  Check();  // wrong: answer1
  EXPECT_EQ(rt.Text(Id::KeyLayer), "ABC");
  Enter("answer1");
  Check();
  EXPECT_EQ(MessageTexts().back(), "回答正确！");
  EXPECT_EQ(rt.Text(Id::KeyLayer), "ABC") << "until ABC is pressed, or a question opens";
}

TEST_F(KeyboardTest, OpeningAQuestionBringsTheLettersBack) {
  Press(Id::KeyLayer);
  Enter("answer1");
  Check();
  EXPECT_EQ(rt.Text(Id::KeyLayer), "ABC");
  Open(3);
  EXPECT_EQ(rt.Text(Id::KeyLayer), "123");
  EXPECT_EQ(Captions(), Layer(false));
  Confirm();
  Press(Id::KeyQ);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "q");
}

}  // namespace
}  // namespace lornel::quiz
