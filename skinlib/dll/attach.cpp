// The library's one entry: SkinH_AttachRes(skin bytes, size, text, 0, 0, 0).
#include <windows.h>

#include "skinlib/dll/subclass.h"
#include "skinlib/dll/syscolors.h"
#include "skinlib/dll/theme.h"

namespace skinh {
namespace {

// Result codes beyond the parser's own (1..12).
constexpr int kOutOfResources = 100;
constexpr int kNotHooked = 101;

HINSTANCE g_module = nullptr;
CRITICAL_SECTION g_lock;

BOOL CALLBACK RestyleThreadWindow(HWND top, LPARAM) {
  AdoptTree(top);
  RedrawWindow(top, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

// Windows keep calling into us once subclassed, so the library must outlive
// any FreeLibrary of its loader from then on.
void PinModule() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&RestyleThreadWindow), &self);
}

int Attach(const unsigned char* data, int size) {
  SkinData skin;
  const auto error = lornel::skin::ParseSkin(data, size, &skin);
  if (error != lornel::skin::ParseError::kNone) return static_cast<int>(error);
  Theme* theme = CreateTheme(skin);
  if (!theme) return kOutOfResources;
  if (!HasTheme()) PinModule();
  if (!HookCurrentThread(g_module)) {
    DestroyTheme(theme);
    return kNotHooked;
  }
  ReplaceTheme(theme);
  RedirectSysColourImports();
  EnumThreadWindows(GetCurrentThreadId(), RestyleThreadWindow, 0);
  return 0;
}

}  // namespace
}  // namespace skinh

// text and the three integers are accepted for the caller's convention and not used.
extern "C" int __stdcall SkinH_AttachRes(const unsigned char* data, int size, const char* text,
                                         int a, int b, int c) {
  (void)text, (void)a, (void)b, (void)c;
  EnterCriticalSection(&skinh::g_lock);
  const int result = skinh::Attach(data, size);
  LeaveCriticalSection(&skinh::g_lock);
  return result;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    skinh::g_module = instance;
    InitializeCriticalSection(&skinh::g_lock);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    DeleteCriticalSection(&skinh::g_lock);
  }
  return TRUE;
}
