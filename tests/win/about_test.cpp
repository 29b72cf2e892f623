// The About box and the staff credits on real dialogs, driven by a script that
// acts whenever a modal loop waits: the menu command, links, icon, reveal, leaks.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "about/about.h"
#include "about/staff.h"
#include "about/about_win.h"
#include "about/pointfont_win.h"
#include "about/staff_win.h"
#include "base/appinfo_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

std::string Text(HWND hWnd)
{
    char sz[256] = "";
    GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}
bool IsAbout(HWND hDlg) { return Text(hDlg) == "バージョン情報"; }
bool IsStaff(HWND hDlg) { return Text(hDlg) == "Staff(Vespin)"; }
bool Enabled(HWND hDlg, int nId) { return IsWindowEnabled(GetDlgItem(hDlg, nId)) != FALSE; }
bool Visible(HWND hDlg, int nId) { return IsWindowVisible(GetDlgItem(hDlg, nId)) != FALSE; }

RECT ControlRect(HWND hDlg, int nId, bool bScreen = false)
{
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, nId), &rc);
    if (!bScreen)
        MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

// Real input, queued without pumping: the modal loop that runs takes it.
void ClickAt(LONG x, LONG y)
{
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (x * 65536 + cx - 1) / cx, (y * 65536 + cy - 1) / cy, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}
void PressEscape()
{
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
}

// A message box as caption|text|its buttons|its icon.
std::string DescribeBox(HWND hBox)
{
    char sz[256] = "";
    GetDlgItemTextA(hBox, 0xFFFF, sz, sizeof(sz));
    std::string s = Text(hBox) + "|" + sz + "|";
    for (const auto &b : {std::make_pair(IDOK, "ok "), {IDCANCEL, "cancel "}, {IDYES, "yes "}, {IDNO, "no "}})
        s += GetDlgItem(hBox, b.first) ? b.second : "";
    const HICON hIcon = reinterpret_cast<HICON>(SendDlgItemMessageA(hBox, 0x0440, STM_GETICON, 0, 0));
    return s + (hIcon == LoadIconA(nullptr, IDI_QUESTION) ? "|?" : hIcon == LoadIconA(nullptr, IDI_HAND) ? "|x" : "|");
}

// The script gets each dialog whenever its modal loop runs dry (a thread timer
// keeps them waking), and each message box, which sends no idle message, when it is activated.
std::function<void(HWND)> script;

LRESULT CALLBACK IdleHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *p = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (nCode == HC_ACTION && p->message == WM_ENTERIDLE && p->wParam == MSGF_DIALOGBOX && script)
        script(reinterpret_cast<HWND>(p->lParam));
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK ActivateHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && script && GetDlgItem(reinterpret_cast<HWND>(wParam), 0xFFFF))
        script(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Holds a reveal where the system's first paint left it, however slowly the machine runs.
UINT_PTR WINAPI HeldTimer(HWND hWnd, UINT_PTR nIDEvent, UINT, TIMERPROC lpTimerFunc)
{
    return SetTimer(hWnd, nIDEvent, 60000, lpTimerFunc);
}
UINT_PTR WINAPI NoTimer(HWND, UINT_PTR, UINT, TIMERPROC) { return 0; }

class AboutTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.nWindowX = 300;  // clear of Wine's tray window in the top-left corner
        Settings.nWindowY = 200;
        bInAbout = 0;
        hWnd = wintest::CreateMainWindow(300, 200);
        hIdleHook = SetWindowsHookExA(WH_CALLWNDPROC, IdleHook, nullptr, GetCurrentThreadId());
        hActivateHook = SetWindowsHookExA(WH_CBT, ActivateHook, nullptr, GetCurrentThreadId());
        uHeartbeat = SetTimer(nullptr, 0, 5, nullptr);
    }
    void TearDown() override
    {
        KillTimer(nullptr, uHeartbeat);
        UnhookWindowsHookEx(hIdleHook);
        UnhookWindowsHookEx(hActivateHook);
        pfnReadSystemDirectory = GetSystemDirectoryA;
        pfnStartStaffTimer = SetTimer;
        wintest::DestroyMainWindow(hWnd);
    }

    // The About box from the menu command: at each of its rests step(box, i) for the next i below
    // nSteps, then Esc. A staff box is ended at once by Esc, during its reveal (the timer is held),
    // or with bStaffByOk by its OK once complete. A message box goes into boxes and is answered once,
    // even if the activation comes back: Yes/No from answers in turn, else OK.
    // Returns, for each step, whether a staff box opened after it.
    std::vector<bool> AboutSession(size_t nSteps, const std::function<void(HWND, size_t)> &step, bool bStaffByOk = false)
    {
        pfnStartStaffTimer = bStaffByOk ? SetTimer : HeldTimer;
        std::vector<bool> opened;
        size_t nNext = 0, nAnswered = 0;
        bool bStaffClosed = false;
        script = [&](HWND hDlg) {
            if (GetDlgItem(hDlg, 0xFFFF) && Text(hDlg) != "answered") {
                boxes.push_back(DescribeBox(hDlg));
                SetWindowTextA(hDlg, "answered");
                PostMessageA(hDlg, WM_COMMAND, GetDlgItem(hDlg, IDYES) ? answers.at(nAnswered++) : IDOK, 0);
            } else if (IsStaff(hDlg) && !bStaffClosed && (!bStaffByOk || StaffBox.nPass == kRevealPasses)) {
                EXPECT_EQ(StaffBox.nPass < kRevealPasses, !bStaffByOk);
                bStaffClosed = true;
                if (bStaffByOk)
                    PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
                else
                    PressEscape();
            } else if (IsAbout(hDlg) && nNext <= nSteps) {
                if (nNext > 0)
                    opened.push_back(std::exchange(bStaffClosed, false));
                if (nNext++ == nSteps)
                    PressEscape();
                else
                    step(hDlg, nNext - 1);
            }
        };
        EXPECT_EQ(SendMessageA(hWnd, WM_COMMAND, IDM_ABOUT, 0), 1);
        script = nullptr;
        return opened;
    }

    HWND hWnd = nullptr;
    HHOOK hIdleHook = nullptr, hActivateHook = nullptr;
    UINT_PTR uHeartbeat = 0;
    std::vector<int> answers;
    std::vector<std::string> boxes;
};

