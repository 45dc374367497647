#include "quiz/lesson.h"

#include "quiz/round/undo.h"

namespace lornel::quiz {
namespace {

constexpr const char* kLessonFolder = "\\Lornel";

}  // namespace

std::string LessonPath(platform::Host& host, const std::string& configPath) {
  const std::string local = host.LocalAppDataFolder();
  if (local.empty()) return {};
  return local + kLessonFolder + "\\" + LessonFileName(configPath);
}

void SaveLesson(Context& ctx) {
  if (!ctx.round.started || !ScoringDiffers(ctx.saved, ctx.round)) return;
  ctx.saved = ctx.round;
  if (ctx.lessonPath.empty()) return;
  if (!ctx.lessonFolderMade)
    ctx.lessonFolderMade = ctx.host.CreateFolder(ctx.host.LocalAppDataFolder() + kLessonFolder);
  SavedLesson lesson{ctx.host.Now(), ctx.questions, ctx.round.scores, ctx.round.locked,
                     ctx.round.draw.drawn};
  if (ctx.keeper)
    ctx.keeper->Keep(ctx.lessonPath, WriteLesson(lesson));
  else
    ctx.host.ReplaceFileWhole(ctx.lessonPath, WriteLesson(lesson));
}

void OfferLastLesson(Context& ctx) {
  ctx.lessonPath = LessonPath(ctx.host, ctx.configPath);
  const auto file = ctx.lessonPath.empty() ? std::nullopt : ctx.host.ReadWholeFile(ctx.lessonPath);
  ctx.offered = file ? ReadLesson(*file) : std::nullopt;
  if (ctx.offered && !WorthResuming(*ctx.offered)) ctx.offered.reset();
  ctx.round.resumeOffer = ctx.offered ? ResumeCaption(*ctx.offered, ctx.host.Now()) : "";
}

std::uint64_t QuestionsOf(const config::QuizFile& quiz) {
  return QuestionsFingerprint(quiz.Values().titles, quiz.Values().answers);
}

}  // namespace lornel::quiz
