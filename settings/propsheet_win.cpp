// The property sheet: builds the page array and runs the sheet modally.
#include "settings/propsheet_win.h"

#include <commctrl.h>

#include "base/appinfo_win.h"
#include "res/resource.h"
#include "settings/pages_win.h"

namespace {

struct PageEntry {
    int nTemplate;
    DLGPROC pfnDlgProc;
};

const PageEntry kPages[] = {
    {IDD_WINDOWPAGE, WindowPageProc},
    {IDD_CLOCKPAGE, ClockPageProc},
    {IDD_CHARAPAGE, CharaPageProc},
    {IDD_CALENDARPAGE, CalendarPageProc},
};
constexpr int kPageCount = sizeof(kPages) / sizeof(kPages[0]);

}  // namespace

int ShowPropertySheet(HWND hWndOwner)
{
    HPROPSHEETPAGE ahPages[kPageCount];
    for (int i = 0; i < kPageCount; ++i) {
        PROPSHEETPAGEA psp = {};
        psp.dwSize = sizeof(psp);
        psp.hInstance = AppInfo.hInstance;
        psp.pszTemplate = MAKEINTRESOURCEA(kPages[i].nTemplate);
        psp.pfnDlgProc = kPages[i].pfnDlgProc;
        ahPages[i] = CreatePropertySheetPageA(&psp);
        if (!ahPages[i]) {
            while (i-- > 0)
                DestroyPropertySheetPage(ahPages[i]);
            return -1;
        }
    }
    PROPSHEETHEADERA psh = {};
    psh.dwSize = sizeof(psh);
    psh.dwFlags = PSH_USEICONID | PSH_NOAPPLYNOW;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AppInfo.hInstance;
    psh.pszIcon = MAKEINTRESOURCEA(IDI_VESPIN);
    psh.pszCaption = "プロパティ";
    psh.nPages = kPageCount;
    psh.phpage = ahPages;
    return static_cast<int>(PropertySheetA(&psh));
}
