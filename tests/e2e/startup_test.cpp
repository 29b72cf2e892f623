// vespin.exe as a user meets it: first start, a second copy, a foreign window
// of the same title, the low-colour refusal, and what each way out saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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

int DisplayBitsPerPixel()
{
    HDC hdc = CreateICA("Display", nullptr, nullptr, nullptr);
    int bits = GetDeviceCaps(hdc, BITSPIXEL);
    DeleteDC(hdc);
    return bits;
}

TEST_F(Startup, FirstStartWritesTheDefaults)
{
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(e2e::CountSettingsValues(), kStoredValueCount);
    DWORD dw = 0;
    EXPECT_TRUE(e2e::ReadDword("nCalendarPos", &dw));
    EXPECT_EQ(dw, 3u);
    // A borderless tool window whose client area is the whole window.
    LONG style = GetWindowLongA(app.hWnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX), WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_NE(GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    RECT rcWindow, rcClient;
    GetWindowRect(app.hWnd, &rcWindow);
    GetClientRect(app.hWnd, &rcClient);
    EXPECT_EQ(rcWindow.right - rcWindow.left, 240) << "page shown on the left by default";
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, 160);
    EXPECT_TRUE(rcClient.right == 240 && rcClient.bottom == 160);
    EXPECT_EQ(app.Exit(), 0);
}

LRESULT CALLBACK PlainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND CreatePlainWindow(const char *pszTitle)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Other_Class";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "Other_Class", pszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 100, 80, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST_F(Startup, SecondCopyBringsTheFirstForwardAndLeavesTheStoreAlone)
{
    e2e::Vespin first;
    ASSERT_TRUE(first.Start());
    HWND hOther = CreatePlainWindow("elsewhere");
    SetForegroundWindow(hOther);
    ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == hOther; }));
    // A marker the second copy would overwrite if it loaded or saved anything.
    e2e::WriteDword("nWindowX", 4242);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKeyPath, "nMinuteOld");

    e2e::Vespin second;
    ASSERT_TRUE(second.Start(false));
    EXPECT_EQ(second.WaitExit(), 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == first.hWnd; }));
    EXPECT_EQ(e2e::CountSettingsValues(), kStoredValueCount - 1);
    DWORD dw = 0;
    EXPECT_TRUE(e2e::ReadDword("nWindowX", &dw));
    EXPECT_EQ(dw, 4242u);
    EXPECT_EQ(e2e::FindVespinWindow(), first.hWnd);
    DestroyWindow(hOther);
    EXPECT_EQ(first.Exit(), 0);
}

int CountVespinWindows()
{
    int n = 0;
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, kAppClassName, nullptr)) != nullptr;)
        ++n;
    return n;
}

// A foreign window titled "Vespin" (a folder of that name open in Explorer) neither stops the
// first copy nor, lying above the running copy, lets a second copy start beside it.
TEST_F(Startup, AForeignWindowTitledVespinNeitherBlocksNorHidesTheRunningCopy)
{
    HWND hImpostor = CreatePlainWindow(kAppTitle);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start()) << "the first copy must start beside the foreign window";
    SetWindowPos(hImpostor, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ASSERT_EQ(FindWindowA(nullptr, kAppTitle), hImpostor) << "the foreign window must be found first";
    e2e::Vespin second;
    ASSERT_TRUE(second.Start(false));
    EXPECT_EQ(second.WaitExit(), 0);
    EXPECT_EQ(CountVespinWindows(), 1);
    EXPECT_EQ(app.Exit(), 0);
    DestroyWindow(hImpostor);
}

