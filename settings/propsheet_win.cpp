// The property sheet: builds the page array and runs the sheet modally.
#include "settings/propsheet_win.h"

#include <commctrl.h>

#include <cstddef>

#include "base/appinfo_win.h"
#include "res/resource.h"
#include "settings/pages_win.h"
#include "settings/propsheet_rules.h"

// The first layouts end with pcRefParent and pfnCallback (the headers' _V1_SIZE, as constants).
constexpr UINT kPageV1Size = offsetof(PROPSHEETPAGEA, pcRefParent) + sizeof(PROPSHEETPAGEA::pcRefParent);
constexpr UINT kHeaderV1Size = offsetof(PROPSHEETHEADERA, pfnCallback) + sizeof(PROPSHEETHEADERA::pfnCallback);
#ifndef _WIN64
static_assert(kPageV1Size == 40, "pages are described with the first, 40-byte layout");
static_assert(kHeaderV1Size == 40, "the sheet is described with the first, 40-byte layout");
#endif

namespace {

struct PageEntry {
    int nTemplate;
    DLGPROC pfnDlgProc;
};

// Tab order; the tab text is each template's caption.
const PageEntry kPages[] = {
    {IDD_WINDOWPAGE, WindowPageProc},
    {IDD_CLOCKPAGE, ClockPageProc},
    {IDD_CHARAPAGE, CharaPageProc},
};
constexpr int kPageCount = sizeof(kPages) / sizeof(kPages[0]);

// The open sheet, so that an exit from the tray menu can cancel it first.
HWND hWndSheet;

HPROPSHEETPAGE CreatePage(int i)
{
    PROPSHEETPAGEA psp = {};
    psp.dwSize = kPageV1Size;
    psp.hInstance = AppInfo.hInstance;
    psp.pszTemplate = MAKEINTRESOURCEA(kPages[i].nTemplate);
    psp.pfnDlgProc = kPages[i].pfnDlgProc;
    return CreatePropertySheetPageA(&psp);
}

void DestroyPage(HPROPSHEETPAGE hPage)
{
    DestroyPropertySheetPage(hPage);
}

}  // namespace

int CALLBACK PropertySheetCallback(HWND hWndDlg, UINT uMsg, LPARAM)
{
    if (uMsg == PSCB_INITIALIZED) {
        hWndSheet = hWndDlg;
        // Cleared, not flipped: a sheet made without the bit would gain the button.
        SetWindowLongA(hWndDlg, GWL_EXSTYLE, GetWindowLongA(hWndDlg, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
    }
    return 0;
}

int ShowPropertySheet(HWND hWndOwner)
{
    // The trackbar and up-down classes of the pages exist only once asked for.
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_TAB_CLASSES;
    InitCommonControlsEx(&icc);

    HPROPSHEETPAGE ahPages[kPageCount];
    if (!CreateAllOrNone(ahPages, kPageCount, CreatePage, DestroyPage))
        return -1;
    PROPSHEETHEADERA psh = {};
    psh.dwSize = kHeaderV1Size;
    psh.dwFlags = PSH_USEICONID | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AppInfo.hInstance;
    psh.pszIcon = MAKEINTRESOURCEA(IDI_VESPIN);
    psh.pszCaption = "プロパティ";
    psh.nPages = kPageCount;
    psh.nStartPage = 0;
    psh.phpage = ahPages;
    psh.pfnCallback = PropertySheetCallback;
    const int nResult = static_cast<int>(PropertySheetA(&psh));
    hWndSheet = nullptr;
    return nResult;
}

void CancelPropertySheet()
{
    if (hWndSheet)
        PostMessageA(hWndSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
