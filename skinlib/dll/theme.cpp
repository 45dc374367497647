#include "skinlib/dll/theme.h"

namespace skinh {
namespace {

using namespace lornel::skin;

Theme* g_theme = nullptr;

struct SysMapping {
  int index;
  Colour slot;
};

// COLOR_BTNFACE and its family, and the text colours that go with them; the
// caption bar, menus and desktop keep the system's.
constexpr SysMapping kMappings[] = {
    {COLOR_BTNFACE, kFace},          {COLOR_BTNTEXT, kFaceText},
    {COLOR_3DLIGHT, kLight},         {COLOR_BTNHIGHLIGHT, kHighlight},
    {COLOR_BTNSHADOW, kShadow},      {COLOR_3DDKSHADOW, kDarkShadow},
    {COLOR_WINDOW, kField},          {COLOR_WINDOWTEXT, kFieldText},
    {COLOR_HIGHLIGHT, kAccent},      {COLOR_HIGHLIGHTTEXT, kAccentText},
    {COLOR_GRAYTEXT, kDisabledText},
};

}  // namespace

bool MapsSysColour(int index, Colour* slot) {
  for (const SysMapping& m : kMappings) {
    if (m.index == index) {
      if (slot) *slot = m.slot;
      return true;
    }
  }
  return false;
}

Theme* CreateTheme(const SkinData& skin) {
  Theme* theme = static_cast<Theme*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Theme)));
  if (!theme) return nullptr;
  theme->skin = skin;
  for (const SysMapping& m : kMappings) {
    theme->sysBrush[m.index] = CreateSolidBrush(skin.colour[m.slot]);
    if (!theme->sysBrush[m.index]) {
      DestroyTheme(theme);
      return nullptr;
    }
  }
  return theme;
}

void DestroyTheme(Theme* theme) {
  if (!theme) return;
  for (HBRUSH brush : theme->sysBrush)
    if (brush) DeleteObject(brush);
  HeapFree(GetProcessHeap(), 0, theme);
}

const Theme* CurrentTheme() { return static_cast<Theme* volatile&>(g_theme); }

Theme* ReplaceTheme(Theme* theme) {
  // The look is read by painting code on whatever thread paints; the swap is one write.
  return static_cast<Theme*>(
      InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&g_theme), theme));
}

}  // namespace skinh
