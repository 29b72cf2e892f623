// The 時報 page: quiet hours, no signal on days off, striking the hour and the character's balloon.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SignalPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
