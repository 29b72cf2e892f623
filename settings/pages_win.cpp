// Helpers every page of the property sheet shares.
#include "settings/pages_win.h"

#include "settings/windowpage_rules.h"

HWND MainWindowOf(HWND hDlg)
{
    return GetParent(GetParent(hDlg));
}

void RepaintMainWindow(HWND hDlg)
{
    HWND hWndMain = MainWindowOf(hDlg);
    if (hWndMain) {
        InvalidateRect(hWndMain, nullptr, FALSE);
        UpdateWindow(hWndMain);
    }
}

int32_t IsChecked(HWND hDlg, int nId)
{
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED ? 1 : 0;
}

long ListChoice(HWND hDlg, int nId)
{
    const long nSel = static_cast<long>(SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0));
    const int nCount = static_cast<int>(SendDlgItemMessageA(hDlg, nId, CB_GETCOUNT, 0, 0));
    return IsListChoice(nSel, nCount) ? nSel : -1;
}