// Clicks at the icon's edges, each far from the one before so none makes a double click.
TEST_F(AboutTest, OpensOnceFromTheMenuAndTheIconOpensTheStaffBoxOnlyFromInside)
{
    // {from the right edge, dx, from the bottom edge, dy, opens}
    const struct { bool right; int dx; bool bottom; int dy; bool opens; } clicks[] = {
        {false, 0, false, 0, true},   {true, -1, true, -1, true},  {false, -1, false, 0, false},
        {true, 0, false, 0, false},   {false, 0, false, 0, true},  {false, 0, true, 0, false},
        {false, 10, false, 10, true}, {false, 0, false, -1, false}, {true, -1, true, -1, true},
    };
    const std::vector<bool> opened = AboutSession(std::size(clicks), [&](HWND hDlg, size_t i) {
        if (i == 0) {
            EXPECT_EQ(SendMessageA(hWnd, WM_COMMAND, IDM_ABOUT, 0), 1);  // returns at once: no second box
            // url.dll is in the prefix's system directory.
            EXPECT_TRUE(Enabled(hDlg, IDC_HOMEPAGE) && Enabled(hDlg, IDC_MAILTO));
            RECT rcIcon = ControlRect(hDlg, IDC_ABOUTICON), rcFrame = ControlRect(hDlg, IDC_ICONFRAME);
            InflateRect(&rcIcon, 2, 2);
            EXPECT_TRUE(EqualRect(&rcIcon, &rcFrame));
        }
        const RECT rc = ControlRect(hDlg, IDC_ABOUTICON, true);
        ClickAt((clicks[i].right ? rc.right : rc.left) + clicks[i].dx, (clicks[i].bottom ? rc.bottom : rc.top) + clicks[i].dy);
    });
    ASSERT_EQ(opened.size(), std::size(clicks));
    for (size_t i = 0; i < opened.size(); ++i)
        EXPECT_EQ(opened[i], clicks[i].opens) << "click " << i;
}

// Stands in for GetSystemDirectoryA, with its rules: the length, or the size needed when it does not fit.
std::string fakeSystemDirectory;
UINT WINAPI ReadFakeSystemDirectory(LPSTR lpBuffer, UINT uSize)
{
    if (fakeSystemDirectory.size() >= uSize)
        return static_cast<UINT>(fakeSystemDirectory.size() + 1);
    lstrcpyA(lpBuffer, fakeSystemDirectory.c_str());
    return static_cast<UINT>(fakeSystemDirectory.size());
}

