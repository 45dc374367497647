// Our INI reader and writer against Windows' own profile functions (Wine's,
// with code page 936): thousands of generated files, every lookup compared.
#include <windows.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "config/config.h"
#include "config/gbk.h"
#include "config/ini.h"
#include "platform/win32/text.h"
#include "tests/win32/config/temp_dir.h"

namespace lornel::config {
namespace {

using test::Oracle;
using test::TempDir;

// Wine's reader strips a closing quote even when the copy was already cut
// just before it, losing the value's last character: a quoted value of
// exactly 10239 units comes back as 10238. We keep the 10239.
bool IsWineQuoteCutQuirk(const std::string& ours, const std::string& oracle,
                         const std::string& file) {
  if (ours.size() != kMaxValueBytes || oracle != ours.substr(0, ours.size() - 1)) return false;
  for (const unsigned char c : ours)
    if (c >= 0x80) return false;
  return file.find("\"" + ours + "\"") != std::string::npos ||
         file.find("'" + ours + "'") != std::string::npos;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

  // One character, mostly harmless, sometimes syntax, sometimes broken.
  std::string Char(bool inName) {
    static const char* const kGbk[] = {
        "\xB5\xDA", "\xD2\xBB", "\xCC\xE2", "\xC4\xBF", "\xB4\xF0", "\xB0\xB8",  // 第一题目答案
        "\xA3\xBA", "\xA3\xA8", "\xA3\xA9", "\xA1\xAE", "\xA1\xAF",              // ：（）‘’
        "\xA3\xC1", "\xA3\xE1", "\xA6\xA1", "\xA6\xC1", "\xA7\xA1", "\xA7\xD1",  // Ａａ Αα Аа
        "\xA1\xA1", "\xA1\xB0", "\xA1\xB1", "\x80",     "\xFF",     "\xA2\xAB", "\xAA\xA1"};
    switch (Below(20)) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
        return std::string(1, static_cast<char>("abcKEYsxAZkz"[Below(12)]));
      case 5:
        return std::string(1, static_cast<char>('0' + Below(10)));
      case 6:
      case 7:
      case 8:
        return kGbk[Below(sizeof kGbk / sizeof *kGbk)];
      case 9:
      case 10: {
        // A character whose trail byte looks like ASCII: '[' ']' '\' '@' '~' and letters.
        static const unsigned char kTrails[] = {0x5B, 0x5D, 0x5C, 0x40, 0x7E,
                                                0x41, 0x61, 0x7A, 0x5F};
        return {static_cast<char>(0x81 + Below(0x7E)),
                static_cast<char>(kTrails[Below(sizeof kTrails)])};
      }
      case 11:
        return {static_cast<char>(0x81 + Below(0x7E)), static_cast<char>(0x80 + Below(0x7F))};
      case 12:
        return std::string(1, " \t\x0B\x0C\x1A"[Below(5)]);
      case 13:
        return std::string(1, "[]=\"';#"[Below(7)]);
      case 14:
        if (Chance(inName ? 10 : 25)) return std::string(1, '\0');
        return std::string(1, static_cast<char>(0x21 + Below(0x5E)));
      case 15:
        // Broken GBK: a lead byte before a byte that is no trail byte.
        if (Chance(30))
          return {static_cast<char>(0x81 + Below(0x7E)), static_cast<char>(0x20 + Below(0x20))};
        return "a";
      default:
        return std::string(1, static_cast<char>('a' + Below(26)));
    }
  }

  std::string Text(int maxChars, bool inName) {
    std::string text;
    const int n = Below(maxChars + 1);
    for (int i = 0; i < n; ++i) text += Char(inName);
    return text;
  }

  std::string Spaces() {
    std::string s;
    while (Chance(30)) s += " \t\x0B\x0C\x1A"[Below(5)];
    return s;
  }

  std::string LineEnd() {
    static const char* const kEnds[] = {"\r\n", "\r\n", "\n", "\r", "\r\n\r\n", "\n\n", "\r\r\n"};
    return kEnds[Below(7)];
  }

  // The letters of a name in another case, as a lookup might spell it.
  std::string Recase(std::string name) {
    for (std::size_t i = 0; i < name.size();) {
      const gbk::Char c = gbk::At(name, i);
      if (c.size == 1 && std::isalpha(static_cast<unsigned char>(name[i])) && Chance(50))
        name[i] = static_cast<char>(name[i] ^ 0x20);
      i += c.size;
    }
    return name;
  }

