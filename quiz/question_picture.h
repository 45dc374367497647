// A question's picture in its label, as the board and the editor's preview
// both show it.
#pragma once

#include <string>

#include "ui/form.h"

namespace lornel::quiz {

// The picture that value (as "题目图片：" holds it) names, relative to
// configPath's folder, in the label; or the grey note naming it when it
// cannot be shown. The editor's preview shows it by this very call.
bool ShowQuestionPicture(ui::Form& form, int label, const std::string& configPath,
                         const std::string& value);
// The grey note of a picture that cannot be shown.
std::string PictureNote(const std::string& value);

}  // namespace lornel::quiz
