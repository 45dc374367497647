// The reader on any bytes: the first input byte splits off the section and
// key to look up, the rest is the file. Checks the limits of what comes back,
// that a file taken for UTF-8 without a mark reads as it does with one, and
// that writing a value and reading it again gives it unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/gbk.h"
#include "config/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lornel::config;
  if (size == 0) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t nameBytes = std::min<std::size_t>(data[0] % 32, size - 1);
  const std::string_view names = all.substr(1, nameBytes);
  const std::string_view file = all.substr(1 + nameBytes);
  const std::size_t split = names.size() / 2;
  const std::string_view section = names.substr(0, split), key = names.substr(split);

  const std::string value = ReadIniValue(file, section, key);
  if (value.size() > kMaxValueBytes) std::abort();
  // Every character that comes back is whole and has no line end or NUL.
  if (!gbk::IsWellFormed(value) ||
      value.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
    std::abort();
  std::size_t bom = 0;
  if (DetectIniEncoding(file, &bom) == IniEncoding::Utf8 && bom == 0 &&
      ReadIniValue("\xEF\xBB\xBF" + std::string(file), section, key) != value)
    std::abort();
  const std::string small = ReadIniValue(file, section, key, 7);
  if (small.size() > 7 || value.compare(0, small.size(), small) != 0) std::abort();

  const std::string newValue(file.substr(0, std::min<std::size_t>(file.size(), 40)));
  if (const auto written = WriteIniValue(file, section, key, newValue)) {
    if (ReadIniValue(*written, section, key, std::string::npos) != newValue) std::abort();
  }
  return 0;
}