  std::string Value() {
    std::string v;
    switch (Below(10)) {
      case 0:
        v = "";
        break;
      case 1:
        v = "\"" + Text(6, false) + "\"";
        break;
      case 2:
        v = "'" + Text(6, false) + "'";
        break;
      case 3:
        v = std::string(1, "\"'"[Below(2)]) + Text(4, false);
        break;
      case 4:
        v = Text(4, false) + std::string(1, "\"'"[Below(2)]);
        break;
      case 5:
        if (Chance(8)) {
          // Around the cut at 10239 bytes, with one- and two-byte characters.
          const int n = 10236 + Below(6);
          v = Chance(50) ? std::string(n, 'q') : std::string(1, 'a') + [&] {
            std::string zh;
            while (zh.size() + 2 <= static_cast<std::size_t>(n)) zh += "\xD6\xD0";
            return zh;
          }();
          if (Chance(50)) v = "\"" + v + "\"";
          break;
        }
        [[fallthrough]];
      default:
        v = Text(12, false);
        break;
    }
    return v;
  }

  struct File {
    std::string bytes;
    std::vector<std::string> sections, keys;
  };

  File MakeFile() {
    File f;
    const int nSections = 1 + Below(4), nKeys = 1 + Below(6);
    for (int i = 0; i < nSections; ++i) f.sections.push_back(Name());
    for (int i = 0; i < nKeys; ++i) f.keys.push_back(Name());
    const int lines = Below(30);
    std::string& b = f.bytes;
    for (int i = 0; i < lines; ++i) {
      const int kind = Below(20);
      if (kind < 4) {
        b += Spaces() + "[" + Spaces() + Recase(Pick(f.sections)) + Spaces() +
             (Chance(90) ? "]" : "") + (Chance(15) ? Text(3, false) : "") + Spaces();
      } else if (kind < 14) {
        b += Spaces() + Recase(Pick(f.keys)) + Spaces() + "=" + Spaces() + Value() + Spaces();
      } else if (kind < 16) {
        b += Spaces() + Recase(Pick(f.keys)) + Spaces();  // no '='
      } else if (kind < 17) {
        b += std::string(1, ";#"[Below(2)]) + Pick(f.keys) + "=" + Value();
      } else if (kind < 18) {
        b += Spaces();  // blank
      } else {
        b += Text(10, false);  // anything
      }
      if (i + 1 < lines || Chance(70)) b += LineEnd();
    }
    if (Chance(5) && !b.empty()) b += static_cast<char>(0x81 + Below(0x7E));  // a lead byte last
    return f;
  }

  std::string Name() {
    std::string name = Text(5, true);
    if (name.empty() || Chance(20)) name += static_cast<char>('a' + Below(26));
    return name;
  }

  template <class T>
  const T& Pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))];
  }

 private:
  std::mt19937 random_;
};

// The file in another encoding with its byte order mark, as editors save it.
std::string Reencode(const std::string& gbkBytes, IniEncoding encoding) {
  const std::wstring wide = win32::Wide(gbkBytes);
  if (encoding == IniEncoding::Utf8) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                        nullptr, nullptr);
    return "\xEF\xBB\xBF" + utf8;
  }
  std::string out = encoding == IniEncoding::Utf16Le ? "\xFF\xFE" : "\xFE\xFF";
  for (const wchar_t u : wide) {
    const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
    out += encoding == IniEncoding::Utf16Le ? std::string{lo, hi} : std::string{hi, lo};
  }
  return out;
}

struct Stats {
  int files = 0, lookups = 0, found = 0, quirks = 0, unmarkedUtf8 = 0;
};

// What Windows is given for a file: the profile functions read a file without
// a byte order mark as ANSI, so one that we take for UTF-8 gets the mark.
std::string AsWindowsReadsIt(const std::string& bytes) {
  std::size_t bom = 0;
  const bool utf8 = DetectIniEncoding(bytes, &bom) == IniEncoding::Utf8 && bom == 0;
  return utf8 ? "\xEF\xBB\xBF" + bytes : bytes;
}

