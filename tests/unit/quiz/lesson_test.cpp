// The lesson kept between runs: its file, and the start cover's offer to go on.
#include "quiz/lesson.h"

#include "quiz/round/lesson_file.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

SavedLesson Played() {
  SavedLesson lesson;
  lesson.savedAt = {2026, 12, 9, 10, 42};
  lesson.questions = 0x0123456789abcdefull;
  lesson.scores = {Points::Of(3), Points::Of(1), Points(), Points::Of(-0.5), Points(), Points()};
  lesson.locked[2] = lesson.locked[13] = true;
  return lesson;
}

TEST(LessonFile, ReadsBackWhatItWroteAndNothingFromAFileCutShortOrDamaged) {
  const std::string file = WriteLesson(Played());
  const auto back = ReadLesson(file);
  ASSERT_TRUE(back);
  EXPECT_EQ(WriteLesson(*back), file);
  EXPECT_EQ(back->scores[3].Text(), "-0.5");
  for (std::size_t cut = 0; cut < file.size(); ++cut)
    EXPECT_FALSE(ReadLesson(file.substr(0, cut))) << "cut at " << cut;
  std::string damaged = file;
  damaged[damaged.find("scores=") + 7] = '8';
  EXPECT_FALSE(ReadLesson(damaged));
}

TEST(LessonFile, OffersOnlyAPlayedLessonAndNamesWhenAndTheScores) {
  SavedLesson lesson = Played();
  EXPECT_EQ(ResumeCaption(lesson, {2026, 12, 9, 11, 0}),
            "上次 10:42 · 一组 3 分 · 二组 1 分 · 四组 -0.5 分");
  EXPECT_EQ(ResumeCaption(lesson, {2026, 12, 10, 8, 0}).rfind("上次 12月9日 10:42 · ", 0), 0u);
  lesson.scores = {};
  EXPECT_TRUE(WorthResuming(lesson));
  EXPECT_EQ(ResumeCaption(lesson, {2026, 12, 9, 11, 0}), "上次 10:42 · 已答 2 题");
  lesson.locked = {};
  EXPECT_FALSE(WorthResuming(lesson));
  // One file per quiz file, whatever the letter case of its path.
  EXPECT_EQ(LessonFileName("C:\\Lornel\\WTDA.ini"), LessonFileName("c:\\lornel\\wtda.ini"));
  EXPECT_NE(LessonFileName("C:\\a\\wtda.ini"), LessonFileName("C:\\b\\wtda.ini"));
}

class LessonTest : public QuizTest {
 protected:
  // The next run of the program, on the same machine.
  std::unique_ptr<fake::AppRuntime> Restart() {
    auto next = std::make_unique<fake::AppRuntime>();
    next->host.files = rt.host.files;
    next->host.directories = rt.host.directories;
    next->host.now = {2026, 12, 9, 11, 5};
    next->Start();
    return next;
  }
  std::string LessonFile() {
    const auto found = rt.host.files.find(LessonPath(rt.host, fake::kConfigPath));
    return found == rt.host.files.end() ? "" : found->second;
  }
};

TEST_F(LessonTest, AKilledRunIsOfferedAndResumedWithItsScoresAndLocks) {
  StartWith(quiz);
  EXPECT_EQ(LessonFile(), "") << "a start alone writes nothing";
  AnswerCorrectly(3, 2);
  AnswerCorrectly(5, 2);
  ASSERT_NE(LessonFile(), "");
  auto next = Restart();
  ASSERT_TRUE(next->Visible(MainId::ResumeButton));
  EXPECT_EQ(next->Text(MainId::ResumeButton), "接着上次的比赛\r\n上次 10:42 · 二组 2 分");
  ASSERT_TRUE(next->Click(MainId::ResumeButton));
  EXPECT_FALSE(next->Visible(MainId::StartCover));
  EXPECT_EQ(next->Text(MainId::Score2), "2");
  for (int n = 1; n <= kQuestionCount; ++n)
    EXPECT_EQ(next->Enabled(kQuestions[n - 1].button), n != 3 && n != 5) << n;
  EXPECT_TRUE(next->host.messages.empty());
}

TEST_F(LessonTest, TheStartButtonBeginsFromZeroAndChangedQuestionsKeepOnlyTheScores) {
  StartWith(quiz);
  AnswerCorrectly(1, 4);
  auto fresh = Restart();
  ASSERT_TRUE(fresh->Click(MainId::StartButton));
  EXPECT_EQ(fresh->Text(MainId::Score4), "0");
  EXPECT_TRUE(fresh->Enabled(MainId::QuestionButton1));

  quiz.titles[6] = "改过的题目";
  Rewrite(quiz);
  auto changed = Restart();
  ASSERT_TRUE(changed->Click(MainId::ResumeButton));
  EXPECT_EQ(changed->Text(MainId::Score4), "1");
  EXPECT_TRUE(changed->Enabled(MainId::QuestionButton1)) << "the locks go with the old questions";
  EXPECT_EQ(changed->Text(MainId::InfoText), "题目有改动，只恢复了各组的分数");
}

TEST_F(LessonTest, AFolderThatCannotBeWrittenCostsTheOfferAndNothingElse) {
  rt.host.failingWrites = true;
  StartWith(quiz);
  AnswerCorrectly(2, 1);
  EXPECT_EQ(Score(1), "1");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
  EXPECT_FALSE(Restart()->Visible(MainId::ResumeButton));
}

}  // namespace
}  // namespace lornel::quiz
