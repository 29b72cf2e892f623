// The Clock page's file dialog for a time-signal wave file.
#pragma once

#include <windows.h>

// Lets the user pick a wave file and puts its full path into edit box idEdit
// of the page; remembers its folder in szCurrentWave. A cancel changes nothing.
void BrowseWaveFile(HWND hDlg, int idEdit);
