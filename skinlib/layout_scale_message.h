// The registered message a top-level window answers with its layout scale in
// thousandths; the skin library asks it to size corners and borders. Shared by
// the library, the program's windows and the tests, so the name cannot drift.
#pragma once

inline constexpr wchar_t kLayoutScaleMessage[] = L"SkinH_LayoutScale";
