// A question's picture in its label, and enlarged over the window by a click on it.
#pragma once

#include <string>

#include "quiz/context.h"
#include "ui/form.h"

namespace lornel::quiz {

// The picture that value (as "题目图片：" holds it) names, relative to
// configPath's folder, in the label; or the grey note naming it when it
// cannot be shown. The editor's preview shows it by this very call.
bool ShowQuestionPicture(ui::Form& form, int label, const std::string& configPath,
                         const std::string& value);
// The grey note of a picture that cannot be shown.
std::string PictureNote(const std::string& value);

// A left button down at (x, y) in the question label's own table units: on
// its picture, the picture is shown as large as the window allows.
void EnlargePicture(Context& ctx, int label, int x, int y);

}  // namespace lornel::quiz
