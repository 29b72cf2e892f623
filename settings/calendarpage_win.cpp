// The Calendar page of the property sheet: holidays by the law and the rokuyo from the lunar calendar.
#include "settings/calendarpage_win.h"

#include "res/resource.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"

namespace {

const PageControl kControls[] = {
    {kPageCheckBox, IDC_HOLIDAYLAW, &Settings.bHolidayLaw, nullptr, 0, 0},
    {kPageCheckBox, IDC_LUNARROKUYO, &Settings.bLunarRokuyo, nullptr, 0, 0},
};
constexpr PageTable kPage = MakePageTable(kControls);

BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    if (!ApplyPageControl(hDlg, kPage, wId, wCode))
        return FALSE;
    RepaintMainWindow(hDlg);
    return TRUE;
}

}  // namespace

// OK and Cancel need nothing here: the caller keeps or restores the record.
INT_PTR CALLBACK CalendarPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG: InitPageControls(hDlg, kPage); return TRUE;
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    default: return FALSE;
    }
}
