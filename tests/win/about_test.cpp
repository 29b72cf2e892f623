// The About box and the staff credits on real dialogs, driven by a script that
// acts whenever a modal loop waits: the menu command, links, icon, reveal, leaks.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "about/about_text.h"
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
    INPUT in[3] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
    in[0].mi = {(x * 65536 + cx - 1) / cx, (y * 65536 + cy - 1) / cy, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}

void PressEscape()
{
    INPUT in[2] = {{INPUT_KEYBOARD, {}}, {INPUT_KEYBOARD, {}}};
    in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
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
    // The menu command, with the script answering what it opens.
    LRESULT AboutFromMenu(std::function<void(HWND)> steps)
    {
        script = std::move(steps);
        const LRESULT lResult = SendMessageA(hWnd, WM_COMMAND, IDM_ABOUT, 0);
        script = nullptr;
        return lResult;
    }

    HWND hWnd = nullptr;
    HHOOK hIdleHook = nullptr, hActivateHook = nullptr;
    UINT_PTR uHeartbeat = 0;
};

// Clicks at the icon's edges, each far from the one before so none makes a double
// click; every staff box is ended by Esc during its reveal.
TEST_F(AboutTest, OpensOnceFromTheMenuAndTheIconOpensTheStaffBoxOnlyFromInside)
{
    // {from the right edge, dx, from the bottom edge, dy, opens}
    const struct { bool right; int dx; bool bottom; int dy; bool opens; } clicks[] = {
        {false, 0, false, 0, true},   {true, -1, true, -1, true},  {false, -1, false, 0, false},
        {true, 0, false, 0, false},   {false, 0, false, 0, true},  {false, 0, true, 0, false},
        {false, 10, false, 10, true}, {false, 0, false, -1, false}, {true, -1, true, -1, true},
    };
    size_t nNext = 0;
    bool bStaffSeen = false;
    std::vector<bool> opened;
    pfnStartStaffTimer = HeldTimer;
    const LRESULT lResult = AboutFromMenu([&](HWND hDlg) {
        if (IsStaff(hDlg)) {
            if (!bStaffSeen) {
                EXPECT_LT(StaffBox.nPass, kRevealPasses);
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDlg, IDOK)));
                PressEscape();
            }
            bStaffSeen = true;
            return;
        }
        if (!IsAbout(hDlg) || nNext > std::size(clicks))
            return;
        if (nNext == 0) {
            EXPECT_EQ(bInAbout, 1);
            EXPECT_EQ(SendMessageA(hWnd, WM_COMMAND, IDM_ABOUT, 0), 1);  // returns at once: no second box
            // url.dll is in the prefix's system directory.
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_HOMEPAGE)) && IsWindowEnabled(GetDlgItem(hDlg, IDC_MAILTO)));
            const RECT rcIcon = ControlRect(hDlg, IDC_ABOUTICON), rcFrame = ControlRect(hDlg, IDC_ICONFRAME);
            EXPECT_TRUE(rcFrame.left == rcIcon.left - 2 && rcFrame.top == rcIcon.top - 2 &&
                        rcFrame.right == rcIcon.right + 2 && rcFrame.bottom == rcIcon.bottom + 2);
        } else {
            opened.push_back(bStaffSeen);
        }
        bStaffSeen = false;
        if (nNext++ == std::size(clicks))
            return PressEscape();
        const auto &c = clicks[nNext - 1];
        const RECT rc = ControlRect(hDlg, IDC_ABOUTICON, true);
        ClickAt((c.right ? rc.right : rc.left) + c.dx, (c.bottom ? rc.bottom : rc.top) + c.dy);
    });
    EXPECT_TRUE(lResult == 1 && bInAbout == 0);
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

