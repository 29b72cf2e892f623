// The staff credits box: the credits drawn once off-screen, then revealed in diagonal stripes.
#pragma once

#include <windows.h>

#include "base/gdi_scope_win.h"

INT_PTR CALLBACK StaffDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
// One pass of the reveal, or all the credits once the reveal is complete.
void PaintStaffReveal(HWND hDlg, HDC hdc);

// Alive while the box is open; one box at a time.
struct StaffBoxState {
    MemoryBitmap credits;  // the credits, drawn once
    UINT_PTR uTimer;        // 0 when no timer runs
    int nPass;              // passes drawn, 0 to 7
};
extern StaffBoxState StaffBox;

// How the box starts its timer; a test puts a failing one here.
using StaffTimerStarter = UINT_PTR(WINAPI *)(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
extern StaffTimerStarter pfnStartStaffTimer;
