#pragma once
// Dots per inch: the screen's, and that of the monitor a window is on, where
// Windows tells (per-monitor awareness; the screen's on older Windows).
#include <windows.h>

UINT ScreenDpi();
UINT WindowDpi(HWND window);
// The small icon's edge in pixels at that resolution.
int SmallIconSize(UINT dpi);
