#include "quiz/question_picture.h"

#include "config/config.h"

namespace lornel::quiz {

bool ShowQuestionPicture(ui::Form& form, int label, const std::string& configPath,
                         const std::string& value) {
  return form.SetPicture(label, config::PicturePath(configPath, value), PictureNote(value));
}

std::string PictureNote(const std::string& value) { return "图片无法显示：" + value; }

}  // namespace lornel::quiz
