#include "app/notice.h"

#include "app/instance.h"
#include "common/skins.h"

namespace lornel::app {

using app::NoticeId;

Random& ProcessRandom() {
  static Random random;
  return random;
}

void NoticeEvents::OnCreated() { ApplySkin(shell_, 1); }

void NoticeEvents::OnControlEvent(const ui::ControlEvent& event) {
  switch (event.binding.slot.As<app::NoticeSlot>()) {
    case app::NoticeSlot::CountdownTick:
      CountdownTick();
      break;
    case app::NoticeSlot::FlickerTick:
      FlickerTick();
      break;
    case app::NoticeSlot::None:
      break;
  }
}

void NoticeEvents::CountdownTick() {
  const std::string seconds = notice_.Text(NoticeId::标签2);
  if (seconds == "2s") {
    notice_.SetText(NoticeId::标签2, "1s");
  } else if (seconds == "1s") {
    notice_.SetText(NoticeId::标签2, "0s");
  } else if (seconds == "0s") {
    ReleaseInstanceMutex(shell_);
    shell_.host.ExitProcess(0);
  }
}

void NoticeEvents::FlickerTick() {
  Random& random = ProcessRandom();
  const int red = random.Between(0, 255);
  const int green = random.Between(0, 255);
  const int blue = random.Between(0, 255);
  notice_.SetTextColour(NoticeId::标签1, static_cast<ui::Colour>(red + green * 256 + blue * 65536));
}

}  // namespace lornel::app
