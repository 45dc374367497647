#include "skinlib/format/skin_format.h"

namespace lornel::skin {
namespace {

std::uint32_t ReadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool NameBytesValid(const std::uint8_t* p, std::size_t n) {
  if (n == 0 || n > kMaxNameBytes) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (p[i] < 0x20 || p[i] == 0x7F) return false;
  return true;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

ParseError ParseSkin(const void* data, long long size, SkinData* out) {
  if (!data || size <= 0) return ParseError::kNoData;
  if (static_cast<unsigned long long>(size) < kHeaderSize) return ParseError::kTooShort;
  if (static_cast<unsigned long long>(size) > kMaxSkinSize) return ParseError::kTooLarge;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  const std::size_t total = static_cast<std::size_t>(size);
  for (std::size_t i = 0; i < sizeof(kMagic); ++i)
    if (bytes[i] != kMagic[i]) return ParseError::kBadMagic;
  const std::uint32_t checksum = ReadLe32(bytes + 6);
  if (Crc32(bytes + kHeaderSize, total - kHeaderSize) != checksum) return ParseError::kBadChecksum;

  // Everything goes into a local copy first, so a late failure changes nothing.
  SkinData skin{};
  bool haveName = false;
  bool haveColour[kColourCount] = {};
  bool haveMetric[kMetricCount] = {};
  std::size_t at = kHeaderSize;
  for (;;) {
    if (total - at < 3) return ParseError::kTruncated;
    const std::uint8_t tag = bytes[at];
    const std::size_t length =
        static_cast<std::size_t>(bytes[at + 1]) | static_cast<std::size_t>(bytes[at + 2]) << 8;
    at += 3;
    if (length > total - at) return ParseError::kTruncated;
    const std::uint8_t* payload = bytes + at;
    at += length;
    switch (tag) {
      case kTagEnd:
        if (length != 0) return ParseError::kBadLength;
        if (at != total) return ParseError::kTrailingBytes;
        if (!haveName) return ParseError::kMissing;
        for (bool have : haveColour)
          if (!have) return ParseError::kMissing;
        for (bool have : haveMetric)
          if (!have) return ParseError::kMissing;
        skin.checksum = checksum;
        *out = skin;
        return ParseError::kNone;
      case kTagName:
        if (haveName) return ParseError::kDuplicate;
        if (!NameBytesValid(payload, length)) return ParseError::kBadValue;
        for (std::size_t i = 0; i < length; ++i) skin.name[i] = static_cast<char>(payload[i]);
        skin.name[length] = '\0';
        haveName = true;
        break;
      case kTagColour: {
        if (length != 4) return ParseError::kBadLength;
        const std::uint8_t slot = payload[0];
        if (slot >= kColourCount) return ParseError::kBadValue;
        if (haveColour[slot]) return ParseError::kDuplicate;
        skin.colour[slot] = static_cast<std::uint32_t>(payload[1]) |
                            static_cast<std::uint32_t>(payload[2]) << 8 |
                            static_cast<std::uint32_t>(payload[3]) << 16;
        haveColour[slot] = true;
        break;
      }
      case kTagMetric: {
        if (length != 2) return ParseError::kBadLength;
        const std::uint8_t slot = payload[0];
        const std::uint8_t value = payload[1];
        if (slot >= kMetricCount) return ParseError::kBadValue;
        if (value < kMetricMin[slot] || value > kMetricMax[slot]) return ParseError::kBadValue;
        if (haveMetric[slot]) return ParseError::kDuplicate;
        skin.metric[slot] = value;
        haveMetric[slot] = true;
        break;
      }
      default:
        return ParseError::kUnknownTag;
    }
  }
}

const char* ParseErrorName(ParseError error) {
  switch (error) {
    case ParseError::kNone:
      return "none";
    case ParseError::kNoData:
      return "no data";
    case ParseError::kTooShort:
      return "too short";
    case ParseError::kTooLarge:
      return "too large";
    case ParseError::kBadMagic:
      return "bad magic";
    case ParseError::kBadChecksum:
      return "bad checksum";
    case ParseError::kTruncated:
      return "truncated";
    case ParseError::kBadLength:
      return "bad length";
    case ParseError::kUnknownTag:
      return "unknown tag";
    case ParseError::kBadValue:
      return "bad value";
    case ParseError::kDuplicate:
      return "duplicate";
    case ParseError::kMissing:
      return "missing";
    case ParseError::kTrailingBytes:
      return "trailing bytes";
  }
  return "?";
}

}  // namespace lornel::skin
