// The Calendar page of the property sheet: holidays by the law and the rokuyo from the lunar calendar.
#include "res/resource.h"
#include "settings/pages_win.h"
#include "settings/settings.h"

namespace {

void OnInitCalendarPage(HWND hDlg)
{
    CheckDlgButton(hDlg, IDC_HOLIDAYLAW, Settings.bHolidayLaw ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, IDC_LUNARROKUYO, Settings.bLunarRokuyo ? BST_CHECKED : BST_UNCHECKED);
}

INT_PTR OnCalendarPageCommand(HWND hDlg, int nId)
{
    const int32_t bChecked = IsChecked(hDlg, nId);
    switch (nId) {
    case IDC_HOLIDAYLAW: Settings.bHolidayLaw = bChecked; break;
    case IDC_LUNARROKUYO: Settings.bLunarRokuyo = bChecked; break;
    default: return FALSE;
    }
    RepaintMainWindow(hDlg);
    return TRUE;
}

}  // namespace

// OK and Cancel need nothing here: the caller keeps or restores the whole record.
INT_PTR CALLBACK CalendarPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        OnInitCalendarPage(hDlg);
        return TRUE;
    case WM_COMMAND:
        return OnCalendarPageCommand(hDlg, LOWORD(wParam));
    default:
        return FALSE;
    }
}
