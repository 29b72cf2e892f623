// The property sheet: builds the page array and runs the sheet modally.
#include "settings/propsheet_win.h"

#include <commctrl.h>

#include <cstddef>

#include "base/appinfo_win.h"
#include "base/gdi_scope_win.h"
#include "base/dialog_place_win.h"
#include "res/resource.h"
#include "settings/calendarpage_win.h"
#include "settings/charapage_win.h"
#include "settings/clockpage_win.h"
#include "settings/propsheet.h"
#include "settings/signalpage_win.h"
#include "settings/state.h"
#include "settings/windowpage_win.h"

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
    {IDD_CALENDARPAGE, CalendarPageProc},
    {IDD_SIGNALPAGE, SignalPageProc},
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

// The pages' face and size, as their templates give it.
constexpr char kPageFace[] = "ＭＳ Ｐゴシック";
constexpr int kPagePoints = 9;

// Dialog base units of a face at a point size, measured as the dialog manager does. Takes hFont
// and deletes it.
void MeasureDialogUnits(HDC hdc, HFONT hFont, int *pcx, int *pcy)
{
    *pcx = *pcy = 0;
    ScopedGdiObject<HFONT> font(hFont);
    ScopedSelectObject selectFont(hdc, font);
    if (!selectFont)
        return;
    TEXTMETRICA tm;
    SIZE size;
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (GetTextMetricsA(hdc, &tm) && GetTextExtentPoint32A(hdc, kAlphabet, 52, &size)) {
        *pcx = (size.cx / 26 + 1) / 2;
        *pcy = tm.tmHeight;
    }
}

// The sheet sizes its page area in its own dialog units, and its own font is smaller than
// the pages' where that face is replaced: the pages would be cut off at the right.
// Raising the sheet's point size until its units cover the pages' keeps them whole.
void FitSheetFontToPages(WORD *pwTemplate)
{
    const TemplateFont font = FindTemplateFont(pwTemplate);
    if (font.iPointSize == 0)
        return;
    ScopedGetDC hdc(nullptr);
    if (!hdc)
        return;
    const int nPixelsPerInch = GetDeviceCaps(hdc, LOGPIXELSY);
    auto height = [nPixelsPerInch](int pt) { return -MulDiv(pt, nPixelsPerInch, 72); };
    int cxPage, cyPage;
    MeasureDialogUnits(hdc, CreateFontA(height(kPagePoints), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                        kPageFace), &cxPage, &cyPage);
    const auto *pszFace = reinterpret_cast<const WCHAR *>(pwTemplate + font.iFace);
    const int nPoints = pwTemplate[font.iPointSize];
    pwTemplate[font.iPointSize] = static_cast<WORD>(
        FitPointSize(nPoints, nPoints + 8, cxPage, cyPage, [&](int pt, int *pcx, int *pcy) {
            MeasureDialogUnits(hdc, CreateFontW(height(pt), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                                pszFace), pcx, pcy);
        }));
}

}  // namespace

int CALLBACK PropertySheetCallback(HWND hWndDlg, UINT uMsg, LPARAM lParam)
{
    if (uMsg == PSCB_PRECREATE && lParam != 0)
        FitSheetFontToPages(reinterpret_cast<WORD *>(lParam));
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

    // A flag left over from a page of an earlier sheet would let its up-down control
    // write the buddy before the page is set up.
    bClockPageReady = bCharaPageReady = 0;
    HPROPSHEETPAGE ahPages[kPageCount];
    if (!CreateAllOrNone(ahPages, kPageCount, CreatePage, DestroyPage))
        return -1;
    PROPSHEETHEADERA psh = {};
    psh.dwSize = kHeaderV1Size;
    // Loaded once and kept: a sheet given the icon's id loads its own copy at every opening and never frees it.
    static const HICON hSheetIcon = static_cast<HICON>(LoadImageA(AppInfo.hInstance, MAKEINTRESOURCEA(IDI_VESPIN),
        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    psh.dwFlags = PSH_USEHICON | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AppInfo.hInstance;
    psh.hIcon = hSheetIcon;
    psh.pszCaption = "プロパティ";
    psh.nPages = kPageCount;
    psh.nStartPage = 0;
    psh.phpage = ahPages;
    psh.pfnCallback = PropertySheetCallback;
    int nResult;
    {
        // The sheet resizes itself while it is made: it is placed beside the gadget as it first shows.
        PlaceOnActivation placeBeside(hWndOwner, PlaceBesideWindow);
        nResult = static_cast<int>(PropertySheetA(&psh));
    }
    hWndSheet = nullptr;
    bClockPageReady = bCharaPageReady = 0;
    return nResult;
}

void CancelPropertySheet()
{
    if (hWndSheet)
        PostMessageA(hWndSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
