// The window's DPI, asked of user32 by name so the program still starts where the call is missing.
#include "base/dpi_win.h"

#include "base/gdi_scope_win.h"

using DpiForWindowCall = UINT(WINAPI *)(HWND hWnd);

int GetWindowDpi(HWND hWnd)
{
    static const DpiForWindowCall pfnDpiForWindow = reinterpret_cast<DpiForWindowCall>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    int nDpi = hWnd && pfnDpiForWindow ? static_cast<int>(pfnDpiForWindow(hWnd)) : 0;
    if (nDpi <= 0) {
        ScopedGetDC dcScreen(nullptr);
        nDpi = GetDeviceCaps(dcScreen, LOGPIXELSX);
    }
    return nDpi > 0 ? nDpi : 96;
}
