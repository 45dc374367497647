// The .SHE skin format: a fixed header, a CRC-32 of the rest, then tagged
// records (see skinlib/FORMAT.md). Portable: no <windows.h>, no allocation,
// no exceptions, so the DLL, the unit tests and the fuzzer share it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lornel::skin {

inline constexpr std::uint8_t kMagic[6] = {0x2E, 0x53, 0x48, 0x45, 0x00, 0x03};
inline constexpr std::size_t kHeaderSize = 10;  // magic and the CRC-32 of the payload
inline constexpr std::size_t kMaxSkinSize = 64 * 1024;
inline constexpr std::size_t kMaxNameBytes = 63;

enum Tag : std::uint8_t {
  kTagEnd = 0x00,     // no payload; must be the last record
  kTagName = 0x01,    // 1..63 bytes of UTF-8, no control characters
  kTagColour = 0x02,  // slot, red, green, blue
  kTagMetric = 0x03,  // slot, value
};

// Colour slots. The 3D and text slots also stand in for the system colours
// that the library hands to the program (GetSysColor / GetSysColorBrush).
enum Colour : std::uint8_t {
  kFace,        // windows and panels (COLOR_BTNFACE)
  kFaceText,    // text on the face (COLOR_BTNTEXT)
  kLight,       // COLOR_3DLIGHT; also the fill of tab captions
  kHighlight,   // COLOR_3DHILIGHT
  kShadow,      // COLOR_3DSHADOW
  kDarkShadow,  // COLOR_3DDKSHADOW
  kField,       // inside of entry fields and radio circles (COLOR_WINDOW)
  kFieldText,   // COLOR_WINDOWTEXT
  kAccent,      // focus ring, default button, selection (COLOR_HIGHLIGHT)
  kAccentText,  // COLOR_HIGHLIGHTTEXT
  kButtonTop,   // push button gradient, normal look
  kButtonBottom,
  kButtonText,
  kButtonBorder,
  kHotTop,  // push button under the mouse
  kHotBottom,
  kHotText,
  kPressedTop,  // push button held down
  kPressedBottom,
  kPressedText,
  kDisabledFace,   // greyed push button
  kDisabledText,   // greyed captions (COLOR_GRAYTEXT)
  kFrame,          // group box, edit and progress bar frames
  kFrameLight,     // second line of etched frames
  kProgressTrack,  // empty part of a progress bar
  kProgressTop,    // progress blocks
  kProgressBottom,
  kMark,  // the dot of a checked radio button, the tick of a check box
  kColourCount
};

enum Metric : std::uint8_t {
  kButtonRadius,  // 0..20 pixels
  kPanelRadius,   // 0..20 pixels
  kBorderWidth,   // 1..3 pixels
  kFrameStyle,    // 0 single line, 1 etched (two lines)
  kCaptionStyle,  // 0 caption breaks the frame line, 1 caption on a filled tab
  kGloss,         // 0 plain gradient, 1 a lighter band over the upper half of buttons
  kBlockWidth,    // 0..32 pixels; 0 takes two thirds of the bar's height
  kBlockGap,      // 0..8 pixels between progress blocks
  kMetricCount
};

inline constexpr std::uint8_t kMetricMin[kMetricCount] = {0, 0, 1, 0, 0, 0, 0, 0};
inline constexpr std::uint8_t kMetricMax[kMetricCount] = {20, 20, 3, 1, 1, 1, 32, 8};

enum class ParseError : int {
  kNone = 0,
  kNoData = 1,       // null pointer, or size 0 or negative
  kTooShort = 2,     // fewer bytes than the header
  kTooLarge = 3,     // more than kMaxSkinSize bytes
  kBadMagic = 4,     // not 2E 53 48 45 00 03
  kBadChecksum = 5,  // the CRC-32 does not match the payload
  kTruncated = 6,    // a record header or payload runs past the end, or no end record
  kBadLength = 7,    // a record's length does not fit its tag
  kUnknownTag = 8,
  kBadValue = 9,        // unknown slot, metric out of range, bad name bytes
  kDuplicate = 10,      // a record given twice
  kMissing = 11,        // a name, colour or metric absent
  kTrailingBytes = 12,  // anything after the end record
};

struct SkinData {
  char name[kMaxNameBytes + 1];
  std::uint32_t colour[kColourCount];  // 0x00BBGGRR, the layout of a Win32 COLORREF
  std::uint8_t metric[kMetricCount];
  std::uint32_t checksum;
};

// Reads a whole skin. On failure *out is left untouched.
ParseError ParseSkin(const void* data, long long size, SkinData* out);

// CRC-32 (IEEE 802.3, reflected, as zlib.crc32).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

const char* ParseErrorName(ParseError error);

}  // namespace lornel::skin
