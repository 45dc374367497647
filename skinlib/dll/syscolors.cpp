#include "skinlib/dll/syscolors.h"

#include "skinlib/dll/theme.h"

namespace skinh {
namespace {

using GetSysColorFn = DWORD(WINAPI*)(int);
using GetSysColorBrushFn = HBRUSH(WINAPI*)(int);

GetSysColorFn RealGetSysColor() {
  static GetSysColorFn fn = reinterpret_cast<GetSysColorFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSysColor")));
  return fn;
}

GetSysColorBrushFn RealGetSysColorBrush() {
  static GetSysColorBrushFn fn = reinterpret_cast<GetSysColorBrushFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSysColorBrush")));
  return fn;
}

DWORD WINAPI SkinGetSysColor(int index) {
  lornel::skin::Colour slot;
  const ThemeHold hold;
  const Theme* theme = hold.get();
  if (theme && MapsSysColour(index, &slot)) return theme->Colour(slot);
  return RealSysColour(index);
}

HBRUSH WINAPI SkinGetSysColorBrush(int index) {
  const ThemeHold hold;
  const Theme* theme = hold.get();
  if (theme && MapsSysColour(index, nullptr)) return theme->Brush(index);
  return RealSysColourBrush(index);
}

bool WriteImport(void** slot, void* value) {
  if (*slot == value) return true;
  DWORD old;
  if (!VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old)) return false;
  *slot = value;
  VirtualProtect(slot, sizeof(void*), old, &old);
  return true;
}

}  // namespace

DWORD RealSysColour(int index) {
  GetSysColorFn fn = RealGetSysColor();
  return fn ? fn(index) : 0;
}

HBRUSH RealSysColourBrush(int index) {
  GetSysColorBrushFn fn = RealGetSysColorBrush();
  return fn ? fn(index) : nullptr;
}

bool IsSystemBrush(HBRUSH brush) {
  if (!brush) return false;
  for (int i = 0; i <= COLOR_GRADIENTINACTIVECAPTION; ++i)
    if (RealSysColourBrush(i) == brush) return true;
  return false;
}

int RedirectSysColourImports() {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  if (!base) return 0;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return 0;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return 0;
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress || !dir.Size) return 0;

  void* realColour = reinterpret_cast<void*>(RealGetSysColor());
  void* realBrush = reinterpret_cast<void*>(RealGetSysColorBrush());
  int redirected = 0;
  for (auto* desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
       desc->Name; ++desc) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + desc->Name), "user32.dll") != 0) continue;
    auto* iat = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
    const auto* names =
        desc->OriginalFirstThunk
            ? reinterpret_cast<const IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk)
            : nullptr;
    for (int i = 0; iat[i].u1.Function; ++i) {
      void** slot = reinterpret_cast<void**>(&iat[i].u1.Function);
      void* replacement = nullptr;
      if (names && !IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) {
        const auto* byName =
            reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
        const char* name = reinterpret_cast<const char*>(byName->Name);
        if (lstrcmpA(name, "GetSysColor") == 0)
          replacement = reinterpret_cast<void*>(SkinGetSysColor);
        if (lstrcmpA(name, "GetSysColorBrush") == 0)
          replacement = reinterpret_cast<void*>(SkinGetSysColorBrush);
      } else if (*slot == realColour || *slot == reinterpret_cast<void*>(SkinGetSysColor)) {
        replacement = reinterpret_cast<void*>(SkinGetSysColor);
      } else if (*slot == realBrush || *slot == reinterpret_cast<void*>(SkinGetSysColorBrush)) {
        replacement = reinterpret_cast<void*>(SkinGetSysColorBrush);
      }
      if (replacement && WriteImport(slot, replacement)) ++redirected;
    }
  }
  return redirected;
}

}  // namespace skinh