TEST_F(AboutTest, LinkButtonsEnabledOnlyWithUrlDllInTheSystemDirectory)
{
    char szSystem[MAX_PATH], szTemp[MAX_PATH];
    GetSystemDirectoryA(szSystem, sizeof(szSystem));
    GetTempPathA(sizeof(szTemp), szTemp);
    // A folder ending in 表 (95 5C): its last byte is no separator.
    const std::string dbcs = std::string(szTemp) + "vespin表";
    CreateDirectoryA(dbcs.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((std::string(szSystem) + "\\url.dll").c_str(), (dbcs + "\\url.dll").c_str(), FALSE));
    const struct { std::string directory; bool present; } cases[] = {
        {dbcs, true}, {szTemp, false}, {"", false}, {"C:\\" + std::string(250, 'a'), false},
    };
    pfnReadSystemDirectory = ReadFakeSystemDirectory;
    for (const auto &c : cases) {
        fakeSystemDirectory = c.directory;
        bool bSeen = false;
        AboutFromMenu([&](HWND hDlg) {
            if (!bSeen)
                PressEscape();
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(hDlg, IDC_HOMEPAGE)) != FALSE, c.present) << c.directory;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(hDlg, IDC_MAILTO)) != FALSE, c.present) << c.directory;
            bSeen = true;
        });
    }
    DeleteFileA((dbcs + "\\url.dll").c_str());
    RemoveDirectoryA(dbcs.c_str());
}

// Points both URL schemes of the test prefix at a command while it lives.
class SchemeCommand {
public:
    explicit SchemeCommand(const std::string &command)
    {
        for (int i = 0; i < 2; ++i) {
            LONG cb = sizeof(szSaved[i]);
            RegQueryValueA(HKEY_CLASSES_ROOT, kKeys[i], szSaved[i], &cb);
            RegSetValueA(HKEY_CLASSES_ROOT, kKeys[i], REG_SZ, command.c_str(), 0);
        }
    }
    ~SchemeCommand()
    {
        for (int i = 0; i < 2; ++i)
            RegSetValueA(HKEY_CLASSES_ROOT, kKeys[i], REG_SZ, szSaved[i], 0);
    }

private:
    static constexpr const char *kKeys[2] = {"https\\shell\\open\\command", "mailto\\shell\\open\\command"};
    char szSaved[2][512] = {};
};

// Each link asks first (Yes and No, the question icon); No opens nothing and Yes
// opens the URL through the shell; a shell that cannot start the program is reported.
TEST_F(AboutTest, EachLinkAsksOpensOnlyOnYesAndReportsAFailedStart)
{
    const struct { int nButton; const char *url, *question, *failure; } links[] = {
        {IDC_HOMEPAGE, ABOUT_HOMEPAGE_URL, "Brimholt のホームページにアクセスしますか？", "ブラウザの起動に失敗しました"},
        {IDC_MAILTO, ABOUT_MAILTO_URL, "Brimholt にお便りを送りますか？", "メーラの起動に失敗しました"},
    };
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    const std::string record = std::string(szTemp) + "vespin-opened.txt";
    auto recorded = [&] { std::stringstream ss; ss << std::ifstream(record).rdbuf(); return ss.str(); };
    for (const auto &link : links) {
        // {answers, association}: the recorder appends the URL it is given; the other command does not exist.
        const struct { std::vector<int> answers; std::string command; } runs[] = {
            {{IDNO, IDYES}, "C:\\windows\\system32\\cmd.exe /c echo %1>>\"" + record + "\""},
            {{IDYES}, "\"C:\\no such folder\\nothing.exe\" \"%1\""},
        };
        for (const auto &run : runs) {
            DeleteFileA(record.c_str());
            SchemeCommand association(run.command);
            std::vector<std::string> boxes;  // caption|text|buttons|icon
            size_t nPressed = 0;
            AboutFromMenu([&](HWND hDlg) {
                // Read and answered once, even if something else takes the activation away and back.
                if (GetDlgItem(hDlg, 0xFFFF)) {
                    if (Text(hDlg) == "answered")
                        return;
                    char sz[256] = "";
                    GetDlgItemTextA(hDlg, 0xFFFF, sz, sizeof(sz));
                    const HICON hIcon = reinterpret_cast<HICON>(SendDlgItemMessageA(hDlg, 0x0440, STM_GETICON, 0, 0));
                    const bool bYesNo = GetDlgItem(hDlg, IDYES) && GetDlgItem(hDlg, IDNO) && !GetDlgItem(hDlg, IDOK);
                    const bool bOk = GetDlgItem(hDlg, IDOK) && !GetDlgItem(hDlg, IDYES) && !GetDlgItem(hDlg, IDCANCEL);
                    const bool bQuestion = hIcon == LoadIconA(nullptr, IDI_QUESTION);
                    const bool bError = hIcon == LoadIconA(nullptr, IDI_HAND);
                    boxes.push_back(Text(hDlg) + "|" + sz + (bYesNo && bQuestion ? "|yes no ?" : bOk && bError ? "|ok x" : "|?"));
                    SetWindowTextA(hDlg, "answered");
                    PostMessageA(hDlg, WM_COMMAND, bYesNo ? run.answers[nPressed - 1] : IDOK, 0);
                } else if (IsAbout(hDlg) && nPressed < run.answers.size()) {
                    PostMessageA(GetDlgItem(hDlg, link.nButton), BM_CLICK, 0, 0);
                    ++nPressed;
                } else if (IsAbout(hDlg) && nPressed++ == run.answers.size()) {
                    PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);  // the recorder may hold the keyboard
                }
            });
            std::vector<std::string> expected(run.answers.size(), std::string("Vespin|") + link.question + "|yes no ?");
            if (run.answers.size() == 1) {
                expected.push_back(std::string("Vespin|") + link.failure + "|ok x");
            } else {
                // The shell starts the recorder and returns: wait for it to write.
                for (int i = 0; i < 500 && recorded().find('\n') == std::string::npos; ++i)
                    Sleep(20);
                EXPECT_EQ(recorded(), std::string(link.url) + "\n") << "opened once, for the Yes";
            }
            EXPECT_EQ(boxes, expected);
        }
    }
    DeleteFileA(record.c_str());
}

