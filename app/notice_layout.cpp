// The notice window's control table: the card a second copy shows before it ends.
#include <iterator>

#include "app/notice_ids.h"

namespace lornel::app {
namespace {

using namespace ui;

// The rows are laid out by hand to read like the tables.
// clang-format off
using enum NoticeId;

#define LORNEL_NAME(control) u8"" #control,
constexpr const char8_t* kNames[] = {LORNEL_NOTICE_CONTROLS(LORNEL_NAME)};
#undef LORNEL_NAME

constexpr int Id(NoticeId id) { return static_cast<int>(id); }

#define LORNEL_ROW(control) .id = Id(control), .name = kNames[Id(control)]

constexpr Row kRows[] = {
    {LORNEL_ROW(时钟2), .kind = Kind::Timer, .rect = {112, 16, 32, 32}, .visible = false,
     .interval = 50, .bindings = {{Event::Tick, NoticeSlot::FlickerTick}}},
    {LORNEL_ROW(时钟1), .kind = Kind::Timer, .rect = {256, 56, 40, 32}, .visible = false,
     .interval = 1000, .bindings = {{Event::Tick, NoticeSlot::CountdownTick}}},
    {LORNEL_ROW(标签2), .kind = Kind::Label, .rect = {192, 64, 40, 24}, .caption = "2s",
     .font = {"", 21}, .textColour = Hex(0x000080), .vAlign = VAlign::Middle},
    {LORNEL_ROW(图片框2), .kind = Kind::PicBox, .rect = {0, 0, 112, 96},
     .picture = resources::Blob::NoticeBubbles},
    {LORNEL_ROW(图片框1), .kind = Kind::PicBox, .rect = {280, 0, 32, 32},
     .picture = resources::Blob::NoticeInfo},
    // The labels keep the button-face background, lighter than the card.
    {LORNEL_ROW(标签1), .kind = Kind::Label, .rect = {120, 16, 168, 48},
     .caption = "本程序已经运行\r\n   请勿多开", .font = {"", 21}, .textColour = Hex(0x008080),
     .wordWrap = true},
};
#undef LORNEL_ROW
static_assert(std::size(kRows) == kNoticeControlCount);
static_assert(IdsMatchOrder(kRows));

}  // namespace

const Table& NoticeTable() {
  static constexpr Table table{
      .window = {.caption = "", .outerWidth = 319, .outerHeight = 96, .storedLeft = 50,
                 .storedTop = 50, .titleBar = false, .minimizeBox = false, .topmost = true,
                 .roundedRegion = true, .icon = false, .background = Hex(0xC0C0C0)},
      .rows = kRows};
  return table;
}

// clang-format on
}  // namespace lornel::app
