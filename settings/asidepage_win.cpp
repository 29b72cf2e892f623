// The 控えめ page of the property sheet: clicks through the gadget, the fade under the pointer and
// stepping aside for a full-screen window, each shown on the gadget at once.
#include "settings/asidepage_win.h"

#include <commctrl.h>
#include <prsht.h>

#include "base/wide_win.h"
#include "res/resource.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"
#include "settings/windowpage_win.h"

namespace {

const PageControl kControls[] = {
    {kPageCheckBox, IDC_CLICKTHROUGH, &Settings.bClickThrough, nullptr, 0, 0},
    {kPageCheckBox, IDC_HIDEFULLSCREEN, &Settings.bHideFullScreen, nullptr, 0, 0},
};
constexpr PageTable kPage = MakePageTable(kControls);

// The slider holds 10 to 90 %, the box beside it turns the fade on and off.
constexpr int kFadeLow = 10, kFadeHigh = 90;
// The slider keeps its place while the box is clear, so ticking it again brings back the same fade.
constexpr int32_t kFadeFirst = 50;
int32_t nFadeChosen = kFadeFirst;

void ShowFade(HWND hDlg)
{
    char sz[8];
    wsprintfA(sz, "%d%%", static_cast<int>(nFadeChosen));
    SetDlgItemTextW(hDlg, IDC_FADE_VALUE, WideText(sz));
    const BOOL bOn = Settings.nFadeOnHover != 0;
    EnableWindow(GetDlgItem(hDlg, IDC_FADE_TRACK), bOn);
    EnableWindow(GetDlgItem(hDlg, IDC_FADE_VALUE), bOn);
}

// The tray icon is chosen on another page: this one follows it whenever it is shown.
void ShowWayBack(HWND hDlg)
{
    CheckDlgButton(hDlg, IDC_HIDEFULLSCREEN, Settings.bHideFullScreen ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(hDlg, IDC_HIDEFULLSCREEN), !Settings.bTaskTrayNoIcon);
}

void TellMainWindow(HWND hDlg)
{
    SendMessageW(MainWindowOf(hDlg), WM_WINDOWOPTIONS, kWindowOptionAside, 0);
}

BOOL OnInitDialog(HWND hDlg)
{
    InitPageControls(hDlg, kPage);
    nFadeChosen = Settings.nFadeOnHover != 0 ? Settings.nFadeOnHover : kFadeFirst;
    HWND hTrack = GetDlgItem(hDlg, IDC_FADE_TRACK);
    SendMessageW(hTrack, TBM_SETRANGE, FALSE, MAKELPARAM(kFadeLow, kFadeHigh));
    SendMessageW(hTrack, TBM_SETTICFREQ, 10, 0);
    SendMessageW(hTrack, TBM_SETPAGESIZE, 0, 10);
    SendMessageW(hTrack, TBM_SETPOS, TRUE, nFadeChosen);
    CheckDlgButton(hDlg, IDC_FADEONHOVER, Settings.nFadeOnHover ? BST_CHECKED : BST_UNCHECKED);
    ShowFade(hDlg);
    ShowWayBack(hDlg);
    return TRUE;
}

BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    if (wId == IDC_FADEONHOVER && wCode == BN_CLICKED)
        Settings.nFadeOnHover = IsChecked(hDlg, IDC_FADEONHOVER) ? nFadeChosen : 0;
    else if (!ApplyPageControl(hDlg, kPage, wId, wCode))
        return FALSE;
    ShowFade(hDlg);
    TellMainWindow(hDlg);
    return TRUE;
}

void OnScroll(HWND hDlg, LPARAM lParam)
{
    if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != IDC_FADE_TRACK)
        return;
    const int nPos = static_cast<int>(SendDlgItemMessageW(hDlg, IDC_FADE_TRACK, TBM_GETPOS, 0, 0));
    nFadeChosen = nPos < kFadeLow ? kFadeLow : nPos > kFadeHigh ? kFadeHigh : nPos;
    if (Settings.nFadeOnHover != 0)
        Settings.nFadeOnHover = nFadeChosen;
    ShowFade(hDlg);
    TellMainWindow(hDlg);
}

}  // namespace

// OK and Cancel need nothing here: the caller keeps or restores the record, then styles the window.
INT_PTR CALLBACK AsidePageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitDialog(hDlg);
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL: OnScroll(hDlg, lParam); return FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->code == PSN_SETACTIVE)
            ShowWayBack(hDlg);
        return FALSE;
    default: return FALSE;
    }
}
