#include "app/notice.h"

#include "app/instance.h"
#include "common/skins.h"

namespace lornel::app {

using app::NoticeId;

namespace {

// What the handlers call the notice's controls.
constexpr NoticeId kSecondsLeft = NoticeId::标签2;
constexpr NoticeId kWarningText = NoticeId::标签1;

}  // namespace

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
  const std::string seconds = notice_.Text(kSecondsLeft);
  if (seconds == "2s") {
    notice_.SetText(kSecondsLeft, "1s");
  } else if (seconds == "1s") {
    notice_.SetText(kSecondsLeft, "0s");
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
  notice_.SetTextColour(kWarningText, static_cast<ui::Colour>(red + green * 256 + blue * 65536));
}

}  // namespace lornel::app
