// The display a window meets: DPI awareness, the DPI and work area of its
// monitor, and its frame at a DPI. Every API newer than Windows 7 is looked up
// at run time, so one exe runs from Windows 7 to 11.
#pragma once

#include <windows.h>

#include "ui/display_scale.h"

namespace lornel::win32 {

// Per-monitor v2 where Windows has it, then per-monitor, then system-aware.
// Does nothing where the manifest already settled it.
void EnableDpiAwareness();

// The monitor's DPI, or the system's where per-monitor DPI is not known.
int DpiOfMonitor(HMONITOR monitor);
int DpiOfWindow(HWND hwnd);

// Outer size minus client size of a window with these styles at this DPI.
ui::Size FrameAt(DWORD style, DWORD exStyle, int dpi);

// What decides the scale of a window with these styles on this monitor.
ui::Display DisplayOf(HMONITOR monitor, DWORD style, DWORD exStyle, int dpi);
ui::Size ScreenSize(HMONITOR monitor);

}  // namespace lornel::win32
