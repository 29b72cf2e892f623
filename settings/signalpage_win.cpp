// The 時報 page of the property sheet: each option written at once, so the next signal follows it.
#include "settings/signalpage_win.h"

#include "res/resource.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"

namespace {

// An item's index is its hour.
const char *const kHours[] = {
    "0時",  "1時",  "2時",  "3時",  "4時",  "5時",  "6時",  "7時",  "8時",  "9時",  "10時", "11時",
    "12時", "13時", "14時", "15時", "16時", "17時", "18時", "19時", "20時", "21時", "22時", "23時", nullptr,
};

const PageControl kControls[] = {
    {kPageList, IDC_QUIETFROM, &Settings.nQuietFrom, kHours, 0, 0},
    {kPageList, IDC_QUIETTO, &Settings.nQuietTo, kHours, 0, 0},
    {kPageCheckBox, IDC_QUIETDAYSOFF, &Settings.bQuietDaysOff, nullptr, 0, 0},
    {kPageCheckBox, IDC_STRIKEHOURS, &Settings.bStrikeHours, nullptr, 0, 0},
    {kPageCheckBox, IDC_SIGNALBALLOON, &Settings.bSignalBalloon, nullptr, 0, 0},
};
constexpr PageTable kPage = MakePageTable(kControls);

}  // namespace

// OK and Cancel need nothing here: the caller keeps or restores the record.
INT_PTR CALLBACK SignalPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG: InitPageControls(hDlg, kPage); return TRUE;
    // Nothing the window shows changes: the next check reads the record.
    case WM_COMMAND: return ApplyPageControl(hDlg, kPage, LOWORD(wParam), HIWORD(wParam));
    default: return FALSE;
    }
}
