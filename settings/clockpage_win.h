// The Clock page: clock options, the two time signals with their wave files, and the overlay's transparency.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ClockPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Lets the user pick a wave file and puts its full path into edit box idEdit
// of the page; remembers its folder in szCurrentWave. A cancel changes nothing.
void BrowseWaveFile(HWND hDlg, int idEdit);
