// The Window page of the property sheet: stacking, taskbar, tray icon, fixed
// position, corner mode, calendar position and font, each applied as it changes.
#include "settings/windowpage_win.h"

#include "base/gdi_scope_win.h"
#include "base/wide_win.h"
#include "res/resource.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "settings/windowpage.h"

namespace {

// Each list's index is the stored value.
const char *const kWindowPosTexts[] = {
    "フリー", "常に画面左上に表示", "常に画面右上に表示", "常に画面左下に表示", "常に画面右下に表示", nullptr,
};
const char *const kCalendarPosTexts[] = {
    "キャラクタの上に表示", "キャラクタの右に表示", "キャラクタの下に表示", "キャラクタの左に表示", nullptr,
};

const PageControl kControls[] = {
    {kPageList, IDC_WINDOWPOS, &Settings.nWindowPos, kWindowPosTexts, 0, 0},
    {kPageList, IDC_CALENDARPOS, &Settings.nCalendarPos, kCalendarPosTexts, 0, 0},
    {kPageCheckBox, IDC_TOPMOST, &Settings.bTopMost, nullptr, 0, 0},
    {kPageCheckBox, IDC_AWAYTASKBAR, &Settings.bAwayTaskBar, nullptr, 0, 0},
    {kPageCheckBox, IDC_TRAYNOICON, &Settings.bTaskTrayNoIcon, nullptr, 0, 0},
    {kPageCheckBox, IDC_FIX, &Settings.bFix, nullptr, 0, 0},
};
constexpr PageTable kPage = MakePageTable(kControls);

// A corner holds the window anyway; the box keeps its check for a return to free placement.
void EnableFix(HWND hDlg)
{
    EnableWindow(GetDlgItem(hDlg, IDC_FIX), Settings.nWindowPos == 0);
}

BOOL OnInitDialog(HWND hDlg)
{
    InitPageControls(hDlg, kPage);
    EnableFix(hDlg);
    FillFontList(hDlg);
    return TRUE;
}

// Item i of the font list as the store keeps a face, in Shift-JIS; false, with an empty face, for
// one that cannot be read or kept so.
bool ReadFaceItem(HWND hList, long i, char (&szFace)[sizeof(Settings.szFont)])
{
    WCHAR szWide[LF_FACESIZE * 2];
    const LRESULT cch = SendMessageW(hList, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    const bool bRead = cch > 0 && cch < static_cast<LRESULT>(ARRAYSIZE(szWide)) &&
                       SendMessageW(hList, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(szWide)) > 0 &&
                       ToShiftJis(szWide, szFace, sizeof(szFace)) && FitsFaceField(lstrlenA(szFace));
    if (!bRead)
        szFace[0] = '\0';
    return bRead;
}

void OnFont(HWND hDlg)
{
    const long nSel = ListChoice(hDlg, IDC_FONT);
    char szFace[sizeof(Settings.szFont)];
    if (nSel >= 0 && ReadFaceItem(GetDlgItem(hDlg, IDC_FONT), nSel, szFace))
        lstrcpynA(Settings.szFont, szFace, sizeof(Settings.szFont));
}

// What changed is shown at once: the main window is told, then repainted.
BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    const SettingsRecord before = Settings;
    if (wId == IDC_FONT) {
        if (wCode == CBN_SELCHANGE)
            OnFont(hDlg);
    } else if (!ApplyPageControl(hDlg, kPage, wId, wCode)) {
        return FALSE;
    }
    WPARAM wWhat = 0;
    if (Settings.nCalendarPos != before.nCalendarPos) {
        KeepCharacterInPlace(&Settings, LayoutPanels(before.bStatus, before.nCalendarPos), nWindowScale,
                             nWindowScale);
        wWhat |= kWindowOptionPlacement;
    }
    if (Settings.nWindowPos != before.nWindowPos) {
        EnableFix(hDlg);
        wWhat |= kWindowOptionPlacement;
    }
    if (wId == IDC_TRAYNOICON)
        wWhat |= kWindowOptionTrayIcon;
    if (wWhat)
        SendMessageW(MainWindowOf(hDlg), WM_WINDOWOPTIONS, wWhat, 0);
    RepaintMainWindow(hDlg);
    return TRUE;
}

// One item's text for the search; an item too long for the face field reads as empty.
struct FontItemReader {
    HWND hList;
    char szText[sizeof(Settings.szFont)];
    const char *operator()(int i)
    {
        ReadFaceItem(hList, i, szText);
        return szText;
    }
};

}  // namespace

int CALLBACK FontEnumProc(const LOGFONTW *plf, const TEXTMETRICW *, DWORD dwFontType, LPARAM lParam)
{
    // The family name, not the full name: it is what CreateFontW takes back, and under Wine a
    // face replaced by another font is enumerated under its own name only as the family name.
    // A face Shift-JIS cannot spell could never be stored: it is not offered.
    char szFace[sizeof(Settings.szFont)];
    if (!ToShiftJis(plf->lfFaceName, szFace, sizeof(szFace)) || !IsListedFace(dwFontType, szFace))
        return 1;
    HWND hList = GetDlgItem(reinterpret_cast<HWND>(lParam), IDC_FONT);
    const LPARAM lFace = reinterpret_cast<LPARAM>(plf->lfFaceName);
    // A family is enumerated once per character set it covers; the list shows it once.
    if (SendMessageW(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lFace) == CB_ERR)
        SendMessageW(hList, CB_ADDSTRING, 0, lFace);
    return 1;
}

void FillFontList(HWND hDlg)
{
    ScopedGetDC dc(hDlg);
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &lf, FontEnumProc, reinterpret_cast<LPARAM>(hDlg), 0);
    FontItemReader reader = {GetDlgItem(hDlg, IDC_FONT), ""};
    const int nItems = static_cast<int>(SendMessageW(reader.hList, CB_GETCOUNT, 0, 0));
    // Selecting leaves szFont alone; only the user's choice changes it.
    SendMessageW(reader.hList, CB_SETCURSEL, FindFontItem(nItems, reader, Settings.szFont), 0);
}

INT_PTR CALLBACK WindowPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitDialog(hDlg);
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    // OK and Cancel go ahead: WM_NOTIFY's answer 0 is PSNRET_NOERROR and no objection.
    default: return FALSE;
    }
}
