// The time signal's options in-process: the strike driven message by message with the sound calls
// recorded, and the balloon window from its signal to a click.
#include "base/dialog_place_win.h"
#include "base/wide_win.h"
#include "chime/balloon_win.h"
#include "chime/chime_win.h"
#include "chime/sound_win.h"
#include "chime/strike_win.h"
#include "tests/win/render_fixture.h"

#include <string>

namespace {

std::string played;  // each call as a word: chime (Vespin's own), a name, or beep
BOOL playResult;

BOOL WINAPI RecordPlay(LPCWSTR pszSound, HMODULE, DWORD)
{
    char sz[300] = "chime";
    if (!IS_INTRESOURCE(pszSound))
        ToShiftJis(pszSound, sz, sizeof(sz));
    played += std::string(played.empty() ? "" : " ") + sz;
    return playResult;
}

BOOL WINAPI RecordBeep(UINT)
{
    played += " beep";
    return TRUE;
}

HWND StrikeWindow()
{
    return FindWindowExW(HWND_MESSAGE, nullptr, kStrikeClassName, nullptr);
}

class SignalTest : public RenderTest {
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        SetSoundCalls(RecordPlay, RecordBeep);
        Settings.bAlarm = Settings.bAlarm30 = 1;
        lstrcpyA(Settings.szWave30, "Half");
    }
    void TearDown() override
    {
        StopStrikes();
        SetSoundCalls(nullptr, nullptr);
        nWindowScale = 1;
        RenderTest::TearDown();
    }
    // A check on a day of June 2024 (the 5th a Wednesday, the 9th a Sunday), the last a minute before.
    static void CheckAt(WORD day, WORD hour, WORD minute)
    {
        Settings.nHourOld = minute ? hour : hour - 1, Settings.nMinuteOld = minute ? minute - 1 : 59;
        bChimeReady = 1;
        CheckTimeSignal(PinTime(2024, 6, day, static_cast<WORD>((day + 5) % 7), hour, minute));
    }
};

// Steps after the check of 15:00: t the strike's timer message, o striking turned off, h the signal
// of 15:30. However a strike ends, its timer is gone.
TEST_F(SignalTest, FifteenOClockStrikesThreeTimesInOrderAndANewSignalOrTheOptionOffEndsIt)
{
    const struct { const char *what, *wave; WORD day; BOOL plays; const char *steps, *expected; } cases[] = {
        {"struck three times", "", 5, TRUE, "ttt", "chime chime chime"},
        {"a system sound's length is unknown", "SystemAsterisk", 5, TRUE, "t", "SystemAsterisk"},
        {"the beep stood in", "", 5, FALSE, "t", "chime beep"},
        {"turned off after the second", "", 5, TRUE, "tot", "chime chime"},
        {"a new signal ends it", "", 5, TRUE, "thtt", "chime chime Half"},
        {"a Sunday, with days off quiet", "", 9, TRUE, "t", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        lstrcpyA(Settings.szWave, c.wave);
        Settings.bStrikeHours = 1, Settings.bQuietDaysOff = 1;
        played.clear(), playResult = c.plays;
        CheckAt(c.day, 15, 0);
        for (const char *p = c.steps; *p; ++p) {
            if (*p == 't' && StrikeWindow())
                SendMessageW(StrikeWindow(), WM_TIMER, kStrikeTimerId, 0);
            Settings.bStrikeHours &= *p != 'o';
            if (*p == 'h')
                CheckAt(c.day, 15, 30);
        }
        EXPECT_EQ(played, c.expected);
        EXPECT_FALSE(StrikeWindow() && KillTimer(StrikeWindow(), kStrikeTimerId)) << "no timer between signals";
    }
}

// Shown though only the beep stood in, at 2x: the page's 12-hour "3時", taking no activation,
// inside the work area, gone at a click. Its timer and its place are the other tests'.
TEST_F(SignalTest, TheBalloonSaysTheTimeWithoutActivationAndGoesAtAClick)
{
    Settings.nWindowX = 400, Settings.nWindowY = 300, Settings.bSignalBalloon = 1;
    HWND hWnd = wintest::CreateMainWindow(400, 300);
    const HWND hSavedApp = AppInfo.hWnd;
    AppInfo.hWnd = hWnd;
    SetForegroundWindow(hWnd);
    playResult = FALSE, nWindowScale = 2;
    CheckAt(5, 15, 0);
    HWND hBalloon = FindWindowW(kBalloonClassName, nullptr);
    ASSERT_TRUE(hBalloon && IsWindowVisible(hBalloon));
    WCHAR szText[32] = L"";
    GetWindowTextW(hBalloon, szText, ARRAYSIZE(szText));
    EXPECT_STREQ(szText, L"3時です");
    constexpr LONG kExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    EXPECT_EQ(GetWindowLongW(hBalloon, GWL_EXSTYLE) & kExStyle, kExStyle);
    RECT rc, rcBoth;
    GetWindowRect(hBalloon, &rc);
    const RECT rcWork = GetWorkAreaNear(hWnd);
    UnionRect(&rcBoth, &rc, &rcWork);
    EXPECT_TRUE(EqualRect(&rcBoth, &rcWork)) << "inside the work area";
    wintest::MouseMoveTo((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    wintest::MouseButton(MOUSEEVENTF_LEFTDOWN);
    wintest::MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(IsWindow(hBalloon));
    EXPECT_EQ(GetForegroundWindow(), hWnd) << "the gadget kept the foreground";
    AppInfo.hWnd = hSavedApp;
    wintest::DestroyMainWindow(hWnd);
}

}  // namespace