UINT_PTR WINAPI NoTimer(HWND, UINT_PTR, UINT, TIMERPROC) { return 0; }

// Driven paint by paint, not by the timer: the box is shown, its screen painted
// magenta, and after each pass the screen is read back and compared with the picture.
TEST_F(AboutTest, RevealShowsOkAfterTheSeventhPassAndThenThePicturePixelForPixel)
{
    const COLORREF kMagenta = RGB(255, 0, 255);
    // A second opening after a close halfway, then one whose timer cannot start: whole at once.
    for (int nStopAfter : {3, kRevealPasses, 0}) {
        pfnStartStaffTimer = nStopAfter ? SetTimer : NoTimer;
        HWND hDlg = CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(IDD_STAFF), hWnd, StaffDlgProc, 0);
        ShowWindow(hDlg, SW_SHOW);
        ValidateRect(hDlg, nullptr);
        RECT rc;
        GetClientRect(hDlg, &rc);
        wintest::TestImage picture(rc.right, rc.bottom), screen(rc.right, rc.bottom);
        ASSERT_NE(StaffBox.hdcPicture, nullptr);
        BitBlt(picture.dc(), 0, 0, rc.right, rc.bottom, StaffBox.hdcPicture, 0, 0, SRCCOPY);
        HDC hdc = GetDC(hDlg);
        wintest::TestImage magenta(rc.right, rc.bottom);
        magenta.FillColor(kMagenta);
        BitBlt(hdc, 0, 0, rc.right, rc.bottom, magenta.dc(), 0, 0, SRCCOPY);
        EXPECT_EQ(StaffBox.nPass, nStopAfter ? 0 : kRevealPasses);
        // The credits are on the picture: ink in both columns, none above the first row.
        int nInk[3] = {};
        for (int y = 0; y < rc.bottom; ++y)
            for (int x = 0; x < rc.right; ++x)
                nInk[y < kCreditTop ? 2 : x < CreditRightX(rc.right)] += picture.ColorAt(x, y) != RGB(192, 192, 192);
        EXPECT_TRUE(nInk[0] > 100 && nInk[1] > 100 && nInk[2] == 0);
        EXPECT_EQ(StaffBox.uTimer != 0, nStopAfter != 0);
        for (int k = 1; k <= std::max(nStopAfter, 1); ++k) {
            EXPECT_EQ(IsWindowVisible(GetDlgItem(hDlg, IDOK)) != FALSE, nStopAfter == 0) << "before pass " << k;
            InvalidateRect(hDlg, nullptr, FALSE);
            UpdateWindow(hDlg);
            BitBlt(screen.dc(), 0, 0, rc.right, rc.bottom, hdc, 0, 0, SRCCOPY);
            // A visible OK covers its part of the picture.
            const RECT rcOk = IsWindowVisible(GetDlgItem(hDlg, IDOK)) ? ControlRect(hDlg, IDOK) : RECT{};
            int nWrong = 0;
            for (int y = 0; y < rc.bottom; ++y)
                for (int x = 0; x < rc.right; ++x)
                    nWrong += !PtInRect(&rcOk, {x, y}) &&
                              screen.ColorAt(x, y) != (!nStopAfter || IsRevealed(x, y, k) ? picture.ColorAt(x, y) : kMagenta);
            EXPECT_EQ(nWrong, 0) << "after pass " << k;
        }
        EXPECT_EQ(IsWindowVisible(GetDlgItem(hDlg, IDOK)) != FALSE, nStopAfter != 3);
        EXPECT_TRUE(nStopAfter == 3 || StaffBox.uTimer == 0);
        ReleaseDC(hDlg, hdc);
        DestroyWindow(hDlg);
        EXPECT_TRUE(StaffBox.hdcPicture == nullptr && StaffBox.hbmPicture == nullptr && StaffBox.uTimer == 0);
    }
}