void CompareFile(const TempDir& dir, int index, const std::string& bytes,
                 const std::vector<std::string>& sections, const std::vector<std::string>& keys,
                 Generator& gen, Stats& stats) {
  const std::string path = dir / ("f" + std::to_string(index) + ".ini");
  test::WriteBytes(path, AsWindowsReadsIt(bytes));
  ++stats.files;
  if (AsWindowsReadsIt(bytes) != bytes) ++stats.unmarkedUtf8;
  std::vector<std::string> sectionQueries = sections, keyQueries = keys;
  for (const auto& s : sections)
    sectionQueries.push_back(gen.Recase(s) + (gen.Chance(30) ? " " : ""));
  for (const auto& k : keys) keyQueries.push_back(gen.Recase(k) + (gen.Chance(30) ? "\t" : ""));
  sectionQueries.push_back("absent");
  keyQueries.push_back("absent");
  for (const auto& s : sectionQueries)
    for (const auto& k : keyQueries) {
      const std::string ours = ReadIniValue(bytes, s, k);
      const std::string oracle = Oracle(path, s, k);
      ++stats.lookups;
      if (!oracle.empty()) ++stats.found;
      if (ours == oracle) continue;
      if (IsWineQuoteCutQuirk(ours, oracle, bytes)) {
        ++stats.quirks;
        continue;
      }
      ADD_FAILURE() << "file " << index << " section [" << s << "] key [" << k << "]\n ours   ["
                    << ours.substr(0, 200) << "] " << ours.size() << " bytes\n oracle ["
                    << oracle.substr(0, 200) << "] " << oracle.size() << " bytes";
      return;
    }
  DeleteFileW(win32::Wide(path).c_str());
}

TEST(IniOracle, RandomFilesReadAsGetPrivateProfileStringReadsThem) {
  TempDir dir;
  Generator gen(20261208);
  Stats stats;
  for (int i = 0; i < 4000 && !HasFailure(); ++i) {
    Generator::File f = gen.MakeFile();
    std::string bytes = f.bytes;
    const int encoding = gen.Below(20);
    // Re-encoded files hold no broken GBK, which would not survive the trip.
    if (encoding < 3 && gbk::IsWellFormed(bytes) && bytes.find('\0') == std::string::npos) {
      bytes = Reencode(bytes, encoding == 0   ? IniEncoding::Utf8
                              : encoding == 1 ? IniEncoding::Utf16Le
                                              : IniEncoding::Utf16Be);
      // Wine reads one byte past its buffer for an odd-sized UTF-16 file; even sizes only.
      if (encoding != 0 && bytes.size() % 2) bytes.pop_back();
      if (encoding == 0 && gen.Chance(20))
        bytes.insert(3 + gen.Below(static_cast<int>(bytes.size() - 2)), "\xE4\xB8");
      // As Notepad saves UTF-8 since Windows 10 1903: without the mark.
      if (encoding == 0 && gen.Chance(50)) bytes.erase(0, 3);
    }
    CompareFile(dir, i, bytes, f.sections, f.keys, gen, stats);
  }
  std::printf(
      "[ oracle   ] %d files (%d UTF-8 without a mark), %d lookups compared (%d found a value, "
      "%d Wine quote-cut quirks)\n",
      stats.files, stats.unmarkedUtf8, stats.lookups, stats.found, stats.quirks);
  RecordProperty("files", stats.files);
  RecordProperty("lookups", stats.lookups);
  EXPECT_GT(stats.found, stats.lookups / 10);
  EXPECT_GT(stats.unmarkedUtf8, 5);
}

TEST(IniOracle, TheCasesOfTheReadingRules) {
  using namespace std::string_literals;
  struct Case {
    std::string file, section, key;
  };
  std::string zh;
  while (zh.size() < 10300) zh += "\xD6\xD0";
  const std::vector<Case> cases = {
      {"[Sec]\r\nKey=v\r\n", "sEC", "kEY"},
      {"[s]\r\n\xA3\xC1=1\r\n", "s", "\xA3\xE1"},
      {"[s]\n\xA1\xA1k=1\n", "s", "k"},
      {"[s]junk\nk=1\n", "s", "k"},
      {"[s]x]\nk=1\n", "s]x", "k"},
      {"[t]\n[s=2\n", "t", "[s"},
      {"[s]\na=1\n[S]\nk=2\n", "s", "k"},
      {"[s]\nk\nk=2\n", "s", "k"},
      {"[s]\n;k=v\n", "s", ";k"},
      {"[s]\n#k=v\n", "s", "#k"},
      {"[s]\rk=1\r", "s", "k"},
      {"[s]\nk= \"  a  \" \n", "s", "k"},
      {"[s]\nk='v\"\n", "s", "k"},
      {"[s]\nk=a\x81\nj=2\n", "s", "k"},
      {"[s]\nk=a\x81", "s", "k"},
      {"[s]\nk=a\x81\0b\n"s, "s", "k"},
      {"[s]\nk=\xFE\xFF\xA1\x7F\xA1\x40\n", "s", "k"},
      {"[s]\nk=a \0\n"s, "s", "k"},
      {"[ s \0 ]\nk=1\n"s, "s", "k"},
      {"[s]\n\0k=1\nk=2\n"s, "s", "k"},
      {"[s\x81\x5D]\nk=1\n", "s\x81\x5D", "k"},
      {"[t]\n[s\x81\x5D\nk=1\n", "t", "k"},
      {"\xEF\xBB\xBF[s]\nk=\xF0\x9F\x98\x80|\xC2\xAA\n", "s", "k"},
      {"\xEF\xBB\xBF[s]\nk=a\xE4\x41", "s", "k"},
      {"\xEF\xBB\xBF[s]\nk=\xED\xA0\x80\n", "s", "k"},
      {"\xEF\xBB\xBF[\xE4\xB8\xAD]\nK=1\n", "\xD6\xD0", "k"},
      {std::string("\xFE\xFF\0[\0s\0]\0\n\0k\0=\x4E\x2D\x65\x87\0\n", 20), "s", "k"},
      {std::string("[\0s\0]\0\n\0k\0=\0"
                   "1\0",
                   14),
       "s", "k"},
      {"[s]\nk=" + zh + "\n", "s", "k"},
      {"[s]\nk=a" + zh + "\n", "s", "k"},
      {"[s]\nk=\"" + std::string(10238, 'q') + "\"\n", "s", "k"},
      {"[s]\nk=" + std::string(10240, 'q') + "\n", "s", "k"},
      {"[s]\nk=1\n", " s\t", "k \x1A"},
  };
  TempDir dir;
  int i = 0;
  for (const Case& c : cases) {
    const std::string path = dir / ("case" + std::to_string(i++) + ".ini");
    test::WriteBytes(path, c.file);
    EXPECT_EQ(ReadIniValue(c.file, c.section, c.key), Oracle(path, c.section, c.key))
        << "case " << i - 1;
  }
}

