// vespin.exe as a user meets it: first start, a second copy, a foreign window
// of the same title, the low-colour refusal, and what each way out saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>

#include "base/appnames.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

class Startup : public testing::Test {
protected:
    void SetUp() override { e2e::DeleteSettingsKey(); }
    void TearDown() override { e2e::DeleteSettingsKey(); }
};

std::tuple<LONG, LONG, LONG, LONG> WindowRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

int CountVespinWindows()
{
    int n = 0;
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, kAppClassName, nullptr)) != nullptr;)
        ++n;
    return n;
}

// One session of two copies. The first writes the defaults and is a borderless tool window whose
// client area is the whole window, the page shown on the left. A foreign window titled "Vespin"
// (a folder of that name open in Explorer) neither stops it nor, lying above it and in front,
// lets a second copy start beside it: the second brings the first forward and neither loads nor
// saves. A cancelled log-off saves nothing, a real one everything.
TEST_F(Startup, FirstCopyWritesDefaultsSecondDefersToItPastAForeignWindowAndOnlyARealLogOffSaves)
{
    HWND hImpostor = CreateWindowExA(0, "STATIC", kAppTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 100, 80,
                                     nullptr, nullptr, nullptr, nullptr);
    e2e::Vespin first;
    ASSERT_TRUE(first.Start()) << "the first copy must start beside the foreign window";
    EXPECT_EQ(e2e::CountSettingsValues(), kSettingFieldCount);
    DWORD dw = 0;
    EXPECT_TRUE(e2e::ReadDword("nCalendarPos", &dw));
    EXPECT_EQ(dw, 3u);
    const LONG style = GetWindowLongA(first.hWnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_SYSMENU | WS_MINIMIZEBOX),
              WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_NE(GetWindowLongA(first.hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    RECT rcClient;
    GetClientRect(first.hWnd, &rcClient);
    const auto [x, y, cx, cy] = WindowRect(first.hWnd);
    EXPECT_EQ(std::tuple(cx, cy, rcClient.right, rcClient.bottom), std::tuple(240L, 160L, 240L, 160L));

    SetWindowPos(hImpostor, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hImpostor);
    ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == hImpostor; }));
    ASSERT_EQ(FindWindowA(nullptr, kAppTitle), hImpostor) << "the foreign window must be found first";
    // A marker the second copy would overwrite if it loaded or saved anything.
    e2e::WriteDword("nWindowX", 4242);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKeyPath, "nMinuteOld");
    e2e::Vespin second;
    ASSERT_TRUE(second.Start(false));
    EXPECT_EQ(second.WaitExit(), 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == first.hWnd; }));
    EXPECT_EQ(CountVespinWindows(), 1);
    DestroyWindow(hImpostor);

    DWORD dwKept = 0;
    EXPECT_TRUE(e2e::ReadDword("nWindowX", &dwKept) && dwKept == 4242) << "the second copy saved nothing";
    // A character chosen from the menu is saved at once; the marker then shows what a log-off saves.
    SendMessageA(first.hWnd, WM_COMMAND, IDM_CHARA1, 0);
    EXPECT_TRUE(e2e::ReadDword("nDrawChara", &dwKept) && dwKept == 1);
    e2e::WriteDword("nWindowX", 4242);
    e2e::WriteDword("nDrawChara", 0);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKeyPath, "nMinuteOld");
    for (BOOL bEnding : {FALSE, TRUE}) {
        SCOPED_TRACE(bEnding ? "log-off" : "cancelled log-off");
        SendMessageA(first.hWnd, WM_ENDSESSION, bEnding, 0);
        DWORD nWindowX = 0, nDrawChara = 0;
        EXPECT_TRUE(e2e::ReadDword("nWindowX", &nWindowX) && e2e::ReadDword("nDrawChara", &nDrawChara));
        EXPECT_EQ(std::tuple(e2e::CountSettingsValues(), nWindowX == 4242, nDrawChara),
                  bEnding ? std::tuple(kSettingFieldCount, false, 1ul) : std::tuple(kSettingFieldCount - 1, true, 0ul));
    }
    EXPECT_EQ(first.Exit(), 0);
}

// Starts in a burst: exactly one runs, whatever the order they reach the window check in.
TEST_F(Startup, ABurstOfStartsLeavesExactlyOneCopyRunning)
{
    e2e::Vespin copies[6];
    for (e2e::Vespin &copy : copies)
        ASSERT_TRUE(copy.Start(false));
    int nRunning = 0;
    e2e::WaitFor([&] {
        nRunning = 0;
        for (e2e::Vespin &copy : copies)
            nRunning += copy.Running();
        return nRunning <= 1 && CountVespinWindows() == 1;
    });
    EXPECT_EQ(std::pair(nRunning, CountVespinWindows()), std::pair(1, 1));
    for (e2e::Vespin &copy : copies) {
        if (copy.Running()) {
            copy.hWnd = e2e::FindVespinWindow();
            EXPECT_EQ(copy.Exit(), 0);
        }
    }
}

