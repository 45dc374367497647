#include "ui/message.h"

namespace lornel::ui {

Pressed ShowMessage(platform::Host& host, std::string_view text, unsigned flags,
                    std::string_view title, platform::Handle owner) {
  if (owner == 0 && (flags & kMbSystemModal) == 0) flags |= kMbTaskModal;
  const int result =
      static_cast<int>(host.ShowMessageBox(text, title.empty() ? "信息：" : title, flags, owner));
  // IDOK..IDNO are 1..7; anything else (a box that could not be shown) reads as OK.
  if (result < 1 || result > 7) return Pressed::Ok;
  return static_cast<Pressed>(result - 1);
}

}  // namespace lornel::ui