// Present only in a folder ending in 表 (95 5C), whose last byte is no separator.
TEST_F(AboutTest, LinkButtonsEnabledOnlyWithUrlDllInTheSystemDirectory)
{
    char szSystem[MAX_PATH], szTemp[MAX_PATH];
    GetSystemDirectoryA(szSystem, sizeof(szSystem));
    GetTempPathA(sizeof(szTemp), szTemp);
    const std::string dbcs = std::string(szTemp) + "vespin表";
    CreateDirectoryA(dbcs.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((std::string(szSystem) + "\\url.dll").c_str(), (dbcs + "\\url.dll").c_str(), FALSE));
    const struct { std::string directory; bool present; } cases[] = {
        {dbcs, true}, {szTemp, false}, {"", false}, {"C:\\" + std::string(250, 'a'), false},
    };
    pfnReadSystemDirectory = ReadFakeSystemDirectory;
    for (const auto &c : cases) {
        fakeSystemDirectory = c.directory;
        AboutSession(1, [&](HWND hDlg, size_t) {
            EXPECT_TRUE(Enabled(hDlg, IDC_HOMEPAGE) == c.present && Enabled(hDlg, IDC_MAILTO) == c.present) << c.directory;
        });
    }
    DeleteFileA((dbcs + "\\url.dll").c_str());
    RemoveDirectoryA(dbcs.c_str());
}

// Points a URL scheme of the test prefix at a command; returns the one it had.
std::string Associate(const char *pszScheme, const std::string &command)
{
    const std::string key = std::string(pszScheme) + "\\shell\\open\\command";
    char sz[512] = "";
    LONG cb = sizeof(sz);
    RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), sz, &cb);
    RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, command.c_str(), 0);
    return sz;
}

