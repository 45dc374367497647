// Which reading of a file without a byte order mark is the right one: since
// Windows 10 1903, Notepad saves new files as UTF-8 without a BOM, while the
// profile functions read every such file as GBK.
#pragma once

#include <string_view>

namespace lornel::config {

// True when bytes are to be read as UTF-8 rather than GBK: they are strictly
// valid UTF-8 (shortest forms, no surrogates, nothing cut off at the end) with
// at least one byte of 0x80 or more, and they read at least as plausibly as
// UTF-8 as they do as GBK.
//
// Plausible means everyday Chinese text: GB2312's 6,763 characters and its
// rows of Chinese punctuation and full-width forms. Each of them takes two
// bytes in GBK and three in UTF-8, so a GBK Chinese text read as UTF-8 yields
// at most 2/3 as many of them, and a UTF-8 Chinese text read as GBK at most
// 3/2 as many. UTF-8 wins while 3 x (its count) >= 2 x (GBK's count). So a
// short GBK text that happens to be valid UTF-8 (小 is D0 A1, which UTF-8
// reads as the Cyrillic С) stays GBK, and UTF-8 wins only where the bytes
// spell Chinese in both at the exact ratio, as editors save UTF-8 today. The
// price: a UTF-8 text of accented letters alone reads as GBK ("é" is C3 A9,
// GBK's 茅), which no wtda.ini with its Chinese section names is.
bool ReadsAsUtf8(std::string_view bytes);

}  // namespace lornel::config
