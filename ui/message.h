// Every message of the program goes through ShowMessage: no owner window,
// task-modal unless system-modal is asked for, "信息：" when no title is given.
// The editor's boxes name their owner and are modal to that window only.
#pragma once

#include <string_view>

#include "platform/host.h"

namespace lornel::ui {

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbYesNoCancel = 0x3;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconWarning = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr unsigned kMbSystemModal = 0x1000;
inline constexpr unsigned kMbTaskModal = 0x2000;

// An empty title means "no title given"; gives the button pressed.
platform::MessageResult ShowMessage(platform::Desktop& desktop, std::string_view text,
                                    unsigned flags, std::string_view title = {},
                                    platform::Handle owner = 0);

}  // namespace lornel::ui