// Each link asks first. No opens nothing (a command that does not exist would be reported),
// Yes with it reports the failure, Yes with a recorder that appends its URL opens that once.
TEST_F(AboutTest, EachLinkAsksOpensOnlyOnYesAndReportsAFailedStart)
{
    const struct { int nButton; const char *scheme, *url, *question, *failure; } links[] = {
        {IDC_HOMEPAGE, "https", ABOUT_HOMEPAGE_URL, "Brimholt のホームページにアクセスしますか？", "ブラウザの起動に失敗しました"},
        {IDC_MAILTO, "mailto", ABOUT_MAILTO_URL, "Brimholt にお便りを送りますか？", "メーラの起動に失敗しました"},
    };
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    const std::string record = std::string(szTemp) + "vespin-opened.txt";
    auto recorded = [&] { std::stringstream ss; ss << std::ifstream(record).rdbuf(); return ss.str(); };
    answers = {IDNO, IDYES, IDYES};
    for (const auto &link : links) {
        DeleteFileA(record.c_str());
        const std::string saved = Associate(link.scheme, "\"C:\\no such folder\\nothing.exe\" \"%1\"");
        boxes.clear();
        // Closed by its Cancel, not Esc: the recorder may hold the keyboard.
        AboutSession(4, [&](HWND hDlg, size_t i) {
            if (i == 2)
                Associate(link.scheme, "C:\\windows\\system32\\cmd.exe /c echo %1>>\"" + record + "\"");
            if (i < 3)
                PostMessageA(GetDlgItem(hDlg, link.nButton), BM_CLICK, 0, 0);
            else
                PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
        Associate(link.scheme, saved);
        const std::string asked = std::string("Vespin|") + link.question + "|yes no |?";
        EXPECT_EQ(boxes, (std::vector<std::string>{asked, asked, std::string("Vespin|") + link.failure + "|ok |x", asked}));
        // The shell starts the recorder and returns: wait for it to write.
        for (int i = 0; i < 500 && recorded().find('\n') == std::string::npos; ++i)
            Sleep(20);
        EXPECT_EQ(recorded(), std::string(link.url) + "\n") << "opened once, for the last Yes";
    }
    DeleteFileA(record.c_str());
}

// Driven paint by paint, not by the timer: the box's screen is painted magenta and read
// back after each pass. A close halfway, a second opening, then one whose timer cannot start.
TEST_F(AboutTest, RevealShowsOkAfterTheSeventhPassAndThenThePicturePixelForPixel)
{
    const COLORREF kMagenta = RGB(255, 0, 255);
    for (int nStopAfter : {3, kRevealPasses, 0}) {
        pfnStartStaffTimer = nStopAfter ? SetTimer : NoTimer;
        HWND hDlg = CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(IDD_STAFF), hWnd, StaffDlgProc, 0);
        ShowWindow(hDlg, SW_SHOW);
        ValidateRect(hDlg, nullptr);
        RECT rc;
        GetClientRect(hDlg, &rc);
        wintest::TestImage picture(rc.right, rc.bottom), screen(rc.right, rc.bottom);
        ASSERT_NE(StaffBox.credits.hdc, nullptr);
        BitBlt(picture.dc(), 0, 0, rc.right, rc.bottom, StaffBox.credits.hdc, 0, 0, SRCCOPY);
        HDC hdc = GetDC(hDlg);
        screen.FillColor(kMagenta);
        BitBlt(hdc, 0, 0, rc.right, rc.bottom, screen.dc(), 0, 0, SRCCOPY);
        // The credits are on the picture: ink in both columns, none above the first row.
        int nInk[3] = {};
        for (int y = 0; y < rc.bottom; ++y)
            for (int x = 0; x < rc.right; ++x)
                nInk[y < kCreditTop ? 2 : x < CreditRightX(rc.right)] += picture.ColorAt(x, y) != RGB(192, 192, 192);
        EXPECT_TRUE(nInk[0] > 100 && nInk[1] > 100 && nInk[2] == 0);
        for (int k = 1; k == 1 || k <= nStopAfter; ++k) {
            EXPECT_EQ(Visible(hDlg, IDOK), nStopAfter == 0) << "before pass " << k;
            InvalidateRect(hDlg, nullptr, FALSE);
            UpdateWindow(hDlg);
            BitBlt(screen.dc(), 0, 0, rc.right, rc.bottom, hdc, 0, 0, SRCCOPY);
            // A visible OK covers its part of the picture.
            const RECT rcOk = Visible(hDlg, IDOK) ? ControlRect(hDlg, IDOK) : RECT{};
            int nWrong = 0;
            for (int y = 0; y < rc.bottom; ++y)
                for (int x = 0; x < rc.right; ++x)
                    nWrong += !PtInRect(&rcOk, {x, y}) &&
                              screen.ColorAt(x, y) != (!nStopAfter || IsRevealed(x, y, k) ? picture.ColorAt(x, y) : kMagenta);
            EXPECT_EQ(nWrong, 0) << "after pass " << k;
        }
        EXPECT_EQ(Visible(hDlg, IDOK), nStopAfter != 3);
        EXPECT_TRUE(nStopAfter == 3 || StaffBox.uTimer == 0);
        ReleaseDC(hDlg, hdc);
        DestroyWindow(hDlg);
        EXPECT_TRUE(StaffBox.credits.hdc == nullptr && StaffBox.credits.hbm == nullptr && StaffBox.uTimer == 0);
    }
}

TEST(PointFont, TenthsOfAPointBecomeANegativeHeightInLogicalUnits)
{
    HDC hdcScaled = CreateCompatibleDC(nullptr);
    SetMapMode(hdcScaled, MM_ANISOTROPIC);  // two logical units to a pixel
    SetWindowExtEx(hdcScaled, 2, 2, nullptr);
    const struct { HDC hdc; int nTenths; LONG lHeight; } cases[] = {{nullptr, 90, -12}, {nullptr, 120, -16}, {hdcScaled, 90, -24}};
    for (const auto &c : cases) {
        HFONT hFont = CreateFontByPoints(c.hdc, c.nTenths, L"ＭＳ Ｐゴシック");
        LOGFONTA lf = {};
        GetObjectA(hFont, sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, c.lHeight);
        EXPECT_TRUE(lf.lfCharSet == DEFAULT_CHARSET && lf.lfWeight == 0 && !lstrcmpA(lf.lfFaceName, "ＭＳ Ｐゴシック"));
        DeleteObject(hFont);
    }
    DeleteDC(hdcScaled);
}

// Fifty openings, each with the staff box: every other one closed by Esc during its reveal, the rest by OK after it.
TEST_F(AboutTest, FiftyOpeningsLeaveNoGdiOrUserObjectBehind)
{
    auto openAndClose = [&](bool bStaffByOk) {
        const std::vector<bool> opened = AboutSession(1, [](HWND hDlg, size_t) {
            const RECT rc = ControlRect(hDlg, IDC_ABOUTICON);
            PostMessageA(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 5, rc.top + 5));
        }, bStaffByOk);
        EXPECT_EQ(opened, std::vector<bool>{true});
    };
    openAndClose(true);
    const int nGdiBefore = wintest::GdiCapacity(), nUserBefore = wintest::MenuCapacity();
    for (int i = 0; i < 50; ++i)
        openAndClose(i % 2 == 0);
    EXPECT_EQ(wintest::GdiCapacity(), nGdiBefore);
    EXPECT_EQ(wintest::MenuCapacity(), nUserBefore);
}

}  // namespace
