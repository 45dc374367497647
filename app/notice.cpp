#include "app/notice.h"

#include "app/instance.h"
#include "app/skins.h"

namespace lornel::app {

using ui::NoticeId;

Random& ProcessRandom() {
  static Random random;
  return random;
}

void NoticeEvents::OnCreated() { ApplySkin(shell_, 1); }

void NoticeEvents::OnControlEvent(const ui::Binding& binding) {
  if (!form_) return;
  NoticeForm notice(*form_);
  switch (binding.slot) {
    case ui::Slot::NoticeCountdownTick:
      CountdownTick(notice);
      break;
    case ui::Slot::NoticeFlickerTick:
      FlickerTick(notice);
      break;
    default:
      break;
  }
}

void NoticeEvents::CountdownTick(NoticeForm notice) {
  const std::string seconds = notice.Text(NoticeId::标签2);
  if (seconds == "2s") {
    notice.SetText(NoticeId::标签2, "1s");
  } else if (seconds == "1s") {
    notice.SetText(NoticeId::标签2, "0s");
  } else if (seconds == "0s") {
    ReleaseInstanceMutex(shell_);
    shell_.host.ExitProcess(0);
  }
}

void NoticeEvents::FlickerTick(NoticeForm notice) {
  Random& random = ProcessRandom();
  const int red = random.Between(0, 255);
  const int green = random.Between(0, 255);
  const int blue = random.Between(0, 255);
  notice.SetTextColour(NoticeId::标签1, static_cast<ui::Colour>(red + green * 256 + blue * 65536));
}

}  // namespace lornel::app
