// The main window procedure on a real window: the blink state machine, the
// command table, the menu check mark and what each way out saves.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        wintest::DeleteSettingsKey();
        SetDefaultSettings(&Settings);
        uTimer1 = uTimer2 = 0;
        nBlinkStep = 0;
        hWnd = wintest::CreateMainWindow(0, 0);
        ASSERT_NE(hWnd, nullptr);
        bSettingsLoaded = 1;
    }
    void TearDown() override
    {
        if (IsWindow(hWnd))
            wintest::DestroyMainWindow(hWnd);
        wintest::DeleteSettingsKey();
    }
    LRESULT Command(WORD wId) { return SendMessageA(hWnd, WM_COMMAND, wId, 0); }

    HWND hWnd = nullptr;
};

TEST_F(MainWindow, BlinkRunsFiveStepsThenIdles)
{
    EXPECT_NE(uTimer1, 0u);
    EXPECT_EQ(nBlinkStep, -1);
    // About one tick in three starts a blink; a hundred ticks without one is not chance.
    for (int i = 0; i < 100 && nBlinkStep == -1; ++i)
        SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
    ASSERT_EQ(nBlinkStep, 0);
    ASSERT_NE(uTimer2, 0u);
    SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
    EXPECT_EQ(nBlinkStep, 0) << "timer 1 does not advance a running blink";
    for (int step : {1, 2, 3, 4, -1}) {
        SendMessageA(hWnd, WM_TIMER, uTimer2, 0);
        EXPECT_EQ(nBlinkStep, step);
    }
    EXPECT_EQ(uTimer2, 0u);
}

TEST_F(MainWindow, CommandTable)
{
    // {command, result, nDrawChara afterwards}; the character commands ignore the rotation flags.
    const int cases[][3] = {
        {IDM_CHARA2, 1, 2}, {IDM_CHARA0, 1, 0}, {IDM_CHARA1, 1, 1}, {IDM_EXIT + 1, 0, 1}, {IDM_CALENDAR + 1, 0, 1}};
    Settings.bChara1 = 0;
    for (const auto &c : cases) {
        EXPECT_EQ(Command(static_cast<WORD>(c[0])), c[1]) << c[0];
        EXPECT_EQ(Settings.nDrawChara, c[2]) << c[0];
    }
    // The calendar command toggles when its posted double click arrives.
    Settings.bStatus = 0;
    Settings.nWindowX = 500;
    EXPECT_EQ(Command(IDM_CALENDAR), 1);
    EXPECT_EQ(Settings.bStatus, 0);
    wintest::PumpMessages();
    EXPECT_EQ(Settings.bStatus, 1);
    EXPECT_EQ(Settings.nWindowX, 380);
}

TEST_F(MainWindow, PropertiesWhileOpenDoNothingAndAFailedSheetRestoresTheRecord)
{
    bInProperty = 1;
    EXPECT_EQ(Command(IDM_PROPERTY), 1);
    EXPECT_EQ(bInProperty, 1);
    bInProperty = 0;
    Settings.nDrawChara = 2;
    EXPECT_EQ(Command(IDM_PROPERTY), 1);
    EXPECT_EQ(bInProperty, 0);
    EXPECT_EQ(Settings.nDrawChara, 2);
    EXPECT_EQ(wintest::CountSettingsValues(), 0) << "a sheet not accepted saves nothing";
}

TEST_F(MainWindow, MenuCheckMarkFollowsThePageOnlyForTheTopPopup)
{
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, IDM_CALENDAR, "calendar");
    // {bStatus, popup position, window-menu flag, checked}
    const int cases[][4] = {{1, 0, 0, 1}, {0, 0, 0, 0}, {1, 1, 0, 0}, {1, 0, 1, 0}};
    for (const auto &c : cases) {
        CheckMenuItem(hMenu, IDM_CALENDAR, MF_BYCOMMAND | MF_UNCHECKED);
        Settings.bStatus = c[0];
        SendMessageA(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(c[1], c[2]));
        EXPECT_EQ((GetMenuState(hMenu, IDM_CALENDAR, MF_BYCOMMAND) & MF_CHECKED) != 0, c[3] == 1);
    }
    DestroyMenu(hMenu);
}

TEST_F(MainWindow, EndSessionSavesOnlyWhenWindowsReallyEnds)
{
    SendMessageA(hWnd, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(wintest::CountSettingsValues(), 0);
    SendMessageA(hWnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(wintest::CountSettingsValues(), 28);
}

TEST_F(MainWindow, DestroySavesOnlyALoadedRecordAndQuitsWithZero)
{
    for (int loaded : {0, 1}) {
        if (loaded)
            hWnd = wintest::CreateMainWindow(0, 0);
        bSettingsLoaded = loaded;
        DestroyWindow(hWnd);
        EXPECT_EQ(wintest::CountSettingsValues(), loaded ? 28 : 0);
        MSG msg;
        EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(msg.wParam, 0u);
    }
    bSettingsLoaded = 1;
}

}  // namespace
