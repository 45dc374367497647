#include "config/ini.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "config/gbk.h"
#include "config/utf8_guess.h"

namespace lornel::config {

namespace {

using Code = std::uint16_t;

// The profile reader's whitespace; CR and LF end lines instead.
constexpr bool IsSpace(Code c) {
  return c == ' ' || c == '\t' || c == 0x0B || c == 0x0C || c == 0x1A;
}
constexpr bool IsBreak(Code c) { return c == '\r' || c == '\n'; }
constexpr Code FoldAscii(Code c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// A GBK file read in place: positions are byte offsets.
struct AnsiText {
  std::string_view s;
  std::size_t size() const { return s.size(); }
  gbk::Char At(std::size_t pos) const { return gbk::At(s, pos); }
  static void Append(std::string& out, Code code) { gbk::AppendCode(out, code); }
  static std::size_t OutSize(Code code) { return gbk::CodeSize(code); }
  static Code FromQuery(Code code) { return code; }
};

// A UTF-8 or UTF-16 file decoded to units: positions are unit indexes.
struct UnitText {
  std::u16string_view s;
  std::size_t size() const { return s.size(); }
  gbk::Char At(std::size_t pos) const { return {s[pos], 1}; }
  static void Append(std::string& out, Code code) { gbk::AppendCode(out, gbk::UnitToCode(code)); }
  static std::size_t OutSize(Code code) { return gbk::CodeSize(gbk::UnitToCode(code)); }
  static Code FromQuery(Code code) { return gbk::CodeToUnit(code); }
};

struct Range {
  std::size_t begin = 0, end = 0;
};

// One line as the profile reader splits it. Names and values end at a NUL,
// as they are C strings once read, but only after the line has been trimmed.
struct Line {
  std::size_t start = 0;     // first byte or unit of the line
  Range content;             // the line without surrounding whitespace
  std::size_t next = 0;      // start of the following non-empty run of lines
  bool hasBreak = false;     // ended by CR or LF, not by the end of the file
  std::size_t breakEnd = 0;  // just after its own line end (CR LF, CR or LF)
  bool isSection = false;
  Range name;              // section name (trimmed inside the brackets) or key
  bool hasValue = false;   // a key line with '='
  std::size_t equals = 0;  // position of that '='
  Range value;
};

template <class Text>
Line ScanLine(const Text& text, std::size_t pos) {
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  Line line;
  line.start = pos;
  std::size_t firstNonSpace = kNone, lastNonSpaceEnd = pos;
  std::size_t equals = kNone, nameEnd = 0, valueBegin = kNone;
  std::size_t firstNul = kNone, firstNulAfterEquals = kNone;
  std::size_t lastBracket = kNone, innerEnd = 0, innerBegin = kNone;
  const std::size_t n = text.size();
  while (pos < n) {
    const gbk::Char c = text.At(pos);
    if (IsBreak(c.code)) break;
    if (!IsSpace(c.code)) {
      if (firstNonSpace == kNone) {
        firstNonSpace = pos;
      } else if (innerBegin == kNone) {
        innerBegin = pos;
      }
      if (c.code == '=' && equals == kNone) {
        equals = pos;
        nameEnd = lastNonSpaceEnd;
      } else if (equals != kNone && valueBegin == kNone) {
        valueBegin = pos;
      }
      if (c.code == ']') {
        lastBracket = pos;
        innerEnd = lastNonSpaceEnd;
      }
      if (c.code == 0) {
        if (firstNul == kNone) firstNul = pos;
        if (equals != kNone && firstNulAfterEquals == kNone) firstNulAfterEquals = pos;
      }
      lastNonSpaceEnd = pos + c.size;
    }
    pos += c.size;
  }
  line.breakEnd = pos;
  if (pos < n) {
    line.hasBreak = true;
    const bool crlf = text.At(pos).code == '\r' && pos + 1 < n && text.At(pos + 1).code == '\n';
    line.breakEnd = pos + (crlf ? 2 : 1);
  }
  // Blank lines between breaks are skipped with them, as the reader skips them.
  while (pos < n) {
    const gbk::Char c = text.At(pos);
    if (!IsBreak(c.code)) break;
    pos += c.size;
  }
  line.next = pos;
  if (firstNonSpace == kNone) {
    line.content = {line.start, line.start};
    return line;
  }
  line.content = {firstNonSpace, lastNonSpaceEnd};
  auto cutAtNul = [&](Range r, std::size_t nul) {
    if (nul != kNone && nul >= r.begin && nul < r.end) r.end = nul;
    return r;
  };
  if (text.At(firstNonSpace).code == '[' && lastBracket != kNone) {
    line.isSection = true;
    if (innerBegin == kNone || innerBegin >= lastBracket) {
      line.name = {lastBracket, lastBracket};
    } else {
      line.name = cutAtNul({innerBegin, innerEnd}, firstNul);
    }
    return line;
  }
  if (equals != kNone) {
    line.hasValue = true;
    line.equals = equals;
    line.name =
        cutAtNul({firstNonSpace, nameEnd < firstNonSpace ? firstNonSpace : nameEnd}, firstNul);
    if (valueBegin == kNone) valueBegin = lastNonSpaceEnd;
    line.value = cutAtNul({valueBegin, lastNonSpaceEnd}, firstNulAfterEquals);
  } else {
    line.name = cutAtNul({firstNonSpace, lastNonSpaceEnd}, firstNul);
  }
  return line;
}

// A looked-up name as the profile functions take it: a C string, trimmed at
// both ends, in the code space of the file (a short one needs no allocation).
template <class Text>
std::u16string QueryCodes(std::string_view query) {
  const auto nul = query.find('\0');
  if (nul != std::string_view::npos) query = query.substr(0, nul);
  std::u16string codes;
  for (std::size_t i = 0; i < query.size();) {
    const gbk::Char c = gbk::At(query, i);
    codes.push_back(static_cast<char16_t>(Text::FromQuery(c.code)));
    i += c.size;
  }
  std::size_t b = 0, e = codes.size();
  while (b < e && IsSpace(codes[b])) ++b;
  while (e > b && IsSpace(codes[e - 1])) --e;
  return codes.substr(b, e - b);
}

// Names compare without regard to the case of ASCII letters only.
template <class Text>
bool NameMatches(const Text& text, Range r, std::u16string_view query) {
  std::size_t k = 0;
  for (std::size_t pos = r.begin; pos < r.end;) {
    const gbk::Char c = text.At(pos);
    if (k == query.size() || FoldAscii(c.code) != FoldAscii(query[k])) return false;
    ++k;
    pos += c.size;
  }
  return k == query.size();
}

// Where the first section named section lies, and the line of key in it (for the writer).
struct Location {
  bool sectionFound = false;
  bool keyFound = false;
  Line keyLine;
  Line lastLineOfSection;  // the last non-blank line of the section
};

template <class Text>
Location Locate(const Text& text, std::string_view section, std::string_view key) {
  const auto sectionCodes = QueryCodes<Text>(section);
  const auto keyCodes = QueryCodes<Text>(key);
  Location where;
  // Entries before the first section line belong to a section without a name.
  bool inSection = sectionCodes.empty();
  where.sectionFound = inSection;
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = ScanLine(text, pos);
    pos = line.next;
    if (line.content.begin == line.content.end) continue;
    if (line.isSection) {
      // Only the first section of the name counts: a later one is never searched.
      if (inSection) return where;
      inSection = NameMatches(text, line.name, sectionCodes);
      if (inSection) {
        where.sectionFound = true;
        where.lastLineOfSection = line;
      }
      continue;
    }
    if (!inSection) continue;
    where.lastLineOfSection = line;
    if (!where.keyFound && NameMatches(text, line.name, keyCodes)) {
      where.keyFound = true;
      where.keyLine = line;
    }
  }
  return where;
}

// The value of a key line without one pair of matching quotes, single or
// double, around it; empty for a key without '='.
template <class Text>
Range ValueRange(const Text& text, const Line& line) {
  if (!line.hasValue) return {};
  Range r = line.value;
  if (r.begin < r.end) {
    const gbk::Char first = text.At(r.begin);
    if (first.code == '"' || first.code == '\'') {
      std::size_t last = r.begin, count = 0;
      for (std::size_t pos = r.begin; pos < r.end; pos += text.At(pos).size, ++count) last = pos;
      if (count >= 2 && text.At(last).code == first.code) r = {r.begin + first.size, last};
    }
  }
  return r;
}

template <class Text>
std::string GbkOf(const Text& text, Range r, std::size_t maxBytes) {
  std::string out;
  out.reserve(std::min(2 * (r.end - r.begin), maxBytes));
  for (std::size_t pos = r.begin; pos < r.end;) {
    const gbk::Char c = text.At(pos);
    // A character that does not fit whole is left out, never cut in half.
    if (out.size() + Text::OutSize(c.code) > maxBytes) break;
    Text::Append(out, c.code);
    pos += c.size;
  }
  return out;
}

std::u16string DecodeUnits(std::string_view file, IniEncoding encoding, std::size_t bom) {
  const std::string_view body = file.substr(bom);
  if (encoding == IniEncoding::Utf8) return gbk::DecodeUtf8(body);
  std::u16string units(body.size() / 2, u'\0');  // an odd last byte is no unit
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto a = static_cast<unsigned char>(body[2 * i]);
    const auto b = static_cast<unsigned char>(body[2 * i + 1]);
    units[i] = encoding == IniEncoding::Utf16Le ? static_cast<char16_t>(a | b << 8)
                                                : static_cast<char16_t>(a << 8 | b);
  }
  return units;
}

std::string EncodeUnits(std::u16string_view units, IniEncoding encoding, std::size_t bom) {
  if (encoding == IniEncoding::Utf8) return (bom ? "\xEF\xBB\xBF" : "") + gbk::EncodeUtf8(units);
  std::string out =
      encoding == IniEncoding::Utf16Le ? std::string("\xFF\xFE") : std::string("\xFE\xFF");
  for (const char16_t u : units) {
    const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
    out.push_back(encoding == IniEncoding::Utf16Le ? lo : hi);
    out.push_back(encoding == IniEncoding::Utf16Le ? hi : lo);
  }
  return out;
}

bool IsPlainText(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos &&
         gbk::IsWellFormed(text);
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && IsSpace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  // Whitespace is ASCII below 0x40, so it is never the trail byte of a character.
  while (!text.empty() && IsSpace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// The edit in the file's own storage (bytes, or units); Encode turns GBK
// text into that storage.
template <class Text, class Storage, class Encode>
Storage Edit(const Text& text, Storage storage, std::string_view section, std::string_view key,
             std::string_view value, Encode encode) {
  const Location where = Locate(text, section, key);
  if (where.keyFound) {
    const Line& line = where.keyLine;
    // Only what follows the key changes; its spelling and indentation stay.
    const std::size_t from = line.hasValue ? line.equals : line.content.end;
    storage.replace(from, line.content.end - from, encode("=" + std::string(value)));
    return storage;
  }
  const std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
  if (where.sectionFound) {
    const Line& last = where.lastLineOfSection;
    const std::size_t at = last.breakEnd;
    storage.insert(at, encode(last.hasBreak ? entry : "\r\n" + entry));
    return storage;
  }
  std::string tail;
  if (text.size() > 0) {
    // The file's last line may lack a line end; the new section starts on a line of its own.
    Line lastLine;
    for (std::size_t pos = 0; pos < text.size();) pos = (lastLine = ScanLine(text, pos)).next;
    if (!lastLine.hasBreak) tail = "\r\n";
  }
  tail += "[" + std::string(section) + "]\r\n" + entry;
  storage += encode(tail);
  return storage;
}

// Every section line and key line of a file in file order, each key under
// its section. A look-up takes the first section of the name and the first
// key of the name in it, as the profile reader does; names are compared in
// place, so that building the index costs little more than one scan.
struct Index {
  struct Entry {
    Range name;
    Range value;  // without its quotes
  };
  struct Section {
    Range name;
    std::size_t firstEntry, endEntry;
  };
  std::vector<Section> sections;  // [0]: the entries before the first section line
  std::vector<Entry> entries;
};

template <class Text>
Index IndexOf(const Text& text) {
  Index index;
  index.sections.push_back({Range{}, 0, 0});
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = ScanLine(text, pos);
    pos = line.next;
    if (line.content.begin == line.content.end) continue;
    if (line.isSection) {
      index.sections.push_back({line.name, index.entries.size(), index.entries.size()});
    } else {
      index.entries.push_back({line.name, ValueRange(text, line)});
      index.sections.back().endEntry = index.entries.size();
    }
  }
  return index;
}

template <class Text>
std::optional<Range> Find(const Text& text, const Index& index, std::string_view section,
                          std::string_view key) {
  const auto sectionCodes = QueryCodes<Text>(section);
  const auto keyCodes = QueryCodes<Text>(key);
  for (const Index::Section& s : index.sections) {
    if (!NameMatches(text, s.name, sectionCodes)) continue;
    // Only the first section of a name counts: a later one is never searched.
    for (std::size_t e = s.firstEntry; e < s.endEntry; ++e)
      if (NameMatches(text, index.entries[e].name, keyCodes)) return index.entries[e].value;
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

IniEncoding DetectIniEncoding(std::string_view file, std::size_t* bomSize) {
  std::size_t bom = 0;
  IniEncoding encoding = IniEncoding::Ansi;
  if (file.size() >= 3 && file.substr(0, 3) == "\xEF\xBB\xBF") {
    bom = 3, encoding = IniEncoding::Utf8;
  } else if (file.size() >= 2 && file.substr(0, 2) == "\xFF\xFE") {
    bom = 2, encoding = IniEncoding::Utf16Le;
  } else if (file.size() >= 2 && file.substr(0, 2) == "\xFE\xFF") {
    bom = 2, encoding = IniEncoding::Utf16Be;
  } else if (ReadsAsUtf8(file)) {
    encoding = IniEncoding::Utf8;
  }
  if (bomSize) *bomSize = bom;
  return encoding;
}

struct IniDocument::Parsed {
  IniEncoding encoding = IniEncoding::Ansi;
  std::string bytes;     // a GBK file as it is
  std::u16string units;  // a UTF-8 or UTF-16 file decoded
  Index index;
};

IniDocument::IniDocument(std::string_view file) {
  auto parsed = std::make_unique<Parsed>();
  std::size_t bom = 0;
  parsed->encoding = DetectIniEncoding(file, &bom);
  if (parsed->encoding == IniEncoding::Ansi) {
    parsed->bytes = std::string(file);
    parsed->index = IndexOf(AnsiText{parsed->bytes});
  } else {
    parsed->units = DecodeUnits(file, parsed->encoding, bom);
    parsed->index = IndexOf(UnitText{parsed->units});
  }
  parsed_ = std::move(parsed);
}

IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;
IniDocument::~IniDocument() = default;

std::string IniDocument::Value(std::string_view section, std::string_view key,
                               std::size_t maxBytes) const {
  const Parsed& p = *parsed_;
  if (p.encoding == IniEncoding::Ansi) {
    const AnsiText text{p.bytes};
    const auto r = Find(text, p.index, section, key);
    return r ? GbkOf(text, *r, maxBytes) : std::string();
  }
  const UnitText text{p.units};
  const auto r = Find(text, p.index, section, key);
  return r ? GbkOf(text, *r, maxBytes) : std::string();
}

std::u16string IniDocument::Units(std::string_view section, std::string_view key) const {
  const Parsed& p = *parsed_;
  if (p.encoding == IniEncoding::Ansi) return gbk::ToUnits(Value(section, key, std::string::npos));
  const auto r = Find(UnitText{p.units}, p.index, section, key);
  return r ? p.units.substr(r->begin, r->end - r->begin) : std::u16string();
}

std::string ReadIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::size_t maxBytes) {
  return IniDocument(file).Value(section, key, maxBytes);
}

std::u16string ReadIniUnits(std::string_view file, std::string_view section, std::string_view key) {
  return IniDocument(file).Units(section, key);
}

std::optional<std::string> WriteIniValue(std::string_view file, std::string_view section,
                                         std::string_view key, std::string_view value) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (section.empty() || key.empty() || !IsPlainText(section) || !IsPlainText(key) ||
      !IsPlainText(value))
    return std::nullopt;
  // The first '=' ends a key, and a line starting with '[' may be a section.
  if (key.find('=') != std::string_view::npos || key.front() == '[') return std::nullopt;
  std::string stored(value);
  const std::string_view trimmed = TrimSpaces(value);
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  // Quotes keep what the reader would otherwise strip: outer spaces, outer quotes.
  if (trimmed.size() != value.size() || quoted) stored = "\"" + stored + "\"";

  std::size_t bom = 0;
  const IniEncoding encoding = DetectIniEncoding(file, &bom);
  std::string result;
  if (encoding == IniEncoding::Ansi) {
    result = Edit(AnsiText{file}, std::string(file), section, key, stored,
                  [](const std::string& gbkText) { return gbkText; });
  } else {
    const std::u16string units = DecodeUnits(file, encoding, bom);
    // Writing back must give the very bytes that were read, or the edit would
    // silently change parts of the file that it does not touch.
    if (EncodeUnits(units, encoding, bom) != file) return std::nullopt;
    const std::u16string edited =
        Edit(UnitText{units}, units, section, key, stored,
             [](const std::string& gbkText) { return gbk::ToUnits(gbkText); });
    result = EncodeUnits(edited, encoding, bom);
  }
  // A file without a mark is read by its content, which the edit changes: the
  // other entries must still be read in the encoding they were written in.
  const bool ascii = std::all_of(result.begin(), result.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii && DetectIniEncoding(result) != encoding) return std::nullopt;
  if (ReadIniValue(result, section, key, std::string::npos) != value) return std::nullopt;
  return result;
}

}  // namespace lornel::config
