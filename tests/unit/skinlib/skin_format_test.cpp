// The .SHE parser against the 33 generated skins and every kind of bad input.
#include "skinlib/format/skin_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace lornel::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes LoadSkin(int number) {
  char path[512];
  std::snprintf(path, sizeof(path), "%s/skin%02d.she", LORNEL_SKIN_DIR, number);
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Recomputes the checksum, so that a test reaches the record checks.
Bytes Reseal(Bytes bytes) {
  if (bytes.size() < kHeaderSize) return bytes;
  const std::uint32_t crc = Crc32(bytes.data() + kHeaderSize, bytes.size() - kHeaderSize);
  for (int i = 0; i < 4; ++i) bytes[6 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
  return bytes;
}

ParseError Parse(const Bytes& bytes, SkinData* out = nullptr) {
  SkinData scratch;
  return ParseSkin(bytes.data(), static_cast<long long>(bytes.size()), out ? out : &scratch);
}

struct Record {
  std::size_t offset;  // of the tag byte
  std::uint8_t tag;
  std::size_t length;
};

std::vector<Record> Records(const Bytes& bytes) {
  std::vector<Record> records;
  for (std::size_t at = kHeaderSize; at + 3 <= bytes.size();) {
    const std::size_t length = bytes[at + 1] | bytes[at + 2] << 8;
    records.push_back({at, bytes[at], length});
    at += 3 + length;
  }
  return records;
}

// The first record with this tag (and, for colours and metrics, this slot).
Record Find(const Bytes& bytes, std::uint8_t tag, int slot = -1) {
  for (const Record& r : Records(bytes))
    if (r.tag == tag && (slot < 0 || bytes[r.offset + 3] == slot)) return r;
  ADD_FAILURE() << "no record with tag " << int(tag);
  return {0, 0, 0};
}

Bytes Erase(Bytes bytes, const Record& r) {
  bytes.erase(bytes.begin() + static_cast<long>(r.offset),
              bytes.begin() + static_cast<long>(r.offset + 3 + r.length));
  return Reseal(bytes);
}

double Luminance(std::uint32_t colourref) {
  auto channel = [](int v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colourref & 255) + 0.7152 * channel((colourref >> 8) & 255) +
         0.0722 * channel((colourref >> 16) & 255);
}

double Contrast(std::uint32_t a, std::uint32_t b) {
  double la = Luminance(a), lb = Luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

constexpr std::uint32_t Ref(std::uint32_t rgb) {  // #RRGGBB to COLORREF order
  return ((rgb >> 16) & 255) | (rgb & 0xFF00) | ((rgb & 255) << 16);
}

class GeneratedSkins : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (int n = 1; n <= 33; ++n) bytes_[n] = LoadSkin(n);
  }
  static Bytes bytes_[34];
};
Bytes GeneratedSkins::bytes_[34];

TEST_F(GeneratedSkins, AllThirtyThreeParseWithTheHeaderAndANonEmptyName) {
  for (int n = 1; n <= 33; ++n) {
    SCOPED_TRACE(n);
    const Bytes& b = bytes_[n];
    ASSERT_GE(b.size(), kHeaderSize);
    EXPECT_TRUE(std::equal(std::begin(kMagic), std::end(kMagic), b.begin()));
    SkinData skin;
    ASSERT_EQ(Parse(b, &skin), ParseError::kNone);
    EXPECT_GT(std::string(skin.name).size(), 0u);
    EXPECT_EQ(skin.checksum, b[6] | b[7] << 8 | b[8] << 16 | std::uint32_t(b[9]) << 24);
  }
}

TEST_F(GeneratedSkins, TheFourBytesAfterTheHeaderDifferFromSkinToSkin) {
  std::set<std::uint32_t> seen;
  for (int n = 1; n <= 33; ++n) {
    const Bytes& b = bytes_[n];
    ASSERT_GE(b.size(), kHeaderSize);
    seen.insert(b[6] | b[7] << 8 | b[8] << 16 | std::uint32_t(b[9]) << 24);
  }
  EXPECT_EQ(seen.size(), 33u);
}

