// The About box: link buttons enabled by the presence of url.dll, the links
// opened through the shell after a question, and the icon that opens the staff credits.
#include "about/about_win.h"

#include <shellapi.h>

#include "about/about.h"
#include "about/staff_win.h"
#include "base/appinfo_win.h"
#include "base/dialog_place_win.h"
#include "base/wide_win.h"
#include "res/resource.h"

static_assert(sizeof(OFSTRUCT) == 136, "OpenFile expects the 136-byte record");

SystemDirectoryReader pfnReadSystemDirectory = GetSystemDirectoryA;

static bool IsLeadByteOfCodePage(unsigned char ch)
{
    return IsDBCSLeadByte(ch) != FALSE;
}

int IsUrlDllPresent()
{
    char szPath[MAX_PATH];
    const UINT cch = pfnReadSystemDirectory(szPath, sizeof(szPath));
    if (!MakeUrlDllPath(szPath, sizeof(szPath), cch, IsLeadByteOfCodePage))
        return 0;
    OFSTRUCT of = {};
    of.cBytes = sizeof(of);
    return OpenFile(szPath, &of, OF_EXIST) != HFILE_ERROR ? 1 : 0;
}

static void OpenLink(HWND hOwner, LPCSTR pszQuestion, LPCSTR pszUrl, LPCSTR pszFailure)
{
    const WideText title(AppInfo.lpszTitle);
    if (MessageBoxW(hOwner, WideText(pszQuestion), title, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const HINSTANCE hResult = ShellExecuteW(hOwner, nullptr, WideText(pszUrl), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(hResult) <= 32)
        MessageBoxW(hOwner, WideText(pszFailure), title, MB_ICONERROR);
}

void OpenHomePage(HWND hOwner)
{
    OpenLink(hOwner, "Brimholt のホームページにアクセスしますか？", ABOUT_HOMEPAGE_URL, "ブラウザの起動に失敗しました");
}

void OpenMailer(HWND hOwner)
{
    OpenLink(hOwner, "Brimholt にお便りを送りますか？", ABOUT_MAILTO_URL, "メーラの起動に失敗しました");
}

static RECT GetIconRect(HWND hDlg)
{
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, IDC_ABOUTICON), &rc);
    ScreenToClient(hDlg, reinterpret_cast<POINT *>(&rc.left));
    ScreenToClient(hDlg, reinterpret_cast<POINT *>(&rc.right));
    return rc;
}

static INT_PTR OnInitAbout(HWND hDlg)
{
    EnableWindow(GetDlgItem(hDlg, IDC_HOMEPAGE), IsUrlDllPresent());
    EnableWindow(GetDlgItem(hDlg, IDC_MAILTO), IsUrlDllPresent());
    // The frame's border goes just around the icon.
    const RECT rc = GetIconRect(hDlg);
    SetWindowPos(GetDlgItem(hDlg, IDC_ICONFRAME), nullptr, rc.left - 2, rc.top - 2, rc.right - rc.left + 4,
                 rc.bottom - rc.top + 4, SWP_NOZORDER);
    PlaceBesideWindow(hDlg, GetParent(hDlg));
    return TRUE;
}

static INT_PTR OnAboutCommand(HWND hDlg, WORD wId)
{
    switch (wId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case IDC_HOMEPAGE: OpenHomePage(hDlg); return TRUE;
    case IDC_MAILTO: OpenMailer(hDlg); return TRUE;
    default: return FALSE;
    }
}

// Statics take no clicks, so a click on the icon reaches the box itself.
static void OnAboutClick(HWND hDlg, LPARAM lParam)
{
    const POINT pt = {LOWORD(lParam), HIWORD(lParam)};
    const RECT rc = GetIconRect(hDlg);
    if (PtInRect(&rc, pt))
        DialogBoxParamW(AppInfo.hInstance, MAKEINTRESOURCEW(IDD_STAFF), hDlg, StaffDlgProc, 0);
}

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitAbout(hDlg);
    case WM_COMMAND: return OnAboutCommand(hDlg, LOWORD(wParam));
    case WM_LBUTTONDOWN: OnAboutClick(hDlg, lParam); return FALSE;
    default: return FALSE;
    }
}