TEST(IniOracle, TheDefaultFileIsWhatWritePrivateProfileStringWrites) {
  TempDir dir;
  const std::string path = dir / "wtda.ini";
  for (const DefaultEntry& e : DefaultEntries())
    WritePrivateProfileStringA(e.section.c_str(), e.key.c_str(), e.value.c_str(), path.c_str());
  const std::string theirs = test::ReadBytes(path);
  ASSERT_FALSE(theirs.empty());
  EXPECT_EQ(DefaultConfigText(), theirs);
  EXPECT_EQ(theirs.size(), DefaultConfigText().size());
  // And the oracle reads ours as we do.
  const std::string ours = dir / "ours.ini";
  test::WriteBytes(ours, DefaultConfigText());
  for (int n = 1; n <= 14; ++n) EXPECT_EQ(Oracle(ours, kTitleSection, QuestionTitleKey(n)), "");
  EXPECT_EQ(Oracle(ours, kCountdownSection, kCountdownKey), "0");
  EXPECT_EQ(Oracle(ours, kPointsSection, kPointsKey), "1");
}

TEST(IniOracle, WhatOurWriterWritesTheProfileFunctionsReadBack) {
  TempDir dir;
  Generator gen(823);
  int written = 0;
  for (int i = 0; i < 1500; ++i) {
    Generator::File f = gen.MakeFile();
    const std::string section = gen.Pick(f.sections), key = gen.Pick(f.keys);
    std::string value = gen.Chance(50) ? gen.Value() : gen.Text(8, false);
    const auto edited = WriteIniValue(f.bytes, section, key, value);
    if (!edited) continue;
    const std::string path = dir / ("w" + std::to_string(i) + ".ini");
    test::WriteBytes(path, AsWindowsReadsIt(*edited));
    ++written;
    const std::string expected = ReadIniValue(*edited, section, key);
    ASSERT_TRUE(expected == value.substr(0, expected.size()))
        << i << ": " << expected.size() << " of " << value.size() << " bytes, ends ["
        << expected.substr(expected.size() > 8 ? expected.size() - 8 : 0) << "]";
    const std::string oracle = Oracle(path, section, key);
    if (oracle != expected && IsWineQuoteCutQuirk(expected, oracle, *edited)) continue;
    ASSERT_TRUE(oracle == expected) << i << ": " << oracle.size() << " / " << expected.size();
    // Other entries read as before.
    for (const auto& s : f.sections)
      for (const auto& k : f.keys) {
        if (s == section && k == key) continue;
        if (ReadIniValue(f.bytes, s, k) != ReadIniValue(*edited, s, k))
          continue;  // same key, other spelling
        ASSERT_EQ(Oracle(path, s, k), ReadIniValue(f.bytes, s, k)) << i;
      }
    DeleteFileW(win32::Wide(path).c_str());
  }
  EXPECT_GT(written, 500);
}

}  // namespace
}  // namespace lornel::config
