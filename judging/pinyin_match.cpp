// The answer becomes a chain of characters, each a set of alternatives (its
// readings, or itself); the typed text is walked once with the set of places
// in those alternatives it can have reached, so a long answer of polyphones
// costs no more than the places under way, and nothing backtracks.
#include <cstdint>
#include <vector>

#include "judging/pinyin.h"
#include "judging/text.h"

namespace lornel::judging {
namespace {

// "āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüê", GBK 0xA8A1 on: the vowel each one types
// ("v" for u-umlaut, as in the readings).
constexpr char kToneVowels[] = "aaaaeeeeiiiioooouuuuvvvvve";
constexpr std::uint16_t kFirstToneVowel = 0xA8A1;

constexpr std::uint16_t kEr = 0xB6F9, kTraditionalEr = 0x83BA;  // "儿", "兒"

// One place in an alternative: what it takes, and where taking it leads.
struct Place {
  std::uint16_t code;    // a reading's letter, or a character standing for itself
  bool reading;          // a reading's "v" (u-umlaut) takes a typed "u" too
  bool last;             // the alternative, and so its character, ends here
  std::uint32_t target;  // the character that follows once this one is done
};

struct Chain {
  std::vector<Place> places;
  // Character k's alternatives begin at places[starts[first[k]] .. starts[first[k + 1]]).
  std::vector<std::uint32_t> starts, first;
  std::uint32_t size() const { return static_cast<std::uint32_t>(first.size()) - 1; }
};

bool IsSpace(std::uint16_t code) { return code == ' ' || code == kIdeographicSpace; }

// A character as typing sees it: small letters, tone marks dropped. An
// answer's own characters are seen so too, or a typed "ā" could not match one.
std::uint16_t Plain(std::uint16_t code) {
  if (code >= 'A' && code <= 'Z') return static_cast<std::uint16_t>(code + 0x20);
  if (code >= kFirstToneVowel && code < kFirstToneVowel + sizeof kToneVowels - 1)
    return static_cast<std::uint8_t>(kToneVowels[code - kFirstToneVowel]);
  return code;
}

// Empty when no character of expected has a reading: then pinyin has no say.
Chain ChainOf(std::string_view expected) {
  Chain chain;
  bool anyReading = false;
  auto add = [&chain](std::string_view letters, std::uint16_t code, bool reading) {
    chain.starts.push_back(static_cast<std::uint32_t>(chain.places.size()));
    // The character being added is first.size() - 1; its alternatives lead to the next.
    const auto target = static_cast<std::uint32_t>(chain.first.size());
    if (reading) {
      for (std::size_t k = 0; k < letters.size(); ++k)
        chain.places.push_back(
            {static_cast<std::uint8_t>(letters[k]), true, k + 1 == letters.size(), target});
    } else {
      chain.places.push_back({code, false, true, target});
    }
  };
  bool afterSyllable = false;
  for (std::size_t i = 0; i < expected.size();) {
    const Piece piece = PieceAt(expected, i);
    i += piece.size;
    if (IsSpace(piece.code)) continue;
    chain.first.push_back(static_cast<std::uint32_t>(chain.starts.size()));
    const auto readings = ReadingsOf(piece.code);
    anyReading = anyReading || !readings.empty();
    for (const std::uint16_t syllable : readings) add(Syllable(syllable), 0, true);
    // Erhua: "一点儿" is written "yidianr" too; a 儿 that begins a word ("儿子") is "er" only.
    if (afterSyllable && (piece.code == kEr || piece.code == kTraditionalEr)) add("r", 0, true);
    if (readings.empty()) add({}, Plain(piece.code), false);
    afterSyllable = !readings.empty();
  }
  chain.first.push_back(static_cast<std::uint32_t>(chain.starts.size()));
  if (!anyReading) return {};
  return chain;
}

// The typed text as the chain sees it: no spaces, every character Plain.
std::vector<std::uint16_t> Normalised(std::string_view typed) {
  std::vector<std::uint16_t> out;
  for (std::size_t i = 0; i < typed.size();) {
    const Piece piece = PieceAt(typed, i);
    i += piece.size;
    if (IsSpace(piece.code)) continue;
    out.push_back(Plain(piece.code));
  }
  return out;
}

bool Takes(const Place& place, std::uint16_t typed) {
  return place.code == typed || (place.reading && place.code == 'v' && typed == 'u');
}

}  // namespace

bool MatchesPinyin(std::string_view typed, std::string_view expected) {
  const Chain chain = ChainOf(expected);
  if (chain.places.empty()) return false;
  const std::vector<std::uint16_t> text = Normalised(typed);

  std::vector<std::uint32_t> current, next;
  std::vector<std::uint32_t> seen(chain.places.size(), 0);  // the step a place was last added
  bool done = false;  // the whole chain taken by the text read so far
  auto enter = [&](std::uint32_t character, std::vector<std::uint32_t>& into, std::uint32_t step) {
    if (character == chain.size()) {
      done = true;
      return;
    }
    for (std::uint32_t s = chain.first[character]; s < chain.first[character + 1]; ++s) {
      const std::uint32_t place = chain.starts[s];
      if (seen[place] == step) continue;
      seen[place] = step;
      into.push_back(place);
    }
  };
  enter(0, current, 1);
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto step = static_cast<std::uint32_t>(k + 2);
    next.clear();
    done = false;
    for (const std::uint32_t place : current) {
      const Place& p = chain.places[place];
      if (!Takes(p, text[k])) continue;
      if (p.last) {
        enter(p.target, next, step);
      } else if (seen[place + 1] != step) {
        seen[place + 1] = step;
        next.push_back(place + 1);
      }
    }
    current.swap(next);
    if (current.empty() && !done) return false;
  }
  return done;
}

}  // namespace lornel::judging
