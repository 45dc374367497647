// Each sound with the event it marks, at the moment it happens.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using platform::Sound;
using Played = fake::FakeSoundPlayer::Played;

class SoundsTest : public QuizTest {
 protected:
  std::int64_t Now() const { return rt.clock.now(); }
};

TEST_F(SoundsTest, WrongCorrectTheLastFiveSecondsAndTheTimeOut) {
  quiz.countdown = "7";
  StartWith(quiz);
  Open(1);
  Confirm();
  const std::int64_t start = Now();
  Enter("nope");
  Check();
  Check();  // each wrong answer buzzes, though the shake does not start again
  rt.Advance(300);
  Enter("answer1");
  Check();
  EXPECT_EQ(rt.sounds.played,
            (std::vector<Played>{
                {Sound::Wrong, start}, {Sound::Wrong, start}, {Sound::Correct, start + 300}}));
  rt.sounds.played.clear();
  rt.Advance(1000);
  Open(2);
  Confirm();
  const std::int64_t second = Now();
  rt.Advance(9000);
  std::vector<Played> expected;
  for (int s = 3; s <= 7; ++s) expected.push_back({Sound::Tick, second + s * 1000});
  expected.push_back({Sound::TimeOut, second + 8000});
  EXPECT_EQ(rt.sounds.played, expected);
}

TEST_F(SoundsTest, APausedCountdownTicksNoMore) {
  quiz.countdown = "3";
  StartWith(quiz);
  Open(1);
  Confirm();
  rt.Advance(1000);
  rt.form().Focus(Id::AnswerBox);
  rt.main.PressKey(0x13);
  rt.Advance(30000);
  EXPECT_EQ(rt.sounds.sounds(), std::vector<Sound>{Sound::Tick});
  EXPECT_TRUE(rt.host.messages.empty());
}

}  // namespace
}  // namespace lornel::quiz
