// The main window procedure on a real window: the blink state machine, the
// command table, the menu check mark and what each way out saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <tuple>
#include <utility>

#include "base/clock_win.h"
#include "chime/sound_win.h"
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
        nBlinkStep = 0, bBlinkUnseen = 0;
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

// Stray ids first: 0 (what uTimer2 holds while no blink runs), timer 2's id and an unknown one
// must not start a step that no timer would ever end. A character without eye patches blinks
// unseen: no timer, and no number drawn at the next tick, as during a blink that is seen.
TEST_F(MainWindow, BlinkRunsFiveStepsThenIdlesAndStrayTimerIdsChangeNothing)
{
    for (WPARAM id : {WPARAM(0), WPARAM(TIMER_BLINK), WPARAM(99)})
        SendMessageA(hWnd, WM_TIMER, id, 0);
    EXPECT_EQ(std::pair(nBlinkStep, uTimer2), std::pair(-1, 0u));
    // About one tick in three starts a blink; a hundred ticks without one is not chance.
    Settings.nDrawChara = 0;
    for (int i = 0; i < 100 && !bBlinkUnseen; ++i)
        SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
    ASSERT_TRUE(bBlinkUnseen && nBlinkStep == -1 && uTimer2 == 0);
    SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
    EXPECT_FALSE(bBlinkUnseen);
    Settings.nDrawChara = 2;
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

// The calendar command is driven from outside, with the shift of every page position.
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
}

int nSignals;
BOOL WINAPI CountPlay(LPCWSTR, HMODULE, DWORD) { return ++nSignals, TRUE; }
BOOL WINAPI CountBeep(UINT) { return ++nSignals, TRUE; }

// The sheet stays open across 15:00: the hour sounds once and the rotation moves on. Cancelled, the
// options go back but that live state stays, so nothing sounds twice; accepted, everything stays
// and every value is stored. A second Properties while the sheet is open does nothing.
TEST_F(MainWindow, ACancelledSheetRestoresTheOptionsButNotWhatTheTicksMovedMeanwhile)
{
    SetSoundCalls(CountPlay, CountBeep);
    for (int nButton : {PSBTN_CANCEL, PSBTN_OK}) {
        const bool bAccepted = nButton == PSBTN_OK;
        SCOPED_TRACE(bAccepted ? "accepted" : "cancelled");
        wintest::DeleteSettingsKey();
        SetDefaultSettings(&Settings);
        Settings.nDrawChara = 2, Settings.nChangeTiming = 6, Settings.bAlarm = 1, Settings.nHourOld = 14;
        const auto tick = [&](WORD hour, WORD minute, WORD second) {
            const SYSTEMTIME st = {2024, 6, 3, 5, hour, minute, second, 0};
            SetLocalTimeOverride(&st);
            SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
        };
        tick(14, 59, 59);
        nSignals = 0;
        LRESULT secondResult = 0;
        EXPECT_TRUE(wintest::RunPropertySheet(hWnd, nButton, [&](HWND) {
            if (Settings.nHourOld == 15)
                return;
            tick(15, 0, 0);
            Settings.bTopMost = 1, Settings.nWindowX = 123;
            secondResult = Command(IDM_PROPERTY);
        }));
        tick(15, 0, 1);
        SetLocalTimeOverride(nullptr);
        EXPECT_EQ(std::tuple(secondResult, bInProperty, nSignals), std::tuple(LRESULT(1), 0, 1));
        EXPECT_EQ(std::tuple(Settings.nDrawChara, Settings.nHourOld, Settings.bTopMost, Settings.nWindowX),
                  std::tuple(0, 15, bAccepted ? 1 : 0, 123));
        EXPECT_EQ((GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, bAccepted);
        EXPECT_EQ(wintest::CountSettingsValues(), bAccepted ? kSettingFieldCount : 0);
    }
    SetSoundCalls(nullptr, nullptr);
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

// A record that never loaded must not overwrite the store; the end-to-end exits save a loaded one.
TEST_F(MainWindow, DestroySavesNoUnloadedRecordAndQuitsWithZero)
{
    bSettingsLoaded = 0;
    DestroyWindow(hWnd);
    bSettingsLoaded = 1;
    EXPECT_EQ(wintest::CountSettingsValues(), 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

}  // namespace
