// Our own reader and writer of INI texts, reading every file as Windows'
// GetPrivateProfileStringA does with code page 936: whatever the ANSI code
// page of the machine, and natively in tests.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lornel::config {

// The program's buffer holds 10240 bytes with the terminating NUL.
inline constexpr std::size_t kMaxValueBytes = 10239;

enum class IniEncoding { Ansi, Utf8, Utf16Le, Utf16Be };
// The encoding that a file's byte order mark announces, bomSize getting its
// length; without a mark, UTF-8 (bomSize 0) when the file reads as UTF-8 by
// ReadsAsUtf8 (config/utf8_guess.h), else GBK (Ansi).
IniEncoding DetectIniEncoding(std::string_view file, std::size_t* bomSize = nullptr);

// A file parsed once, as the profile reader finds its values: the first
// section of a name, and the first key of a name in it, count. Names compare
// without regard to the case of ASCII letters and to spaces at their ends.
class IniDocument {
 public:
  explicit IniDocument(std::string_view file);
  IniDocument(IniDocument&&) noexcept;
  IniDocument& operator=(IniDocument&&) noexcept;
  ~IniDocument();

  // The value of key in section, in GBK, at most maxBytes long and never
  // ending in half a character; "" when the section or the key is missing.
  std::string Value(std::string_view section, std::string_view key,
                    std::size_t maxBytes = kMaxValueBytes) const;
  // The same value whole, as UTF-16: characters of a UTF-8 or UTF-16 file
  // that GBK cannot hold stay what they are (for the question editor).
  std::u16string Units(std::string_view section, std::string_view key) const;

 private:
  struct Parsed;
  std::unique_ptr<const Parsed> parsed_;
};

// One value of a file, for a single look-up: IniDocument(file).Value(...).
std::string ReadIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::size_t maxBytes = kMaxValueBytes);
std::u16string ReadIniUnits(std::string_view file, std::string_view section, std::string_view key);

// The file with the value stored under key in section: the key's line is
// edited in place, a missing key is added at the end of its section and a
// missing section at the end of the file, with CR LF; the rest of the file
// stays byte for byte. nullopt when the value could not be read back
// unchanged (a line break or NUL in it, a key with '=' or starting with
// '[', an empty name, broken GBK) or when the file's own encoding cannot be
// kept (nor, for a file without a byte order mark, the way it is detected).
std::optional<std::string> WriteIniValue(std::string_view file, std::string_view section,
                                         std::string_view key, std::string_view value);

}  // namespace lornel::config
