#include "ui/win32/dpi.h"

#include "platform/win32/library.h"
#include "platform/win32/owned.h"

namespace lornel::win32 {
namespace {

// DPI_AWARENESS_CONTEXT values (Windows 10 1703); the SDK for Windows 7 has no names for them.
const HANDLE kPerMonitorV2 = reinterpret_cast<HANDLE>(-4);
const HANDLE kPerMonitor = reinterpret_cast<HANDLE>(-3);
constexpr int kProcessPerMonitorAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE (Windows 8.1)
constexpr int kEffectiveDpi = 0;            // MDT_EFFECTIVE_DPI

template <class Fn>
Fn Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

HMODULE User32() { return GetModuleHandleW(L"user32.dll"); }

// shcore.dll exists from Windows 8.1 on; only ever from system32.
HMODULE Shcore() {
  static HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
  return shcore;
}

int SystemDpi() {
  const WindowDc screen(nullptr);
  return ui::SaneDpi(screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : ui::kTableDpi);
}

}  // namespace

void EnableDpiAwareness() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  if (auto set = Lookup<SetContext>(User32(), "SetProcessDpiAwarenessContext")) {
    if (set(kPerMonitorV2) || set(kPerMonitor)) return;
    if (GetLastError() == ERROR_ACCESS_DENIED) return;  // the manifest settled it
  }
  using SetAwareness = HRESULT(WINAPI*)(int);
  if (auto set = Lookup<SetAwareness>(Shcore(), "SetProcessDpiAwareness")) {
    const HRESULT result = set(kProcessPerMonitorAware);
    if (SUCCEEDED(result) || result == E_ACCESSDENIED) return;
  }
  using SetAware = BOOL(WINAPI*)();
  if (auto set = Lookup<SetAware>(User32(), "SetProcessDPIAware")) set();
}

int DpiOfMonitor(HMONITOR monitor) {
  using GetForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  if (auto get = Lookup<GetForMonitor>(Shcore(), "GetDpiForMonitor")) {
    UINT x = 0, y = 0;
    if (monitor && SUCCEEDED(get(monitor, kEffectiveDpi, &x, &y)))
      return ui::SaneDpi(static_cast<int>(y));
  }
  return SystemDpi();
}

int DpiOfWindow(HWND hwnd) {
  using GetForWindow = UINT(WINAPI*)(HWND);
  static const auto get = Lookup<GetForWindow>(User32(), "GetDpiForWindow");
  if (get) return ui::SaneDpi(static_cast<int>(get(hwnd)));
  return DpiOfMonitor(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY));
}

ui::Size FrameAt(DWORD style, DWORD exStyle, int dpi) {
  RECT r{0, 0, 0, 0};
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = Lookup<AdjustForDpi>(User32(), "AdjustWindowRectExForDpi");
  if (adjust) {
    adjust(&r, style, FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    // Before Windows 10 frames follow the system DPI whatever the monitor's.
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    if (dpi != SystemDpi()) {
      r.right = MulDiv(r.right - r.left, dpi, SystemDpi());
      r.bottom = MulDiv(r.bottom - r.top, dpi, SystemDpi());
      r.left = r.top = 0;
    }
  }
  return {r.right - r.left, r.bottom - r.top};
}

ui::Display DisplayOf(HMONITOR monitor, DWORD style, DWORD exStyle, int dpi) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!monitor || !GetMonitorInfoW(monitor, &info)) {
    info.rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  const RECT& w = info.rcWork;
  return {ui::SaneDpi(dpi),
          {w.left, w.top, w.right - w.left, w.bottom - w.top},
          FrameAt(style, exStyle, dpi)};
}

ui::Size ScreenSize(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!monitor || !GetMonitorInfoW(monitor, &info))
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top};
}

}  // namespace lornel::win32
