// The dialog procedures of the property sheet's pages, one file each.
#pragma once

#include <windows.h>

#include <cstdint>

INT_PTR CALLBACK WindowPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ClockPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CharaPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CalendarPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// What every page shares. A page's parent is the sheet, and the sheet's owner the main window.
HWND MainWindowOf(HWND hDlg);
// The live preview: the main window repainted at once.
void RepaintMainWindow(HWND hDlg);
int32_t IsChecked(HWND hDlg, int nId);
// The selected index of a list, or -1 when nothing is selected.
long ListChoice(HWND hDlg, int nId);
