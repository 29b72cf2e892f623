// The Chara page: which characters take turns, how often and in what order,
// and the transparency of the character.
#include "settings/charapage_win.h"

#include "res/resource.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

// The list index is nChangeTiming; the blank before a one-digit number is an ideographic space.
const char *const kChangeTimingList[] = {
    "　１分単位で変更",   "　３分単位で変更",   "　５分単位で変更",   "１０分単位で変更",
    "１５分単位で変更",   "３０分単位で変更",   "　１時間単位で変更", "　２時間単位で変更",
    "　３時間単位で変更", "　６時間単位で変更", "　８時間単位で変更", "１２時間単位で変更",
    "２４時間単位で変更", "変更しない",         nullptr,
};

// Check box IDC_CHARA0 + i is character i's flag.
const PageControl kControls[] = {
    {kPageList, IDC_CHANGETIMING, &Settings.nChangeTiming, kChangeTimingList, 0, 0},
    {kPagePercent, IDC_TRANS_TRACK, &Settings.nTransparent, nullptr, IDC_TRANS_EDIT, IDC_TRANS_SPIN},
    {kPageCheckBox, IDC_RANDOM, &Settings.bRandom, nullptr, 0, 0},
    {kPageCheckBox, IDC_CHARA0, &Settings.bChara0, nullptr, 0, 0},
    {kPageCheckBox, IDC_CHARA1, &Settings.bChara1, nullptr, 0, 0},
    {kPageCheckBox, IDC_CHARA2, &Settings.bChara2, nullptr, 0, 0},
};
constexpr PageTable kPage = MakePageTable(kControls, &bCharaPageReady);

BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    if (!ApplyPageControl(hDlg, kPage, wId, wCode))
        return FALSE;
    RepaintMainWindow(hDlg);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK CharaPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: InitPageControls(hDlg, kPage); return TRUE;
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL: OnPageScroll(hDlg, kPage, wParam, lParam); return FALSE;
    case WM_NOTIFY: return OnPageNotify(kPage, reinterpret_cast<const NMHDR *>(lParam));
    // A page left by Cancel on another page never saw PSN_QUERYCANCEL: the next sheet
    // must not find the flag set while its up-down control first writes the edit box.
    case WM_DESTROY: bCharaPageReady = 0; return FALSE;
    default: return FALSE;
    }
}
