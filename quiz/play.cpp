#include "quiz/play.h"

#include "config/config.h"
#include "config/group_settings.h"
#include "config/quiz_file.h"
#include "quiz/lesson.h"
#include "quiz/render.h"
#include "quiz/round/answer.h"
#include "quiz/round/board.h"
#include "quiz/round/buzzing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/groups.h"
#include "ui/message.h"

namespace lornel::quiz {

void Commit(Context& ctx) {
  const View now = Project(ctx.round, ctx.undo.empty() ? "" : ctx.undo.last().what);
  if (now == ctx.shown) return;  // no score or lock changes unseen
  Apply(ctx.shown, now, ctx.main);
  ctx.shown = now;
  SaveLesson(ctx);
}

platform::MessageResult Tell(Context& ctx, std::string_view text, unsigned flags,
                             std::string_view title) {
  Commit(ctx);
  return ui::ShowMessage(ctx.host, text, flags, title);
}

void Scored(Context& ctx, const std::string& what, const Round& before) {
  ctx.undo.Record(what, before, ctx.round);
}

std::string GroupName(int g) { return std::string("第") + round::GroupNumeral(g) + "组"; }

std::string QuestionName(int n) {
  return n >= 1 && n <= kQuestionCount ? config::QuestionName(n) : "";
}

std::string PointsWords(const Points& points) {
  return (points < Points() ? "" : "+") + points.Text() + " 分";
}

std::string PenaltyWords(const Points& penalty) {
  return penalty == Points() ? "" : " " + PointsWords(Points() - penalty);
}

void PassTheTurn(Context& ctx) {
  Round& r = ctx.round;
  const Round before = r;
  const std::string what =
      GroupName(r.group) + " " + QuestionName(r.open) + " 答错" + PenaltyWords(r.buzz.wrongPenalty);
  const round::Passed passed = round::PassTurn(r);
  if (passed == round::Passed::NotATurn) return;
  Scored(ctx, what, before);
  switch (passed) {
    case round::Passed::NextInOrder:
      CountdownCheck(ctx, r.buzz.countdownValue);
      break;
    case round::Passed::BuzzAgain:
      ctx.sounds.Play(platform::Sound::Go);
      break;
    case round::Passed::NoneLeft:
      // The question has closed: a shake would ask for a question.
      round::StopShake(r);
      break;
    case round::Passed::NotATurn:
      break;
  }
}

Points PointsNow(Context& ctx, int n) {
  return Points::Of(
      config::TextToNumber(config::ReadQuizFile(ctx.host, ctx.configPath).PointsValue(n)));
}

void EndAsCorrect(Context& ctx, bool ruled) {
  Round& r = ctx.round;
  const Round before = r;
  round::CountdownStop(r);
  round::StopShake(r);
  const int question = r.open;
  round::CloseQuestion(r);
  ctx.sounds.Play(platform::Sound::Correct);
  Tell(ctx, "回答正确！", ui::kMbOk | ui::kMbIconInformation, "恭喜");
  round::UncoverAnswer(r);
  const Points points = PointsNow(ctx, question);
  std::string what = r.group ? GroupName(r.group) : "";
  if (question) what += (what.empty() ? "" : " ") + QuestionName(question);
  if (ruled) what += " 判为正确";
  if (round::AwardPoints(r, points))
    what += " " + PointsWords(points);
  else
    Tell(ctx, "请选题！", ui::kMbOk);
  Scored(ctx, what, before);
}

bool BeginQuiz(Context& ctx) {
  if (config::ConfigFileExists(ctx.host, ctx.configPath)) {
    const config::QuizFile quiz = config::ReadQuizFile(ctx.host, ctx.configPath);
    ctx.round.started = true;
    round::TakeGroupSettings(ctx.round.draw, config::GroupsInPlay(quiz),
                             config::RandomGroupOn(quiz));
    ctx.questions = QuestionsOf(quiz);
    ctx.saved = ctx.round;  // a new start writes nothing until it scores
    if (quiz.PointsValue().empty()) ConfigRepairExit(ctx, "加分配置错误", ui::kMbIconWarning);
    return true;
  }
  // No title given: the box shows the default "信息：".
  Tell(ctx, "未发现配置‘" + ctx.configPath + "’即将写入配置", ui::kMbOk | ui::kMbIconWarning);
  // A folder that cannot be written would otherwise promise the file at every press.
  if (!config::WriteDefaultConfig(ctx.host, ctx.configPath))
    Tell(ctx, "无法写入配置‘" + ctx.configPath + "’，请把程序放到可以写入的文件夹中再运行",
         ui::kMbOk | ui::kMbIconWarning);
  return false;
}

bool CountdownCheck(Context& ctx, const std::string& value) {
  if (!value.empty()) return true;
  ConfigRepairExit(ctx, "请在配置中填入倒计时时间！", ui::kMbIconInformation);
  return false;
}

void ConfigRepairExit(Context& ctx, const std::string& message, unsigned icon) {
  Tell(ctx, message, ui::kMbOk | icon, "不能为空");
  OpenWithShell(ctx.host, ctx.configPath);
  // Queued: the window closes once the running handler has returned.
  ctx.main.RequestClose();
}

void OpenWithShell(platform::Desktop& desktop, const std::string& path) { desktop.ShellOpen(path); }

}  // namespace lornel::quiz
