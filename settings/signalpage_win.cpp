// The 時報 page of the property sheet: each option written at once, so the next signal follows it.
#include "settings/signalpage_win.h"

#include <cstdio>

#include "base/wide_win.h"
#include "res/resource.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"

namespace {

// The hour lists are filled here, so their text reaches Windows as UTF-16; an item's index is its hour.
const PageControl kControls[] = {
    {kPageList, IDC_QUIETFROM, &Settings.nQuietFrom, nullptr, 0, 0},
    {kPageList, IDC_QUIETTO, &Settings.nQuietTo, nullptr, 0, 0},
    {kPageCheckBox, IDC_QUIETDAYSOFF, &Settings.bQuietDaysOff, nullptr, 0, 0},
    {kPageCheckBox, IDC_STRIKEHOURS, &Settings.bStrikeHours, nullptr, 0, 0},
    {kPageCheckBox, IDC_SIGNALBALLOON, &Settings.bSignalBalloon, nullptr, 0, 0},
};
constexpr PageTable kPage = MakePageTable(kControls);

constexpr int kHourLists[] = {IDC_QUIETFROM, IDC_QUIETTO};

BOOL OnInitDialog(HWND hDlg)
{
    for (int nId : kHourLists) {
        for (int nHour = 0; nHour < 24; ++nHour) {
            char szHour[8];
            std::snprintf(szHour, sizeof(szHour), "%d時", nHour);
            SendDlgItemMessageW(hDlg, nId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(szHour).get()));
        }
    }
    InitPageControls(hDlg, kPage);
    return TRUE;
}

}  // namespace

// OK and Cancel need nothing here: the caller keeps or restores the record.
INT_PTR CALLBACK SignalPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitDialog(hDlg);
    // Nothing the window shows changes: the next check reads the record.
    case WM_COMMAND: return ApplyPageControl(hDlg, kPage, LOWORD(wParam), HIWORD(wParam));
    default: return FALSE;
    }
}
