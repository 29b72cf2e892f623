// The DPI a window is shown at: per monitor where Windows tells it, else the system's.
#pragma once

#include <windows.h>

// The DPI of hWnd's monitor as the system scales it for this program (GetDpiForWindow,
// Windows 10 1607 and later), else the screen's LOGPIXELSX. Never below 1.
int GetWindowDpi(HWND hWnd);

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
