// The skin parser on arbitrary bytes. Each input is parsed twice: as it is, and
// with a valid header and checksum put in front of its payload, so that the
// record reader is reached and not only the checksum test.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skinlib/format/skin_format.h"

namespace {

using namespace lornel::skin;

void Check(const std::uint8_t* data, std::size_t size) {
  SkinData out;
  std::memset(&out, 0xCD, sizeof(out));
  SkinData before = out;
  const ParseError error = ParseSkin(data, static_cast<long long>(size), &out);
  if (error != ParseError::kNone) {
    // A rejected skin leaves the output as it was.
    if (std::memcmp(&out, &before, sizeof(out)) != 0) std::abort();
    return;
  }
  if (std::memchr(out.name, '\0', sizeof(out.name)) == nullptr || out.name[0] == '\0') std::abort();
  for (int m = 0; m < kMetricCount; ++m)
    if (out.metric[m] < kMetricMin[m] || out.metric[m] > kMetricMax[m]) std::abort();
  for (std::uint32_t colour : out.colour)
    if (colour > 0xFFFFFFu) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exact-size copies, so that AddressSanitizer sees any read past the end.
  std::vector<std::uint8_t> raw(data, data + size);
  Check(raw.data(), raw.size());
  if (size > kMaxSkinSize - kHeaderSize) return 0;
  std::vector<std::uint8_t> sealed(kHeaderSize + size);
  std::memcpy(sealed.data(), kMagic, sizeof(kMagic));
  const std::uint32_t crc = Crc32(data, size);
  for (int i = 0; i < 4; ++i) sealed[6 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
  if (size) std::memcpy(sealed.data() + kHeaderSize, data, size);
  Check(sealed.data(), sealed.size());
  return 0;
}
