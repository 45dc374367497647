// The notice window's controls in table order (some names repeat main-window
// names; they are different controls of another window).
#pragma once

#include <cstdint>

#include "ui/table.h"

#define LORNEL_NOTICE_CONTROLS(X) X(时钟2) X(时钟1) X(标签2) X(图片框2) X(图片框1) X(标签1)

namespace lornel::app {

enum class NoticeId : int {
#define LORNEL_ID(name) name,
  LORNEL_NOTICE_CONTROLS(LORNEL_ID)
#undef LORNEL_ID
};

inline constexpr int kNoticeControlCount = 6;

enum class NoticeSlot : std::uint8_t { None, CountdownTick, FlickerTick };

// The notice window's control table: rows indexed by NoticeId.
const ui::Table& NoticeTable();

}  // namespace lornel::app
