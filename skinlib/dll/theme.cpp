#include "skinlib/dll/theme.h"

namespace skinh {
namespace {

using namespace lornel::skin;

// Taken shared to read the look and count a holder, exclusive to swap it: a
// holder never counts itself on a theme that is already being destroyed.
SRWLOCK g_swap = SRWLOCK_INIT;
Theme* g_theme = nullptr;

void LetGo(Theme* theme) {
  if (theme && InterlockedDecrement(&theme->holders) == 0) DestroyTheme(theme);
}

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
  theme->holders = 1;
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

bool HasTheme() {
  AcquireSRWLockShared(&g_swap);
  const bool has = g_theme != nullptr;
  ReleaseSRWLockShared(&g_swap);
  return has;
}

void ReplaceTheme(Theme* theme) {
  AcquireSRWLockExclusive(&g_swap);
  Theme* old = g_theme;
  g_theme = theme;
  ReleaseSRWLockExclusive(&g_swap);
  LetGo(old);
}

ThemeHold::ThemeHold() {
  AcquireSRWLockShared(&g_swap);
  theme_ = g_theme;
  if (theme_) InterlockedIncrement(&theme_->holders);
  ReleaseSRWLockShared(&g_swap);
}

ThemeHold::~ThemeHold() { LetGo(theme_); }

}  // namespace skinh
