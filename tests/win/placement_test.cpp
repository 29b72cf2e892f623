// Placement and dragging of a real window under real mouse input.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "app/placement_win.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

using wintest::MouseButton;
using wintest::MouseMoveTo;

std::string Format(LONG left, LONG top, LONG width, LONG height, LONG x, LONG y)
{
    char sz[96];
    wsprintfA(sz, "%ld,%ld %ldx%ld stored %ld,%ld", left, top, width, height, x, y);
    return sz;
}

// Where the window stands and which position Settings holds, as one comparable text.
std::string State(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return Format(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, Settings.nWindowX, Settings.nWindowY);
}

// Free mode, page hidden, whole screen; the window at (300, 200), away from
// the Wine tray window in the top-left corner.
class PlacementTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.nWindowX = 300;
        Settings.nWindowY = 200;
        Settings.nWindowPos = Settings.bStatus = Settings.bAwayTaskBar = Settings.bFix = 0;
        Settings.nCalendarPos = 1;
        bDragging = 0;
        hWnd = wintest::CreateMainWindow(300, 200);
    }
    void TearDown() override
    {
        if (bDragging || GetAsyncKeyState(VK_LBUTTON) < 0)
            MouseButton(MOUSEEVENTF_LEFTUP);
        wintest::DestroyMainWindow(hWnd);
    }

    // Presses the left button 30 and 40 pixels inside the window.
    void PressInWindow()
    {
        MouseMoveTo(330, 240);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
    }

    HWND hWnd = nullptr;
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(PlacementTest, PlaceWindowFollowsModeAndPageAndKeepsTheStoredPosition)
{
    const struct { int32_t nWindowPos, bStatus, nCalendarPos, x, y; LONG left, top, width, height; } cases[] = {
        {0, 1, 1, 300, 200, 300, 200, 240, 160},
        {0, 0, 0, -500, -500, 0, 0, 120, 160},
        {1, 1, 2, 300, 200, 0, 0, 120, 320},
        {2, 1, 1, 300, 200, cx - 240, 0, 240, 160},
        {3, 1, 0, 300, 200, 0, cy - 320, 120, 320},
        {4, 0, 0, 300, 200, cx - 120, cy - 160, 120, 160},
    };
    for (const auto &c : cases) {
        Settings.nWindowPos = c.nWindowPos;
        Settings.bStatus = c.bStatus;
        Settings.nCalendarPos = c.nCalendarPos;
        Settings.nWindowX = c.x;
        Settings.nWindowY = c.y;
        PlaceWindow(hWnd);
        EXPECT_EQ(State(hWnd), Format(c.left, c.top, c.width, c.height, c.x, c.y)) << "mode " << c.nWindowPos;
    }
    APPBARDATA abd = {};
    abd.cbSize = sizeof(abd);
    ASSERT_NE(SHAppBarMessage(ABM_GETTASKBARPOS, &abd), 0u);
    ASSERT_EQ(abd.rc.bottom, cy) << "expected a taskbar at the bottom";
    Settings.bAwayTaskBar = 1;
    PlaceWindow(hWnd);
    EXPECT_EQ(State(hWnd), Format(cx - 120, abd.rc.top - 160, 120, 160, 300, 200));
}

TEST_F(PlacementTest, LeftDragMovesTheWindowInsideTheScreenAndStoresIt)
{
    const struct { int x, y; LONG left, top; } moves[] = {
        {500, 400, 470, 360}, {5, 300, 0, 260},        {cx - 5, 300, cx - 120, 260},
        {400, 5, 370, 0},     {400, cy - 5, 370, cy - 160}, {500, 400, 470, 360},
    };
    PressInWindow();
    EXPECT_EQ(bDragging, 1);
    EXPECT_EQ(GetCapture(), hWnd);
    for (const auto &m : moves) {
        MouseMoveTo(m.x, m.y);
        EXPECT_EQ(State(hWnd), Format(m.left, m.top, 120, 160, m.left, m.top)) << m.x << "," << m.y;
    }
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(bDragging, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    // The next paint works from the stored position and leaves it there.
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
    EXPECT_EQ(State(hWnd), Format(470, 360, 120, 160, 470, 360));
}

TEST_F(PlacementTest, RightPressDuringDragPutsTheWindowBack)
{
    PressInWindow();
    MouseMoveTo(600, 500);
    ASSERT_EQ(State(hWnd), Format(570, 460, 120, 160, 570, 460));
    MouseButton(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(bDragging, 0);
    EXPECT_NE(GetCapture(), hWnd);
    EXPECT_EQ(State(hWnd), Format(300, 200, 120, 160, 300, 200));
    MouseButton(MOUSEEVENTF_RIGHTUP);
    // The left release that follows ends nothing and moves nothing.
    MouseMoveTo(650, 550);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(State(hWnd), Format(300, 200, 120, 160, 300, 200));
}

TEST_F(PlacementTest, PressWhenFixedOrInACornerRecordsStartOnly)
{
    const struct { int32_t bFix, nWindowPos; LONG left, top; } cases[] = {
        {1, 0, 300, 200}, {0, 4, cx - 120, cy - 160}, {1, 3, 0, cy - 160},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "bFix " << c.bFix << ", mode " << c.nWindowPos);
        Settings.bFix = c.bFix;
        Settings.nWindowPos = c.nWindowPos;
        PlaceWindow(hWnd);
        ptDragStart = {-1, -1};
        MouseMoveTo(c.left + 60, c.top + 100);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        EXPECT_EQ(ptDragStart.x, c.left);
        EXPECT_EQ(ptDragStart.y, c.top);
        EXPECT_EQ(bDragging, 0);
        EXPECT_NE(GetCapture(), hWnd);
        MouseMoveTo(c.left + 90, c.top + 120);
        MouseButton(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(State(hWnd), Format(c.left, c.top, 120, 160, 300, 200));
    }
}

TEST_F(PlacementTest, DoubleClickStoresTheCornerAndTogglesThePage)
{
    // Stored off screen, shown at the right edge: the first click stores where it is shown.
    Settings.nWindowX = 2000;
    PlaceWindow(hWnd);
    MouseMoveTo(cx - 60, 240);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(State(hWnd), Format(cx - 120, 200, 120, 160, cx - 120, 200));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Settings.bStatus, 1);
    EXPECT_EQ(bDragging, 0);
    // The page to the right does not fit: the repaint pulls the wider window in.
    EXPECT_EQ(State(hWnd), Format(cx - 240, 200, 240, 160, cx - 120, 200));
}

TEST_F(PlacementTest, LostCaptureEndsTheDragWhereTheWindowStands)
{
    HWND hWndOther = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PressInWindow();
    MouseMoveTo(450, 350);
    // Capture taken by the window itself is no loss.
    SendMessageA(hWnd, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    EXPECT_EQ(bDragging, 1);
    SetCapture(hWndOther);
    wintest::PumpMessages();
    EXPECT_EQ(bDragging, 0);
    EXPECT_EQ(State(hWnd), Format(420, 310, 120, 160, 420, 310));
    ReleaseCapture();
    // Later moves and the release no longer drag.
    MouseMoveTo(600, 500);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(State(hWnd), Format(420, 310, 120, 160, 420, 310));
    DestroyWindow(hWndOther);
}

}  // namespace
