#include "skinlib/dll/subclass.h"

#include <windows.h>
#include <commctrl.h>

#include "skinlib/dll/paint.h"
#include "skinlib/dll/theme.h"
#include "skinlib/dll/window_table.h"

namespace skinh {
namespace {

enum Kind : DWORD_PTR { kNone, kButton, kEdit, kProgress, kContainer };
constexpr DWORD_PTR kKindMask = 0xF;
constexpr DWORD_PTR kHot = 0x100;
// One hot button at a time: a leave message that never came (Wine loses some
// after injected input) must not leave an old button lit. Only buttons of the
// same thread are put out, so the state needs no thread-local storage.
HWND g_hotButton = nullptr;

// --- the subclass table ----------------------------------------------------------
// comctl32's SetWindowSubclass keeps its chain in a window property, and under
// Wine every property read is a round trip to the server: several per message,
// thousands for one click on the program's board. This table stays in process,
// behind a reader lock.

void* AllocateZeroed(std::size_t bytes) {
  return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
}
void ReleaseBlock(void* block) { HeapFree(GetProcessHeap(), 0, block); }

SRWLOCK g_tableLock = SRWLOCK_INIT;
WindowTable g_table(AllocateZeroed, ReleaseBlock);

struct Entry {
  WNDPROC original;
  DWORD_PTR ref;
};

std::uintptr_t Key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

bool Insert(HWND hwnd, WNDPROC original, DWORD_PTR ref) {
  AcquireSRWLockExclusive(&g_tableLock);
  const bool ok = g_table.Put(Key(hwnd), reinterpret_cast<void*>(original), ref);
  ReleaseSRWLockExclusive(&g_tableLock);
  return ok;
}

void Erase(HWND hwnd) {
  AcquireSRWLockExclusive(&g_tableLock);
  g_table.Erase(Key(hwnd));
  ReleaseSRWLockExclusive(&g_tableLock);
}

bool Lookup(HWND hwnd, Entry* out) {
  AcquireSRWLockShared(&g_tableLock);
  const WindowEntry* e = g_table.Find(Key(hwnd));
  if (e && out) *out = {reinterpret_cast<WNDPROC>(e->original), e->ref};
  ReleaseSRWLockShared(&g_tableLock);
  return e != nullptr;
}

void SetRef(HWND hwnd, DWORD_PTR ref) {
  AcquireSRWLockExclusive(&g_tableLock);
  if (WindowEntry* e = g_table.Find(Key(hwnd))) e->ref = ref;
  ReleaseSRWLockExclusive(&g_tableLock);
}

// On to the procedure ours replaced.
LRESULT CallNext(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Entry e;
  if (!Lookup(hwnd, &e)) return DefWindowProcW(hwnd, message, wParam, lParam);
  return CallWindowProcW(e.original, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SkinProc(HWND, UINT, WPARAM, LPARAM);

bool ClassIs(const wchar_t* cls, const wchar_t* name) { return lstrcmpiW(cls, name) == 0; }

Kind Classify(HWND hwnd) {
  wchar_t cls[64];
  if (!GetClassNameW(hwnd, cls, 64)) return kNone;
  if (ClassIs(cls, L"Button")) return kButton;
  if (ClassIs(cls, L"Edit")) return kEdit;
  if (ClassIs(cls, PROGRESS_CLASSW)) return kProgress;
  if (ClassIs(cls, L"#32770")) return kContainer;
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  // Framed top-level windows; hidden helper windows (IME and the like) are left alone.
  if (!(style & WS_CHILD) && (style & WS_DLGFRAME)) return kContainer;
  // Child panels whose class background is a system colour.
  const auto brush = static_cast<UINT_PTR>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND));
  if (brush == COLOR_BTNFACE + 1 || brush == COLOR_WINDOW + 1) return kContainer;
  return kNone;
}

// Paints now, through the normal WM_PAINT path so clipping stays right; used
// after the system's button procedure has drawn its own look synchronously.
void RedrawNow(HWND hwnd) {
  if (IsWindowVisible(hwnd)) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Messages on which the system's button procedure paints at once, outside
// WM_PAINT; our look is put back right after.
bool ButtonPaintsOn(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case WM_SYSCOLORCHANGE:
    case WM_SETFONT:
      return true;
    default:
      return false;
  }
}

LRESULT PaintMessage(HWND hwnd, WPARAM wParam, void (*paint)(HWND, HDC, const Theme&, DWORD_PTR),
                     const Theme& theme, DWORD_PTR ref) {
  if (wParam) {  // WM_PAINT with a DC given, or WM_PRINTCLIENT
    paint(hwnd, reinterpret_cast<HDC>(wParam), theme, ref);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (dc) paint(hwnd, dc, theme, ref);
  EndPaint(hwnd, &ps);
  return 0;
}

void PaintButtonThunk(HWND hwnd, HDC dc, const Theme& theme, DWORD_PTR ref) {
  PaintButton(hwnd, dc, theme, Looks{(ref & kHot) != 0});
}

void PaintProgressThunk(HWND hwnd, HDC dc, const Theme& theme, DWORD_PTR) {
  PaintProgress(hwnd, dc, theme);
}

LRESULT ButtonMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR ref,
                      const Theme& theme) {
  if (!SkinsButtonStyle(hwnd)) return CallNext(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintMessage(hwnd, wParam, PaintButtonThunk, theme, ref);
    case WM_ERASEBKGND:
      if ((GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
          !GroupBoxFillsInside(hwnd))
        break;
      return 1;  // WM_PAINT covers every pixel
    case WM_MOUSEMOVE:
      // Panels have no hot look; repainting a whole panel on every entry would be waste.
      if ((GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) break;
      if (!(ref & kHot)) {
        if (g_hotButton && g_hotButton != hwnd && IsWindow(g_hotButton) &&
            GetWindowThreadProcessId(g_hotButton, nullptr) == GetCurrentThreadId())
          SendMessageW(g_hotButton, WM_MOUSELEAVE, 0, 0);
        g_hotButton = hwnd;
        SetRef(hwnd, ref | kHot);
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        const LRESULT result = CallNext(hwnd, message, wParam, lParam);
        RedrawNow(hwnd);
        return result;
      }
      if (GetCapture() == hwnd) {  // dragging in and out of a held button
        const LRESULT result = CallNext(hwnd, message, wParam, lParam);
        RedrawNow(hwnd);
        return result;
      }
      break;
    case WM_MOUSELEAVE:
      if (g_hotButton == hwnd) g_hotButton = nullptr;
      if (ref & kHot) {
        SetRef(hwnd, ref & ~kHot);
        RedrawNow(hwnd);
      }
      break;
    default:
      if (ButtonPaintsOn(message)) {
        const LRESULT result = CallNext(hwnd, message, wParam, lParam);
        if (message != WM_SETFONT || LOWORD(lParam)) RedrawNow(hwnd);
        return result;
      }
      break;
  }
  return CallNext(hwnd, message, wParam, lParam);
}

LRESULT EditMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const Theme& theme) {
  switch (message) {
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_STYLECHANGED: {
      const LRESULT result = CallNext(hwnd, message, wParam, lParam);
      if (IsWindowVisible(hwnd)) PaintEditFrame(hwnd, theme);
      return result;
    }
    default:
      return CallNext(hwnd, message, wParam, lParam);
  }
}

LRESULT ProgressMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const Theme& theme) {
  if (!SkinsProgressStyle(hwnd)) return CallNext(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintMessage(hwnd, wParam, PaintProgressThunk, theme, 0);
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
    case WM_ENABLE: {
      const LRESULT result = CallNext(hwnd, message, wParam, lParam);
      if (IsWindowVisible(hwnd)) PaintProgressFrame(hwnd, theme);
      if (message == WM_ENABLE) InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    default:
      return CallNext(hwnd, message, wParam, lParam);
  }
}

LRESULT ContainerMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                         const Theme& theme) {
  switch (message) {
    case WM_ERASEBKGND:
      if (EraseContainer(hwnd, reinterpret_cast<HDC>(wParam), theme)) return 1;
      break;
    case WM_DPICHANGED: {
      // The window lays itself out at the new scale; controls that kept their
      // size, and the edit frames, must still repaint with the new measures.
      const LRESULT result = CallNext(hwnd, message, wParam, lParam);
      RedrawWindow(hwnd, nullptr, nullptr,
                   RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      return result;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const LRESULT answer = CallNext(hwnd, message, wParam, lParam);
      return FilterControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                                 answer, theme);
    }
    default:
      break;
  }
  return CallNext(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Entry e;
  if (!Lookup(hwnd, &e)) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    if (g_hotButton == hwnd) g_hotButton = nullptr;
    // Put the old procedure back unless someone has subclassed on top of us.
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SkinProc))
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(e.original));
    Erase(hwnd);
    return CallWindowProcW(e.original, hwnd, message, wParam, lParam);
  }
  const DWORD_PTR ref = e.ref;
  const ThemeHold hold;  // to the end of the message, whatever it calls
  const Theme* theme = hold.get();
  if (!theme) return CallNext(hwnd, message, wParam, lParam);
  switch (ref & kKindMask) {
    case kButton:
      return ButtonMessage(hwnd, message, wParam, lParam, ref, *theme);
    case kEdit:
      return EditMessage(hwnd, message, wParam, lParam, *theme);
    case kProgress:
      return ProgressMessage(hwnd, message, wParam, lParam, *theme);
    case kContainer:
      return ContainerMessage(hwnd, message, wParam, lParam, *theme);
    default:
      return CallNext(hwnd, message, wParam, lParam);
  }
}

