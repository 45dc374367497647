#include "quiz/board.h"

#include "config/config.h"
#include "quiz/play.h"
#include "quiz/round/board.h"

namespace lornel::quiz {

// Read at each opening: a title, answer or picture changed meanwhile shows now.
void OpenQuestion(Context& ctx, int n) {
  if (!QuestionOffered(ctx.round, n) || n < 1 || n > kQuestionCount) return;
  auto read = [&](const char* section, const std::string& key) {
    return config::ReadConfigValue(ctx.host, ctx.configPath, section, key);
  };
  round::OpenedQuestion question;
  question.title = read(config::kTitleSection, config::QuestionTitleKey(n));
  question.picture = read(config::kPictureSection, config::QuestionPictureKey(n));
  question.picturePath = config::PicturePath(ctx.configPath, question.picture);
  question.expected = read(config::kAnswerSection, config::QuestionAnswerKey(n));
  round::OpenQuestion(ctx.round, n, std::move(question));
}

void CancelQuestion(Context& ctx) { round::CancelQuestion(ctx.round); }

void NextQuestion(Context& ctx) {
  const Round before = ctx.round;
  const int question = ctx.round.open;
  if (round::NextQuestion(ctx.round)) Scored(ctx, QuestionName(question) + " 锁定", before);
}

}  // namespace lornel::quiz
