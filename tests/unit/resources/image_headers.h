// Readers of the few header fields that decide whether the program can use a
// picture: JPEG frame type and size, and the PNG inside a single-image ICO.
// Shared by the native file checks and the Wine checks of the linked resources.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lornel::testing {

struct JpegInfo {
  std::string error;         // empty when the stream was walked up to its scan
  bool jfif = false;         // APP0 "JFIF\0" right after SOI
  bool baseline = false;     // SOF0 seen
  bool other_frame = false;  // any other SOFn (progressive, lossless, arithmetic...)
  int components = 0;
  int width = 0;
  int height = 0;
  bool ends_with_eoi = false;
};

inline int Be16(std::span<const std::uint8_t> d, std::size_t at) { return d[at] << 8 | d[at + 1]; }

inline JpegInfo ReadJpeg(std::span<const std::uint8_t> d) {
  JpegInfo info;
  if (d.size() < 4 || d[0] != 0xFF || d[1] != 0xD8) {
    info.error = "no SOI";
    return info;
  }
  info.ends_with_eoi = d[d.size() - 2] == 0xFF && d[d.size() - 1] == 0xD9;
  std::size_t at = 2;
  bool first = true;
  for (;;) {
    if (at + 4 > d.size() || d[at] != 0xFF) {
      info.error = "marker expected at " + std::to_string(at);
      return info;
    }
    const int marker = d[at + 1];
    const int length = Be16(d, at + 2);
    if (length < 2 || at + 2 + length > d.size()) {
      info.error = "segment runs past the end at " + std::to_string(at);
      return info;
    }
    const auto body = d.subspan(at + 4, length - 2);
    if (first && marker == 0xE0 && body.size() >= 5 && body[0] == 'J' && body[1] == 'F' &&
        body[2] == 'I' && body[3] == 'F' && body[4] == 0) {
      info.jfif = true;
    }
    first = false;
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      if (marker == 0xC0) {
        info.baseline = true;
      } else {
        info.other_frame = true;
      }
      if (body.size() < 6) {
        info.error = "short frame header";
        return info;
      }
      info.height = Be16(body, 1);
      info.width = Be16(body, 3);
      info.components = body[5];
    }
    if (marker == 0xDA) return info;  // start of scan: the headers are done
    at += 2 + length;
  }
}

struct PngInfo {
  std::string error;  // empty when every chunk up to IEND was sound
  int width = 0;
  int height = 0;
  int bit_depth = 0;
  int colour_type = 0;
  int interlace = 0;
  bool transparency = false;  // a tRNS chunk: a keyed colour would turn transparent
};

inline std::uint32_t Be32(std::span<const std::uint8_t> d, std::size_t at) {
  return std::uint32_t{d[at]} << 24 | std::uint32_t{d[at + 1]} << 16 |
         std::uint32_t{d[at + 2]} << 8 | d[at + 3];
}

inline std::uint32_t Crc32(std::span<const std::uint8_t> d) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::uint8_t byte : d) {
    c ^= byte;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

inline PngInfo ReadPng(std::span<const std::uint8_t> d) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PngInfo info;
  if (d.size() < 8 || !std::equal(kSignature, kSignature + 8, d.begin())) {
    info.error = "no PNG signature";
    return info;
  }
  std::size_t at = 8;
  bool first = true;
  for (;;) {
    if (at + 12 > d.size()) {
      info.error = "chunk header runs past the end at " + std::to_string(at);
      return info;
    }
    const std::uint32_t length = Be32(d, at);
    if (length > d.size() - at - 12) {
      info.error = "chunk runs past the end at " + std::to_string(at);
      return info;
    }
    const std::string type(reinterpret_cast<const char*>(&d[at + 4]), 4);
    const auto data = d.subspan(at + 8, length);
    if (Crc32(d.subspan(at + 4, length + 4)) != Be32(d, at + 8 + length)) {
      info.error = "bad CRC in " + type;
      return info;
    }
    if (first != (type == "IHDR")) {
      info.error = "IHDR must come first, and once";
      return info;
    }
    if (first) {
      if (length != 13) {
        info.error = "IHDR of " + std::to_string(length) + " bytes";
        return info;
      }
      info.width = static_cast<int>(Be32(data, 0));
      info.height = static_cast<int>(Be32(data, 4));
      info.bit_depth = data[8];
      info.colour_type = data[9];
      info.interlace = data[12];
    }
    first = false;
    if (type == "tRNS") info.transparency = true;
    at += 12 + length;
    if (type == "IEND") {
      if (at != d.size()) info.error = "bytes after IEND";
      return info;
    }
  }
}

struct IcoInfo {
  std::string error;  // empty when the container holds exactly what it claims
  int count = 0;
  int width = 0;  // from the first entry, 0 read as 256
  int height = 0;
  int bit_count = 0;
  int planes = 0;
  std::span<const std::uint8_t> image;  // the first entry's data
};

inline IcoInfo ReadIco(std::span<const std::uint8_t> d) {
  IcoInfo info;
  auto le16 = [&](std::size_t at) { return d[at] | d[at + 1] << 8; };
  auto le32 = [&](std::size_t at) {
    return std::uint32_t(le16(at)) | std::uint32_t(le16(at + 2)) << 16;
  };
  if (d.size() < 6 || le16(0) != 0 || le16(2) != 1) {
    info.error = "no ICONDIR of type 1";
    return info;
  }
  info.count = le16(4);
  if (info.count < 1 || d.size() < 6 + 16u * info.count) {
    info.error = "directory entries missing";
    return info;
  }
  info.width = d[6] == 0 ? 256 : d[6];
  info.height = d[7] == 0 ? 256 : d[7];
  info.planes = le16(10);
  info.bit_count = le16(12);
  const std::uint32_t size = le32(14);
  const std::uint32_t offset = le32(18);
  if (offset < 6 + 16u * info.count || offset > d.size() || size > d.size() - offset) {
    info.error = "image data outside the file";
    return info;
  }
  info.image = d.subspan(offset, size);
  return info;
}

}  // namespace lornel::testing
