#include "quiz/picture_view.h"

#include "quiz/main_ids.h"
#include "quiz/tables.h"
#include "ui/question_picture.h"

namespace lornel::quiz {

void EnlargePicture(Context& ctx, int label, int x, int y) {
  ui::Form& form = ctx.main.form();
  const ui::Size picture = form.PictureSize(label);
  if (picture.width <= 0 || picture.height <= 0) return;
  // The layout the backend paints, in table units: at scale one both agree.
  const ui::Rect& place = MainTable()[label].rect;
  const ui::Rect at = ui::LayOutQuestionPicture({0, 0, place.width, place.height}, picture,
                                                !form.Text(label).empty(), ui::Scale())
                          .picture;
  if (x >= at.left && x < at.right() && y >= at.top && y < at.bottom())
    form.ShowPictureLarge(label);
}

}  // namespace lornel::quiz