TEST_F(GeneratedSkins, EveryPairLooksDifferent) {
  // Face, button and accent colours together, summed channel distance.
  SkinData skins[34];
  for (int n = 1; n <= 33; ++n) ASSERT_EQ(Parse(bytes_[n], &skins[n]), ParseError::kNone);
  auto distance = [](std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int shift = 0; shift < 24; shift += 8)
      d += std::abs(int((a >> shift) & 255) - int((b >> shift) & 255));
    return d;
  };
  for (int a = 1; a <= 33; ++a)
    for (int b = a + 1; b <= 33; ++b) {
      int d = 0;
      for (Colour slot : {kFace, kButtonTop, kButtonBottom, kAccent})
        d += distance(skins[a].colour[slot], skins[b].colour[slot]);
      EXPECT_GE(d, 60) << "skins " << a << " and " << b << " look alike";
      EXPECT_STRNE(skins[a].name, skins[b].name);
    }
}

TEST_F(GeneratedSkins, TextStaysReadableInEveryState) {
  for (int n = 1; n <= 33; ++n) {
    SCOPED_TRACE(n);
    SkinData s;
    ASSERT_EQ(Parse(bytes_[n], &s), ParseError::kNone);
    EXPECT_GE(Contrast(s.colour[kFaceText], s.colour[kFace]), 7.0);
    for (auto [text, top, bottom] : {std::tuple{kButtonText, kButtonTop, kButtonBottom},
                                     std::tuple{kHotText, kHotTop, kHotBottom},
                                     std::tuple{kPressedText, kPressedTop, kPressedBottom}}) {
      EXPECT_GE(Contrast(s.colour[text], s.colour[top]), 4.5);
      EXPECT_GE(Contrast(s.colour[text], s.colour[bottom]), 4.5);
    }
    // The program's own caption colours on the panels: large bold text, 3:1.
    for (std::uint32_t caption : {0x000080u, 0x008080u, 0x800080u})
      EXPECT_GE(Contrast(Ref(caption), s.colour[kFace]), 3.0) << std::hex << caption;
  }
}

TEST_F(GeneratedSkins, HotPressedAndDisabledLooksDiffer) {
  for (int n = 1; n <= 33; ++n) {
    SCOPED_TRACE(n);
    SkinData s;
    ASSERT_EQ(Parse(bytes_[n], &s), ParseError::kNone);
    const std::uint32_t normal = s.colour[kButtonBottom];
    EXPECT_NE(s.colour[kHotBottom], normal);
    EXPECT_NE(s.colour[kPressedBottom], normal);
    EXPECT_NE(s.colour[kDisabledFace], normal);
  }
}

TEST(SkinParser, RejectsMissingData) {
  SkinData out;
  const Bytes good = LoadSkin(12);
  EXPECT_EQ(ParseSkin(nullptr, 100, &out), ParseError::kNoData);
  EXPECT_EQ(ParseSkin(good.data(), 0, &out), ParseError::kNoData);
  EXPECT_EQ(ParseSkin(good.data(), -1, &out), ParseError::kNoData);
  EXPECT_EQ(ParseSkin(good.data(), INT64_MIN, &out), ParseError::kNoData);
  EXPECT_EQ(ParseSkin(good.data(), 9, &out), ParseError::kTooShort);
  EXPECT_EQ(ParseSkin(good.data(), static_cast<long long>(kMaxSkinSize) + 1, &out),
            ParseError::kTooLarge);
}

TEST(SkinParser, EveryTruncationIsRejectedAndLeavesTheOutputAlone) {
  const Bytes good = LoadSkin(12);
  ASSERT_FALSE(good.empty());
  SkinData out;
  std::memset(&out, 0xAB, sizeof(out));
  const SkinData before = out;
  for (std::size_t size = 1; size < good.size(); ++size) {
    const Bytes cut = Reseal(Bytes(good.begin(), good.begin() + static_cast<long>(size)));
    EXPECT_NE(Parse(cut, &out), ParseError::kNone) << size;
  }
  EXPECT_EQ(std::memcmp(&out, &before, sizeof(out)), 0);
}

TEST(SkinParser, RejectsABadHeaderOrChecksum) {
  const Bytes good = LoadSkin(1);
  for (std::size_t i = 0; i < 6; ++i) {
    Bytes bad = good;
    bad[i] ^= 0x01;
    EXPECT_EQ(Parse(bad), ParseError::kBadMagic) << i;
  }
  Bytes flipped = good;
  flipped[6] ^= 0x80;
  EXPECT_EQ(Parse(flipped), ParseError::kBadChecksum);
  Bytes body = good;
  body[body.size() / 2] ^= 0x10;
  EXPECT_EQ(Parse(body), ParseError::kBadChecksum);
}

