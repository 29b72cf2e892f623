// The Window page of the property sheet (not yet built: an empty page).
#include "settings/pages_win.h"

INT_PTR CALLBACK WindowPageProc(HWND, UINT uMsg, WPARAM, LPARAM)
{
    return uMsg == WM_INITDIALOG;
}