// A drag, the page toggled and a character chosen are each in the store at once: the process
// killed right after loses none of them.
TEST_F(Startup, ChangesAreSavedAsTheyHappenAndSurviveAKill)
{
    const struct { const char *what; void (*act)(HWND); const char *name; DWORD expected; } cases[] = {
        {"a drag", [](HWND h) {
             SetCursorPos(430, 330);
             SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
             SetCursorPos(480, 370);
             SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(80, 70));
             SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(80, 70));
         }, "nWindowX", 450},
        {"the page toggled", [](HWND h) { SendMessageA(h, WM_LBUTTONDBLCLK, 0, 0); }, "bStatus", 0},
        {"a character chosen", [](HWND h) { SendMessageA(h, WM_COMMAND, IDM_CHARA2, 0); }, "nDrawChara", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nCalendarPos", 1);
        e2e::WriteDword("nWindowX", 400);
        e2e::WriteDword("nWindowY", 300);
        e2e::WriteDword("nChangeTiming", 13);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        c.act(app.hWnd);
        TerminateProcess(app.pi.hProcess, 1);
        WaitForSingleObject(app.pi.hProcess, 5000);
        DWORD dw = 12345;
        EXPECT_TRUE(e2e::ReadDword(c.name, &dw));
        EXPECT_EQ(dw, c.expected);
    }
}

// Runs only on an 8-bit screen (the test script starts one for it).
TEST_F(Startup, LowColourDisplayIsRefusedWithAMessage)
{
    HDC hdc = CreateICA("Display", nullptr, nullptr, nullptr);
    const int bits = GetDeviceCaps(hdc, BITSPIXEL);
    DeleteDC(hdc);
    if (bits > 8)
        GTEST_SKIP() << "needs an 8-bit screen";
    e2e::Vespin app;
    ASSERT_TRUE(app.Start(false));
    HWND hBox = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (hBox = e2e::FindMessageBox(app.pi.dwProcessId)) != nullptr; }));
    EXPECT_EQ(e2e::MessageBoxText(hBox), "６万色以上のモードで起動してください");
    EXPECT_EQ(e2e::FindVespinWindow(), nullptr);
    PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_FALSE(e2e::SettingsKeyExists()) << "refused before loading anything";
}

// Two real clicks on the real window: the toggle comes only through its class's CS_DBLCLKS. The
// page comes back at every position, the window shifted for above and left, and the exit saves
// it; the z-order follows the stored flag. (The menu's calendar command is driven by the tray test.)
TEST_F(Startup, RealDoubleClickTogglesThePageShiftsForAboveAndLeftAndTheExitSavesIt)
{
    struct Case {
        DWORD nCalendarPos, bTopMost;
        LONG width, height;  // with the page shown
        LONG dx, dy;         // stored shift
    } cases[] = {{0, 1, 120, 320, 0, -160}, {1, 0, 240, 160, 0, 0}, {2, 1, 120, 320, 0, 0}, {3, 0, 240, 160, -120, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "page position " << c.nCalendarPos);
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        for (const auto &[pszName, value] : {std::pair("bStatus", 0ul), std::pair("nCalendarPos", c.nCalendarPos),
                                             std::pair("nWindowX", 400ul), std::pair("nWindowY", 300ul),
                                             std::pair("bTopMost", c.bTopMost)})
            e2e::WriteDword(pszName, value);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ((GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.bTopMost == 1);
        e2e::DoubleClickAt(460, 380);
        const auto shown = std::tuple(400 + c.dx, 300 + c.dy, c.width, c.height);
        e2e::WaitFor([&] { return WindowRect(app.hWnd) == shown; });
        EXPECT_EQ(WindowRect(app.hWnd), shown);
        EXPECT_EQ(app.Exit(), 0);
        DWORD x = 0, y = 0, status = 0;
        EXPECT_TRUE(e2e::ReadDword("nWindowX", &x) && e2e::ReadDword("nWindowY", &y) &&
                    e2e::ReadDword("bStatus", &status));
        EXPECT_EQ(std::tuple(LONG(x), LONG(y), status), std::tuple(400 + c.dx, 300 + c.dy, 1ul));
    }
}

}  // namespace
