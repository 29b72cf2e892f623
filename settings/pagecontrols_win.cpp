// Every page's controls filled from their fields and applied back, by each page's table.
#include "settings/pagecontrols_win.h"

#include <commctrl.h>
#include <prsht.h>

#include "base/wide_win.h"
#include "settings/pagecontrols.h"

namespace {

void InitList(HWND hDlg, const PageControl &c)
{
    HWND hList = GetDlgItem(hDlg, c.nId);
    for (const char *const *p = c.apszItems; p && *p; ++p)
        SendMessageW(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(*p).get()));
    // A value outside the list leaves it without a selection.
    SendMessageW(hList, CB_SETCURSEL, static_cast<WPARAM>(*c.pnField), 0);
}

void InitPercent(HWND hDlg, const PageControl &c)
{
    HWND hTrack = GetDlgItem(hDlg, c.nId);
    SendMessageW(hTrack, TBM_SETTICFREQ, 10, 0);
    SendMessageW(hTrack, TBM_SETPAGESIZE, 0, 10);
    SendMessageW(hTrack, TBM_SETPOS, TRUE, *c.pnField);
    SendMessageW(hTrack, TBM_SETRANGEMIN, TRUE, 0);
    SendMessageW(hTrack, TBM_SETRANGEMAX, TRUE, 100);
    SetDlgItemInt(hDlg, c.nEditId, static_cast<UINT>(*c.pnField), FALSE);
    SendDlgItemMessageW(hDlg, c.nSpinId, UDM_SETRANGE, 0, MAKELPARAM(100, 0));
}

bool IsReady(const PageTable &table)
{
    return !table.pbReady || *table.pbReady;
}

// EN_CHANGE of the edit box: applies a value from 0 to 100, puts the current one back otherwise.
void OnPercentEdit(HWND hDlg, const PageControl &c)
{
    HWND hEdit = GetDlgItem(hDlg, c.nEditId);
    WCHAR szWide[16] = L"";
    char szText[16] = "";
    // Text longer than the buffer is no percentage: a cut read must not pass for one.
    const bool bFits = GetWindowTextLengthW(hEdit) < static_cast<int>(ARRAYSIZE(szWide)) &&
                       GetWindowTextW(hEdit, szWide, ARRAYSIZE(szWide)) >= 0 &&
                       ToShiftJis(szWide, szText, sizeof(szText));
    int32_t value = 0;
    if (!bFits || !ReadPercentText(szText, &value)) {
        SetDlgItemInt(hDlg, c.nEditId, static_cast<UINT>(*c.pnField), FALSE);
        return;
    }
    SendDlgItemMessageW(hDlg, c.nId, TBM_SETPOS, TRUE, value);
    *c.pnField = value;
}

}  // namespace

void InitPageControls(HWND hDlg, const PageTable &table)
{
    for (int i = 0; i < table.nControls; ++i) {
        const PageControl &c = table.pControls[i];
        switch (c.kind) {
        case kPageCheckBox: CheckDlgButton(hDlg, c.nId, *c.pnField ? BST_CHECKED : BST_UNCHECKED); break;
        case kPageList: InitList(hDlg, c); break;
        case kPagePercent: InitPercent(hDlg, c); break;
        }
    }
    if (table.pbReady)
        *table.pbReady = 1;
}

bool ApplyPageControl(HWND hDlg, const PageTable &table, WORD wId, WORD wCode)
{
    for (int i = 0; i < table.nControls; ++i) {
        const PageControl &c = table.pControls[i];
        if (c.kind == kPageCheckBox && c.nId == wId) {
            *c.pnField = IsChecked(hDlg, wId);
            return true;
        }
        if (c.kind == kPageList && c.nId == wId) {
            // No selection is no value: nothing is stored.
            const long nSel = wCode == CBN_SELCHANGE ? ListChoice(hDlg, wId) : -1;
            if (nSel >= 0)
                *c.pnField = static_cast<int32_t>(nSel);
            return true;
        }
        if (c.kind == kPagePercent && c.nEditId == wId) {
            if (wCode == EN_CHANGE && IsReady(table))
                OnPercentEdit(hDlg, c);
            return true;
        }
    }
    return false;
}

void OnPageScroll(HWND hDlg, const PageTable &table, WPARAM wParam, LPARAM lParam)
{
    const int nId = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    for (int i = 0; i < table.nControls; ++i) {
        const PageControl &c = table.pControls[i];
        if (c.kind != kPagePercent || c.nId != nId || !IsReady(table))
            continue;
        const int32_t value = LOWORD(wParam) == TB_THUMBPOSITION
                                  ? HIWORD(wParam)
                                  : LOWORD(SendDlgItemMessageW(hDlg, c.nId, TBM_GETPOS, 0, 0));
        SendDlgItemMessageW(hDlg, c.nId, TBM_SETPOS, TRUE, value);
        SetDlgItemInt(hDlg, c.nEditId, static_cast<UINT>(value), FALSE);
        *c.pnField = value;
        RepaintMainWindow(hDlg);
    }
}

INT_PTR OnPageNotify(const PageTable &table, const NMHDR *pnm)
{
    // An Apply that leaves the sheet open (its lParam FALSE) must leave the page reading its boxes.
    const bool bClosing = pnm->code == PSN_QUERYCANCEL ||
                          (pnm->code == PSN_APPLY && reinterpret_cast<const PSHNOTIFY *>(pnm)->lParam);
    if (table.pbReady && bClosing)
        *table.pbReady = 0;
    // 0 is PSNRET_NOERROR for OK and no objection for Cancel.
    return FALSE;
}

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
    const long nSel = static_cast<long>(SendDlgItemMessageW(hDlg, nId, CB_GETCURSEL, 0, 0));
    const int nCount = static_cast<int>(SendDlgItemMessageW(hDlg, nId, CB_GETCOUNT, 0, 0));
    return IsListChoice(nSel, nCount) ? nSel : -1;
}