TEST(PointFont, TenthsOfAPointBecomeANegativeHeightInLogicalUnits)
{
    HDC hdcScaled = CreateCompatibleDC(nullptr);
    SetMapMode(hdcScaled, MM_ANISOTROPIC);  // two logical units to a pixel
    SetWindowExtEx(hdcScaled, 2, 2, nullptr);
    for (auto c : {std::tuple<HDC, int, LONG>{nullptr, 90, -12}, {nullptr, 120, -16}, {hdcScaled, 90, -24}}) {
        HFONT hFont = CreateFontByPoints(std::get<0>(c), std::get<1>(c), "ＭＳ Ｐゴシック");
        LOGFONTA lf = {};
        GetObjectA(hFont, sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, std::get<2>(c));
        EXPECT_TRUE(lf.lfCharSet == DEFAULT_CHARSET && lf.lfWeight == 0 && !lstrcmpA(lf.lfFaceName, "ＭＳ Ｐゴシック"));
        DeleteObject(hFont);
    }
    DeleteDC(hdcScaled);
}

// Fifty openings, each with the staff box: every other one closed during its reveal, the rest by OK after it.
TEST_F(AboutTest, FiftyOpeningsLeaveNoGdiOrUserObjectBehind)
{
    auto openAndClose = [&](bool bDuringReveal) {
        pfnStartStaffTimer = bDuringReveal ? HeldTimer : SetTimer;
        enum { kClickIcon, kStaffOpen, kStaffClosed, kAboutClosing } state = kClickIcon;
        AboutFromMenu([&](HWND hDlg) {
            if (IsAbout(hDlg) && state == kClickIcon) {
                const RECT rc = ControlRect(hDlg, IDC_ABOUTICON);
                PostMessageA(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 5, rc.top + 5));
                state = kStaffOpen;
            } else if (IsStaff(hDlg) && state == kStaffOpen && (bDuringReveal || StaffBox.nPass == kRevealPasses)) {
                EXPECT_EQ(StaffBox.nPass < kRevealPasses, bDuringReveal);
                if (bDuringReveal)
                    PressEscape();
                else
                    PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
                state = kStaffClosed;
            } else if (IsAbout(hDlg) && state == kStaffClosed) {
                PressEscape();
                state = kAboutClosing;
            }
        });
        EXPECT_EQ(state, kAboutClosing);
    };
    openAndClose(false);
    const int nGdiBefore = wintest::GdiCapacity(), nUserBefore = wintest::MenuCapacity();
    for (int i = 0; i < 50; ++i)
        openAndClose(i % 2 == 1);
    EXPECT_EQ(wintest::GdiCapacity(), nGdiBefore);
    EXPECT_EQ(wintest::MenuCapacity(), nUserBefore);
}

}  // namespace
