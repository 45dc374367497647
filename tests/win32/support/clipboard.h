// Text put on the clipboard as a spreadsheet or a teacher's editor would.
#pragma once

#include <string>

namespace lornel::test {

// CF_UNICODETEXT, the whole of text; false when the clipboard could not be opened.
bool PutOnClipboard(const std::wstring& text);

}  // namespace lornel::test