TEST(SkinParser, RejectsBadRecords) {
  const Bytes good = LoadSkin(12);
  ASSERT_EQ(Parse(good), ParseError::kNone);

  {  // A length running past the end.
    Bytes b = good;
    const Record name = Find(b, kTagName);
    b[name.offset + 1] = 0xFF;
    b[name.offset + 2] = 0xFF;
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kTruncated);
  }
  {  // A colour record of the wrong size, its payload kept inside the data.
    Bytes b = good;
    b[Find(b, kTagColour).offset + 1] = 3;
    EXPECT_NE(Parse(Reseal(b)), ParseError::kNone);
  }
  {  // An end record with a payload.
    Bytes b = good;
    b.back() = 0;
    b[b.size() - 2] = 1;
    b.push_back(0);
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kBadLength);
  }
  {
    Bytes b = good;
    b[Find(b, kTagMetric).offset] = 0x42;
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kUnknownTag);
  }
  {  // Colour slot past the last one.
    Bytes b = good;
    b[Find(b, kTagColour, kFace).offset + 3] = kColourCount;
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kBadValue);
  }
  {  // Metrics out of their ranges.
    for (int slot = 0; slot < kMetricCount; ++slot) {
      Bytes b = good;
      b[Find(b, kTagMetric, slot).offset + 4] = kMetricMax[slot] + 1;
      EXPECT_EQ(Parse(Reseal(b)), ParseError::kBadValue) << slot;
    }
    Bytes b = good;
    b[Find(b, kTagMetric, kBorderWidth).offset + 4] = 0;
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kBadValue);
  }
  {  // A name with a control character.
    Bytes b = good;
    b[Find(b, kTagName).offset + 3] = '\n';
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kBadValue);
  }
  {  // A slot given twice: the second face overwrites the text colour's slot id.
    Bytes b = good;
    b[Find(b, kTagColour, kFaceText).offset + 3] = kFace;
    EXPECT_EQ(Parse(Reseal(b)), ParseError::kDuplicate);
  }
}

TEST(SkinParser, RejectsMissingRecords) {
  const Bytes good = LoadSkin(5);
  EXPECT_EQ(Parse(Erase(good, Find(good, kTagName))), ParseError::kMissing);
  EXPECT_EQ(Parse(Erase(good, Find(good, kTagColour, kMark))), ParseError::kMissing);
  EXPECT_EQ(Parse(Erase(good, Find(good, kTagMetric, kBlockGap))), ParseError::kMissing);
  // Without its end record the data just stops.
  EXPECT_EQ(Parse(Erase(good, Find(good, kTagEnd))), ParseError::kTruncated);
}

TEST(SkinParser, RejectsBytesAfterTheEndRecord) {
  Bytes b = LoadSkin(7);
  b.push_back(0);
  EXPECT_EQ(Parse(Reseal(b)), ParseError::kTrailingBytes);
  b.insert(b.end(), {0x01, 0x00, 0x00});
  EXPECT_EQ(Parse(Reseal(b)), ParseError::kTrailingBytes);
}

TEST(SkinParser, RejectsGarbageAfterAValidHeader) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 2000; ++round) {
    Bytes b(std::begin(kMagic), std::end(kMagic));
    b.resize(kHeaderSize + 1 + random() % 400);
    for (std::size_t i = kHeaderSize; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(random());
    EXPECT_NE(Parse(Reseal(b)), ParseError::kNone);
  }
}

TEST(SkinParser, ReadsColoursAsColourRefs) {
  SkinData s;
  ASSERT_EQ(Parse(LoadSkin(12), &s), ParseError::kNone);
  EXPECT_STREQ(s.name, "Harbour");
  EXPECT_EQ(s.colour[kFace], Ref(0xE3E9F0));  // skin12.skin: face = #E3E9F0
  EXPECT_EQ(s.metric[kButtonRadius], 6);
}

TEST(SkinParser, Crc32MatchesTheStandardCheckValue) {
  const char* text = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(text), 9), 0xCBF43926u);
  EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

}  // namespace
}  // namespace lornel::skin
