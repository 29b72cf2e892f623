// The Chara page: which characters take turns, how often and in what order, and the
// transparency of the character.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CharaPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