// Runs only on an 8-bit screen (the test script starts one for it).
TEST_F(Startup, LowColourDisplayIsRefusedWithAMessage)
{
    if (DisplayBitsPerPixel() > 8)
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

TEST_F(Startup, ExitCommandSavesTheState)
{
    e2e::WriteDefaultSettings();
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    PostMessageA(app.hWnd, WM_COMMAND, IDM_CHARA2, 0);
    PostMessageA(app.hWnd, WM_COMMAND, IDM_CALENDAR, 0);  // hide the page
    EXPECT_TRUE(e2e::WaitFor([&] {
        RECT rc;
        GetWindowRect(app.hWnd, &rc);
        return rc.right - rc.left == 120;
    }));
    EXPECT_EQ(app.Exit(), 0);
    DWORD dw = 0;
    EXPECT_TRUE(e2e::ReadDword("nDrawChara", &dw));
    EXPECT_EQ(dw, 2u);
    EXPECT_TRUE(e2e::ReadDword("bStatus", &dw));
    EXPECT_EQ(dw, 0u);
}

TEST_F(Startup, EndSessionSavesOnlyWhenWindowsReallyEnds)
{
    e2e::WriteDefaultSettings();
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    SendMessageA(app.hWnd, WM_COMMAND, IDM_CHARA1, 0);
    DWORD dw = 0;
    for (BOOL bEnding : {FALSE, TRUE}) {
        SendMessageA(app.hWnd, WM_ENDSESSION, bEnding, 0);
        EXPECT_TRUE(e2e::ReadDword("nDrawChara", &dw));
        EXPECT_EQ(dw, bEnding ? 1u : 0u) << "a cancelled log-off saves nothing";
    }
    EXPECT_EQ(app.Exit(), 0);
}

TEST_F(Startup, DoubleClickTogglesThePageAndShiftsForAboveAndLeft)
{
    struct Case {
        DWORD nCalendarPos;
        int width, height;  // with the page shown
        int dx, dy;         // stored shift
    } cases[] = {{0, 120, 320, 0, -160}, {1, 240, 160, 0, 0}, {2, 120, 320, 0, 0}, {3, 240, 160, -120, 0}};
    for (const Case &c : cases) {
        for (UINT trigger : {static_cast<UINT>(WM_LBUTTONDBLCLK), static_cast<UINT>(WM_COMMAND)}) {
            SCOPED_TRACE(testing::Message() << "page position " << c.nCalendarPos
                                            << (trigger == WM_COMMAND ? " by command" : " by double click"));
            e2e::DeleteSettingsKey();
            e2e::WriteDefaultSettings();
            e2e::WriteDword("bStatus", 0);
            e2e::WriteDword("nCalendarPos", c.nCalendarPos);
            e2e::WriteDword("nWindowX", 400);
            e2e::WriteDword("nWindowY", 300);
            e2e::Vespin app;
            ASSERT_TRUE(app.Start());
            // Two real clicks on the real window: the toggle comes only through its class's CS_DBLCLKS.
            if (trigger == WM_COMMAND)
                PostMessageA(app.hWnd, WM_COMMAND, IDM_CALENDAR, 0);
            else
                e2e::DoubleClickAt(460, 380);
            RECT rc;
            EXPECT_TRUE(e2e::WaitFor([&] {
                GetWindowRect(app.hWnd, &rc);
                return rc.right - rc.left == c.width && rc.bottom - rc.top == c.height;
            }));
            EXPECT_EQ(rc.left, 400 + c.dx);
            EXPECT_EQ(rc.top, 300 + c.dy);
            EXPECT_EQ(app.Exit(), 0);
            DWORD x = 0, y = 0, status = 0;
            EXPECT_TRUE(e2e::ReadDword("nWindowX", &x) && e2e::ReadDword("nWindowY", &y) &&
                        e2e::ReadDword("bStatus", &status));
            EXPECT_EQ(static_cast<int>(x), 400 + c.dx);
            EXPECT_EQ(static_cast<int>(y), 300 + c.dy);
            EXPECT_EQ(status, 1u);
        }
    }
}

TEST_F(Startup, TopMostFollowsTheStoredFlag)
{
    for (DWORD topMost : {0u, 1u}) {
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("bTopMost", topMost);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ((GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topMost == 1) << topMost;
        EXPECT_EQ(app.Exit(), 0);
    }
}

}  // namespace
