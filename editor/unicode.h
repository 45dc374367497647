// The editor keeps what the teacher types as UTF-16, so that it can tell
// which characters GBK, the program's encoding, cannot hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lornel::editor {

// True for a unit that code page 936 turns into a GBK character and back
// unchanged: no best fits, no halves of a surrogate pair.
bool GbkHolds(char16_t unit);
// The GBK text, or nullopt when some unit has no exact GBK character.
std::optional<std::string> ToGbk(std::u16string_view text);
std::u16string FromGbk(std::string_view gbk);

// The first character GBK cannot hold, as its code point, and its position
// counted in characters from 1; {0, 0} when there is none.
struct Unheld {
  char32_t codePoint = 0;
  int position = 0;
};
Unheld FirstUnheld(std::u16string_view text);

// "U+1F600": how a message names a character that it cannot show in GBK.
std::string CodePointName(char32_t codePoint);

}  // namespace lornel::editor
