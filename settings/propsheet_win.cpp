// The property sheet: builds the page array and runs the sheet modally.
#include "settings/propsheet_win.h"

#include <commctrl.h>

#include <cstddef>

#include "base/appinfo_win.h"
#include "base/gdi_scope_win.h"
#include "base/wide_win.h"
#include "base/dialog_place_win.h"
#include "res/resource.h"
#include "settings/asidepage_win.h"
#include "settings/calendarpage_win.h"
#include "settings/charapage_win.h"
#include "settings/clockpage_win.h"
#include "settings/propsheet.h"
#include "settings/signalpage_win.h"
#include "settings/state.h"
#include "settings/windowpage_win.h"

// The first layouts end with pcRefParent and pfnCallback (the headers' _V1_SIZE, as constants).
constexpr UINT kPageV1Size = offsetof(PROPSHEETPAGEW, pcRefParent) + sizeof(PROPSHEETPAGEW::pcRefParent);
constexpr UINT kHeaderV1Size = offsetof(PROPSHEETHEADERW, pfnCallback) + sizeof(PROPSHEETHEADERW::pfnCallback);
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
    {IDD_ASIDEPAGE, AsidePageProc},
};
constexpr int kPageCount = sizeof(kPages) / sizeof(kPages[0]);

// The open sheet, so that an exit from the tray menu can cancel it first.
HWND hWndSheet;

HPROPSHEETPAGE CreatePage(int i)
{
    // Unicode pages: their tab titles and every text on them reach Windows as UTF-16.
    PROPSHEETPAGEW psp = {};
    psp.dwSize = kPageV1Size;
    psp.hInstance = AppInfo.hInstance;
    psp.pszTemplate = MAKEINTRESOURCEW(kPages[i].nTemplate);
    psp.pfnDlgProc = kPages[i].pfnDlgProc;
    return CreatePropertySheetPageW(&psp);
}

void DestroyPage(HPROPSHEETPAGE hPage)
{
    DestroyPropertySheetPage(hPage);
}

// The pages' face and size, as their templates give it.
constexpr wchar_t kPageFace[] = L"ＭＳ Ｐゴシック";
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
    TEXTMETRICW tm;
    SIZE size;
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (GetTextMetricsW(hdc, &tm) && GetTextExtentPoint32W(hdc, kAlphabet, 52, &size)) {
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
    MeasureDialogUnits(hdc, CreateFontW(height(kPagePoints), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                        kPageFace), &cxPage, &cyPage);
    const auto *pszFace = reinterpret_cast<const WCHAR *>(pwTemplate + font.iFace);
    const int nPoints = pwTemplate[font.iPointSize];
    pwTemplate[font.iPointSize] = static_cast<WORD>(
        FitPointSize(nPoints, nPoints + 8, cxPage, cyPage, [&](int pt, int *pcx, int *pcy) {
            MeasureDialogUnits(hdc, CreateFontW(height(pt), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                                pszFace), pcx, pcy);
        }));
}

// The tabs' titles are the pages' captions, but drawn in the sheet's own font, the system's dialog
// face: where the system's language is not Japanese that face has no kana, and the titles show as
// boxes. There the tabs take the pages' face, kept until the sheet is gone.
HFONT hTabFont;

void GiveTabsThePagesFace(HWND hSheet)
{
    if (GetACP() == kShiftJisCodePage || hTabFont)
        return;
    ScopedGetDC dc(hSheet);
    hTabFont = CreateFontW(-MulDiv(kPagePoints, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                           SHIFTJIS_CHARSET, 0, 0, 0, 0, kPageFace);
    if (hTabFont)
        SendMessageW(PropSheet_GetTabControl(hSheet), WM_SETFONT, reinterpret_cast<WPARAM>(hTabFont), TRUE);
}

}  // namespace

int CALLBACK PropertySheetCallback(HWND hWndDlg, UINT uMsg, LPARAM lParam)
{
    if (uMsg == PSCB_PRECREATE && lParam != 0)
        FitSheetFontToPages(reinterpret_cast<WORD *>(lParam));
    if (uMsg == PSCB_INITIALIZED) {
        hWndSheet = hWndDlg;
        // Cleared, not flipped: a sheet made without the bit would gain the button.
        SetWindowLongW(hWndDlg, GWL_EXSTYLE, GetWindowLongW(hWndDlg, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
        GiveTabsThePagesFace(hWndDlg);
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
    PROPSHEETHEADERW psh = {};
    psh.dwSize = kHeaderV1Size;
    // Loaded once and kept: a sheet given the icon's id loads its own copy at every opening and never frees it.
    static const HICON hSheetIcon = static_cast<HICON>(LoadImageW(AppInfo.hInstance, MAKEINTRESOURCEW(IDI_VESPIN),
        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    psh.dwFlags = PSH_USEHICON | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AppInfo.hInstance;
    psh.hIcon = hSheetIcon;
    psh.pszCaption = L"プロパティ";
    psh.nPages = kPageCount;
    psh.nStartPage = 0;
    psh.phpage = ahPages;
    psh.pfnCallback = PropertySheetCallback;
    int nResult;
    {
        // The sheet resizes itself while it is made: it is placed beside the gadget as it first shows.
        PlaceOnActivation placeBeside(hWndOwner, PlaceBesideWindow);
        nResult = static_cast<int>(PropertySheetW(&psh));
    }
    hWndSheet = nullptr;
    if (hTabFont) {
        DeleteObject(hTabFont);
        hTabFont = nullptr;
    }
    bClockPageReady = bCharaPageReady = 0;
    return nResult;
}

void CancelPropertySheet()
{
    if (hWndSheet)
        PostMessageW(hWndSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
