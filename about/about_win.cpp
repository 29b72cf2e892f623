// About box: not yet present (its dialog resource does not exist yet, so
// DialogBoxParamA fails and nothing opens).
#include "about/about_win.h"

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    if (uMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hDlg, 1);
        return TRUE;
    }
    return uMsg == WM_INITDIALOG;
}
