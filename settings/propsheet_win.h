// The property sheet with its Window, Clock and Chara pages.
#pragma once

#include <windows.h>

// 1 when the user accepted the sheet, 0 when cancelled, -1 when it could not be made.
int ShowPropertySheet(HWND hWndOwner);
// Removes the context-help button once the sheet exists; always 0.
int CALLBACK PropertySheetCallback(HWND hWndDlg, UINT uMsg, LPARAM lParam);
// Presses Cancel on the open sheet, if there is one; the sheet closes once its loop runs again.
void CancelPropertySheet();
