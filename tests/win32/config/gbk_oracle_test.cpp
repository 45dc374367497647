// The code page tables and the UTF-8 decoder of the portable reader against
// the system's own conversions, over every character they cover.
#include <windows.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "config/gbk.h"

namespace lornel::config::gbk {
namespace {

std::u16string SystemUnits(UINT codePage, const std::string& bytes) {
  if (bytes.empty()) return {};
  wchar_t units[64];
  const int n =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), units, 64);
  return std::u16string(units, units + (n > 0 ? n : 0));
}

TEST(GbkOracle, EveryOneAndTwoByteSequenceDecodesAsCodePage936) {
  int compared = 0;
  for (int b = 0; b < 0x100; ++b) {
    const std::string one(1, static_cast<char>(b));
    ASSERT_EQ(ToUnits(one), SystemUnits(936, one)) << std::hex << b;
    for (int t = 0; t < 0x100; ++t) {
      const std::string two{static_cast<char>(b), static_cast<char>(t)};
      ASSERT_EQ(ToUnits(two), SystemUnits(936, two)) << std::hex << b << " " << t;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 65536);
}

TEST(GbkOracle, EveryUnitEncodesAsCodePage936WithBestFit) {
  for (int u = 0; u < 0x10000; ++u) {
    const wchar_t unit = static_cast<wchar_t>(u);
    char bytes[4] = {};
    const int n = WideCharToMultiByte(936, 0, &unit, 1, bytes, 4, nullptr, nullptr);
    std::string expected(bytes, n > 0 ? n : 0), ours;
    AppendCode(ours, UnitToCode(static_cast<char16_t>(u)));
    ASSERT_EQ(ours, expected) << std::hex << u;
  }
}

TEST(GbkOracle, ValidCharactersSurviveTheRoundTrip) {
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (!IsTrail(static_cast<unsigned char>(trail))) continue;
      const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
      ASSERT_EQ(UnitToCode(CodeToUnit(code)), code) << std::hex << code;
    }
}

TEST(GbkOracle, Utf8DecodesAsMultiByteToWideChar) {
  // Every sequence of up to three bytes from the bytes that matter, then
  // random longer ones.
  const unsigned char interesting[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0,
                                       0xC1, 0xC2, 0xDF, 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
  int compared = 0;
  for (unsigned a : interesting)
    for (unsigned b : interesting)
      for (unsigned c : interesting)
        for (int len = 1; len <= 3; ++len) {
          const std::string bytes =
              std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)}.substr(
                  0, len);
          ASSERT_EQ(DecodeUtf8(bytes), SystemUnits(CP_UTF8, bytes)) << compared;
          ++compared;
        }
  std::mt19937 random(936);
  for (int i = 0; i < 20000; ++i) {
    std::string bytes(1 + random() % 12, '\0');
    for (char& ch : bytes)
      ch = static_cast<char>(interesting[random() % sizeof interesting] ^
                             (random() % 4 == 0 ? random() % 64 : 0));
    ASSERT_EQ(DecodeUtf8(bytes), SystemUnits(CP_UTF8, bytes)) << i;
    ++compared;
  }
  RecordProperty("sequences", compared);
}

}  // namespace
}  // namespace lornel::config::gbk
