#include "ui/message.h"

namespace lornel::ui {

platform::MessageResult ShowMessage(platform::Desktop& desktop, std::string_view text,
                                    unsigned flags, std::string_view title,
                                    platform::Handle owner) {
  if (owner == 0 && (flags & kMbSystemModal) == 0) flags |= kMbTaskModal;
  return desktop.ShowMessageBox(text, title.empty() ? "信息：" : title, flags, owner);
}

}  // namespace lornel::ui
