// The Window page of the property sheet: stacking, taskbar, tray icon, fixed
// position, corner mode, calendar position and font, each applied as it changes.
#include "settings/windowpage_win.h"

#include "res/resource.h"
#include "settings/pages_win.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "settings/windowpage_rules.h"

WindowPageActions WindowPageHost;

namespace {

// Each list's index is the stored value.
const char *const kWindowPosTexts[] = {
    "フリー", "常に画面左上に表示", "常に画面右上に表示", "常に画面左下に表示", "常に画面右下に表示", nullptr,
};
const char *const kCalendarPosTexts[] = {
    "キャラクタの上に表示", "キャラクタの右に表示", "キャラクタの下に表示", "キャラクタの左に表示", nullptr,
};

void PlaceMainWindow(HWND hDlg)
{
    if (WindowPageHost.pfnPlaceWindow)
        WindowPageHost.pfnPlaceWindow(MainWindowOf(hDlg));
}

void FillList(HWND hDlg, int nId, const char *const *apszTexts, int32_t nSel)
{
    HWND hList = GetDlgItem(hDlg, nId);
    for (const char *const *p = apszTexts; *p; ++p)
        SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*p));
    SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(nSel), 0);
}

BOOL OnInitDialog(HWND hDlg)
{
    FillList(hDlg, IDC_WINDOWPOS, kWindowPosTexts, Settings.nWindowPos);
    FillList(hDlg, IDC_CALENDARPOS, kCalendarPosTexts, Settings.nCalendarPos);
    CheckDlgButton(hDlg, IDC_TOPMOST, Settings.bTopMost ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, IDC_AWAYTASKBAR, Settings.bAwayTaskBar ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, IDC_TRAYNOICON, Settings.bTaskTrayNoIcon ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, IDC_FIX, Settings.bFix ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(hDlg, IDC_FIX), Settings.nWindowPos == 0);
    FillFontList(hDlg);
    return TRUE;
}

void OnTrayNoIcon(HWND hDlg)
{
    Settings.bTaskTrayNoIcon = IsChecked(hDlg, IDC_TRAYNOICON);
    if (WindowPageHost.pfnSetTrayIcon)
        WindowPageHost.pfnSetTrayIcon(MainWindowOf(hDlg), Settings.bTaskTrayNoIcon ? FALSE : TRUE);
}

void OnWindowPos(HWND hDlg)
{
    const long nSel = ListChoice(hDlg, IDC_WINDOWPOS);
    if (nSel < 0)
        return;
    Settings.nWindowPos = nSel;
    // A corner holds the window anyway; the box keeps its check for a return to free placement.
    EnableWindow(GetDlgItem(hDlg, IDC_FIX), nSel == 0);
    PlaceMainWindow(hDlg);
}

void OnCalendarPos(HWND hDlg)
{
    const long nSel = ListChoice(hDlg, IDC_CALENDARPOS);
    if (nSel < 0)
        return;
    MoveCalendarPage(&Settings, nSel, nWindowScale);
    PlaceMainWindow(hDlg);
}

void OnFont(HWND hDlg)
{
    const long nSel = ListChoice(hDlg, IDC_FONT);
    if (nSel < 0)
        return;
    const long nLength = static_cast<long>(SendDlgItemMessageA(hDlg, IDC_FONT, CB_GETLBTEXTLEN, nSel, 0));
    if (!FitsFaceField(nLength))
        return;
    char szFace[sizeof(Settings.szFont)];
    const LRESULT nCopied = SendDlgItemMessageA(hDlg, IDC_FONT, CB_GETLBTEXT, nSel, reinterpret_cast<LPARAM>(szFace));
    if (nCopied <= 0)
        return;
    lstrcpynA(Settings.szFont, szFace, sizeof(Settings.szFont));
}

BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    switch (wId) {
    case IDC_TOPMOST: Settings.bTopMost = IsChecked(hDlg, IDC_TOPMOST); break;
    case IDC_AWAYTASKBAR: Settings.bAwayTaskBar = IsChecked(hDlg, IDC_AWAYTASKBAR); break;
    case IDC_TRAYNOICON: OnTrayNoIcon(hDlg); break;
    case IDC_FIX: Settings.bFix = IsChecked(hDlg, IDC_FIX); break;
    case IDC_WINDOWPOS:
        if (wCode == CBN_SELCHANGE)
            OnWindowPos(hDlg);
        break;
    case IDC_CALENDARPOS:
        if (wCode == CBN_SELCHANGE)
            OnCalendarPos(hDlg);
        break;
    case IDC_FONT:
        if (wCode == CBN_SELCHANGE)
            OnFont(hDlg);
        break;
    default: return FALSE;
    }
    RepaintMainWindow(hDlg);
    return TRUE;
}

// One item's text for the search; an item too long for the face field reads as empty.
struct FontItemReader {
    HWND hList;
    char szText[sizeof(Settings.szFont)];
    const char *operator()(int i)
    {
        const bool bRead = FitsFaceField(static_cast<long>(SendMessageA(hList, CB_GETLBTEXTLEN, i, 0))) &&
                           SendMessageA(hList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szText)) > 0;
        if (!bRead)
            szText[0] = '\0';
        return szText;
    }
};

}  // namespace

int CALLBACK FontEnumProc(const LOGFONTA *plf, const TEXTMETRICA *, DWORD dwFontType, LPARAM lParam)
{
    // The family name, not the full name: it is what CreateFontA takes back, and
    // under Wine a face replaced by another font is enumerated under its own name
    // only as the family name.
    const char *pszFace = reinterpret_cast<const ENUMLOGFONTA *>(plf)->elfLogFont.lfFaceName;
    if (!IsListedFace(dwFontType, pszFace))
        return 1;
    HWND hList = GetDlgItem(reinterpret_cast<HWND>(lParam), IDC_FONT);
    // A family is enumerated once per character set it covers; the list shows it once.
    if (SendMessageA(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszFace)) == CB_ERR)
        SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszFace));
    return 1;
}

void FillFontList(HWND hDlg)
{
    HDC hdc = GetDC(hDlg);
    EnumFontFamiliesA(hdc, nullptr, FontEnumProc, reinterpret_cast<LPARAM>(hDlg));
    FontItemReader reader = {GetDlgItem(hDlg, IDC_FONT), ""};
    const int nItems = static_cast<int>(SendMessageA(reader.hList, CB_GETCOUNT, 0, 0));
    // Selecting leaves szFont alone; only the user's choice changes it.
    SendMessageA(reader.hList, CB_SETCURSEL, FindFontItem(nItems, reader, Settings.szFont), 0);
    ReleaseDC(hDlg, hdc);
}

INT_PTR CALLBACK WindowPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitDialog(hDlg);
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    // OK and Cancel go ahead: the answer 0 is PSNRET_NOERROR and no objection.
    case WM_NOTIFY: return FALSE;
    default: return FALSE;
    }
}
