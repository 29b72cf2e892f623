// What the Window page needs from the main window, and its font list.
#pragma once

#include <windows.h>

// The main window's placement and tray icon live above the settings; the main
// window hands them over before the sheet opens.
struct WindowPageActions {
    void (*pfnPlaceWindow)(HWND hWnd);
    void (*pfnSetTrayIcon)(HWND hWnd, BOOL bShow);
};
extern WindowPageActions WindowPageHost;

// Fills combo box 1029 with the installed scalable faces and selects the stored one.
void FillFontList(HWND hDlg);
int CALLBACK FontEnumProc(const LOGFONTA *plf, const TEXTMETRICA *ptm, DWORD dwFontType, LPARAM lParam);
