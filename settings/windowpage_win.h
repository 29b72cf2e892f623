// The Window page: stacking, taskbar, tray icon, fixed position, corner mode, calendar position and font.
#pragma once

#include <windows.h>

// The page tells its sheet's owner, the main window, what it must show again at once; wParam
// holds the kWindowOption bits.
constexpr UINT WM_WINDOWOPTIONS = WM_APP + 1;
constexpr WPARAM kWindowOptionPlacement = 1;  // size, corner, page side
constexpr WPARAM kWindowOptionTrayIcon = 2;   // bTaskTrayNoIcon
constexpr WPARAM kWindowOptionAside = 4;      // click-through, the fade, stepping aside

INT_PTR CALLBACK WindowPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Fills combo box 1029 with the installed scalable faces and selects the stored one.
void FillFontList(HWND hDlg);
int CALLBACK FontEnumProc(const LOGFONTW *plf, const TEXTMETRICW *ptm, DWORD dwFontType, LPARAM lParam);
