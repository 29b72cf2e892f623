// The Chara page: which characters take turns, how often and in what order,
// and the transparency of the character picture.
#include "settings/pages_win.h"

#include <commctrl.h>

#include "res/resource.h"
#include "settings/percent_win.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

const PercentControls kCharaTransparency = {&Settings.nTransparent, &bCharaPageReady, IDC_TRANS_TRACK,
                                             IDC_TRANS_EDIT, IDC_TRANS_SPIN};

// The list index is nChangeTiming; the blank before a one-digit number is an ideographic space.
const char *const kChangeTimingList[] = {
    "　１分単位で変更",   "　３分単位で変更",   "　５分単位で変更",   "１０分単位で変更",
    "１５分単位で変更",   "３０分単位で変更",   "　１時間単位で変更", "　２時間単位で変更",
    "　３時間単位で変更", "　６時間単位で変更", "　８時間単位で変更", "１２時間単位で変更",
    "２４時間単位で変更", "変更しない",         nullptr,
};

int32_t *CharaFlag(int nIndex)
{
    int32_t *const apFlags[] = {&Settings.bChara0, &Settings.bChara1, &Settings.bChara2};
    return apFlags[nIndex];
}

BOOL OnInitDialog(HWND hDlg)
{
    HWND hCombo = GetDlgItem(hDlg, IDC_CHANGETIMING);
    for (const char *const *ppsz = kChangeTimingList; *ppsz; ++ppsz)
        SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*ppsz));
    SendMessageA(hCombo, CB_SETCURSEL, Settings.nChangeTiming, 0);
    InitPercentControls(hDlg, kCharaTransparency);
    CheckDlgButton(hDlg, IDC_RANDOM, Settings.bRandom ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(hDlg, IDC_CHARA0 + i, *CharaFlag(i) ? BST_CHECKED : BST_UNCHECKED);
    bCharaPageReady = 1;
    return TRUE;
}

BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    switch (wId) {
    case IDC_RANDOM: Settings.bRandom = IsChecked(hDlg, wId); break;
    case IDC_CHARA0:
    case IDC_CHARA1:
    case IDC_CHARA2: *CharaFlag(wId - IDC_CHARA0) = IsChecked(hDlg, wId); break;
    case IDC_CHANGETIMING:
        if (wCode == CBN_SELCHANGE) {
            // No selection is no interval: nothing is stored.
            const long nSel = ListChoice(hDlg, wId);
            if (nSel >= 0)
                Settings.nChangeTiming = static_cast<int32_t>(nSel);
        }
        break;
    case IDC_TRANS_EDIT:
        if (wCode == EN_CHANGE)
            OnPercentEditChange(hDlg, kCharaTransparency);
        break;
    default: return FALSE;
    }
    RepaintMainWindow(hDlg);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK CharaPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitDialog(hDlg);
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL: OnPercentScroll(hDlg, kCharaTransparency, wParam, lParam); return FALSE;
    case WM_NOTIFY: {
        const UINT code = reinterpret_cast<const NMHDR *>(lParam)->code;
        if (code == PSN_APPLY || code == PSN_QUERYCANCEL)
            bCharaPageReady = 0;
        return FALSE;
    }
    // A page left by Cancel on another page never saw PSN_QUERYCANCEL: the next sheet
    // must not find the flag set while its up-down control first writes the edit box.
    case WM_DESTROY: bCharaPageReady = 0; return FALSE;
    default: return FALSE;
    }
}
