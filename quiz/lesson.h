// The lesson kept between runs, from the handlers' side: where its file lives
// (under the user's local application data, one per quiz file; nothing new is
// written beside the program), saving it after each change to the scores or
// the locks, and the start cover's offer to go on with it.
#pragma once

#include <string>

#include "config/quiz_file.h"
#include "quiz/context.h"

namespace lornel::quiz {

// "%LOCALAPPDATA%\Lornel\<name>.lesson"; "" when there is no such folder.
std::string LessonPath(platform::Host& host, const std::string& configPath);
// Writes the lesson when the scores or the locks differ from what was saved.
// A folder that cannot be written costs nothing but the lesson.
void SaveLesson(Context& ctx);
// At start: where the lesson is kept, and the last run's lesson, offered
// when points were given or a question locked in it.
void OfferLastLesson(Context& ctx);
// Of the questions the quiz file holds.
std::uint64_t QuestionsOf(const config::QuizFile& quiz);

}  // namespace lornel::quiz