BOOL CALLBACK AdoptChild(HWND hwnd, LPARAM) {
  Adopt(hwnd);
  return TRUE;
}

struct ThreadHook {
  DWORD thread;
  HHOOK hook;
};
ThreadHook g_hooks[32];
int g_hookCount = 0;

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && HasTheme()) Adopt(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void Adopt(HWND hwnd) {
  if (!hwnd || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return;
  if (Lookup(hwnd, nullptr)) return;
  const Kind kind = Classify(hwnd);
  if (kind == kNone) return;
  // No message can come between the two steps: both run on the window's thread.
  auto original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinProc)));
  if (original && !Insert(hwnd, original, kind))
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

void AdoptTree(HWND top) {
  Adopt(top);
  EnumChildWindows(top, AdoptChild, 0);
}

bool HookCurrentThread(HINSTANCE module) {
  const DWORD thread = GetCurrentThreadId();
  for (int i = 0; i < g_hookCount; ++i)
    if (g_hooks[i].thread == thread) return true;
  if (g_hookCount == static_cast<int>(sizeof(g_hooks) / sizeof(g_hooks[0]))) return false;
  HHOOK hook = SetWindowsHookExW(WH_CBT, CbtProc, module, thread);
  if (!hook) return false;
  g_hooks[g_hookCount++] = {thread, hook};
  return true;
}

}  // namespace skinh
