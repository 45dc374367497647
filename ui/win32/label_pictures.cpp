#include "platform/win32/picture.h"
#include "platform/win32/text.h"
#include "ui/win32/form.h"

namespace lornel::win32 {

bool Win32Form::SetPicture(int id, const std::string& path, const std::string& note) {
  Control& c = controls_[static_cast<std::size_t>(id)];
  if (!c.labelPicture && path.empty()) return false;
  if (id == largeId_) ClosePictureLarge();  // it shows the picture that goes
  c.labelPicture.reset();                   // the old picture goes before the next one is decoded
  if (!path.empty()) {
    auto picture = std::make_unique<LabelPicture>();
    if (auto pixels = LoadPictureFile(Wide(path)))
      picture->source = std::move(*pixels);
    else
      picture->note = Wide(note);
    c.labelPicture = std::move(picture);
  }
  InvalidateRect(c.hwnd, nullptr, FALSE);
  return c.labelPicture && !c.labelPicture->source.empty();
}

}  // namespace lornel::win32
