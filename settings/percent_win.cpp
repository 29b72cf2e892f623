// The percentage trackbar, edit box and up-down control shared by the Clock and Chara pages.
#include "settings/percent_win.h"

#include <commctrl.h>

#include "settings/page_rules.h"
#include "settings/pages_win.h"

void InitPercentControls(HWND hDlg, const PercentControls &pc)
{
    HWND hTrack = GetDlgItem(hDlg, pc.nTrackId);
    SendMessageA(hTrack, TBM_SETTICFREQ, 10, 0);
    SendMessageA(hTrack, TBM_SETPAGESIZE, 0, 10);
    SendMessageA(hTrack, TBM_SETPOS, TRUE, *pc.pnValue);
    SendMessageA(hTrack, TBM_SETRANGEMIN, TRUE, 0);
    SendMessageA(hTrack, TBM_SETRANGEMAX, TRUE, 100);
    SetDlgItemInt(hDlg, pc.nEditId, static_cast<UINT>(*pc.pnValue), FALSE);
    SendDlgItemMessageA(hDlg, pc.nSpinId, UDM_SETRANGE, 0, MAKELPARAM(100, 0));
}

void OnPercentEditChange(HWND hDlg, const PercentControls &pc)
{
    if (!*pc.pbReady)
        return;
    HWND hEdit = GetDlgItem(hDlg, pc.nEditId);
    char szText[16] = "";
    // Text longer than the buffer is no percentage: a cut read must not pass for one.
    const bool bFits = GetWindowTextLengthA(hEdit) < static_cast<int>(sizeof(szText));
    if (bFits)
        GetWindowTextA(hEdit, szText, sizeof(szText));
    int32_t value = 0;
    if (!bFits || !ReadPercentText(szText, &value)) {
        SetDlgItemInt(hDlg, pc.nEditId, static_cast<UINT>(*pc.pnValue), FALSE);
        return;
    }
    SendDlgItemMessageA(hDlg, pc.nTrackId, TBM_SETPOS, TRUE, value);
    *pc.pnValue = value;
}

void OnPercentScroll(HWND hDlg, const PercentControls &pc, WPARAM wParam, LPARAM lParam)
{
    if (!*pc.pbReady || GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != pc.nTrackId)
        return;
    int32_t value;
    if (LOWORD(wParam) == TB_THUMBPOSITION)
        value = HIWORD(wParam);
    else
        value = LOWORD(SendDlgItemMessageA(hDlg, pc.nTrackId, TBM_GETPOS, 0, 0));
    SendDlgItemMessageA(hDlg, pc.nTrackId, TBM_SETPOS, TRUE, value);
    SetDlgItemInt(hDlg, pc.nEditId, static_cast<UINT>(value), FALSE);
    *pc.pnValue = value;
    RepaintMainWindow(hDlg);
}
