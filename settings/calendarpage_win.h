// The Calendar page: holidays by the law and the rokuyo from the lunar calendar.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CalendarPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
