// The 控えめ page: clicks through the gadget, the fade under the pointer, stepping aside for full screen.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AsidePageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
