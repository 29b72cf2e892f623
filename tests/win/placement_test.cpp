// Placement and dragging of a real window under real mouse input.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include "app/placement_win.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

using wintest::MouseButton;
using wintest::MouseMoveTo;

RECT WindowRect(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return rc;
}

void ExpectRect(const RECT &rc, LONG left, LONG top, LONG right, LONG bottom)
{
    EXPECT_EQ(rc.left, left);
    EXPECT_EQ(rc.top, top);
    EXPECT_EQ(rc.right, right);
    EXPECT_EQ(rc.bottom, bottom);
}

void ExpectStored(LONG x, LONG y)
{
    EXPECT_EQ(Settings.nWindowX, x);
    EXPECT_EQ(Settings.nWindowY, y);
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
        Settings.nWindowPos = 0;
        Settings.bStatus = 0;
        Settings.nCalendarPos = 1;
        Settings.bAwayTaskBar = 0;
        Settings.bFix = 0;
        bDragging = 0;
        cx = GetSystemMetrics(SM_CXSCREEN);
        cy = GetSystemMetrics(SM_CYSCREEN);
        hWnd = wintest::CreateMainWindow(300, 200);
    }
    void TearDown() override
    {
        if (bDragging || GetAsyncKeyState(VK_LBUTTON) < 0)
            MouseButton(MOUSEEVENTF_LEFTUP);
        wintest::DestroyMainWindow(hWnd);
    }

    // Presses the left button at (330, 240), 30 and 40 pixels inside the window.
    void PressInWindow()
    {
        MouseMoveTo(330, 240);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
    }

    HWND hWnd = nullptr;
    LONG cx = 0, cy = 0;
};

TEST_F(PlacementTest, PlaceWindowFollowsModeAndPage)
{
    struct Case {
        int32_t nWindowPos, bStatus, nCalendarPos;
        LONG left, top, width, height;
    };
    const Case cases[] = {
        {0, 0, 0, 300, 200, 120, 160},
        {0, 1, 0, 300, 200, 120, 320},
        {0, 1, 1, 300, 200, 240, 160},
        {1, 0, 1, 0, 0, 120, 160},
        {1, 1, 2, 0, 0, 120, 320},
        {2, 0, 1, cx - 120, 0, 120, 160},
        {2, 1, 1, cx - 240, 0, 240, 160},
        {3, 1, 3, 0, cy - 160, 240, 160},
        {3, 1, 0, 0, cy - 320, 120, 320},
        {4, 0, 0, cx - 120, cy - 160, 120, 160},
        {4, 1, 2, cx - 120, cy - 320, 120, 320},
        {4, 1, 3, cx - 240, cy - 160, 240, 160},
    };
    for (const Case &c : cases) {
        Settings.nWindowPos = c.nWindowPos;
        Settings.bStatus = c.bStatus;
        Settings.nCalendarPos = c.nCalendarPos;
        PlaceWindow(hWnd);
        SCOPED_TRACE(testing::Message() << "mode " << c.nWindowPos << ", page " << c.bStatus << "/" << c.nCalendarPos);
        ExpectRect(WindowRect(hWnd), c.left, c.top, c.left + c.width, c.top + c.height);
        ExpectStored(300, 200);
    }
}

TEST_F(PlacementTest, StoredPositionOffScreenIsShownInsideAndKept)
{
    Settings.nWindowX = -500;
    Settings.nWindowY = -500;
    // As start-up does: the unfitted rectangle first, then the first paint.
    RECT rc = CalcWindowRect(hWnd);
    SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
    ExpectRect(WindowRect(hWnd), 0, 0, 120, 160);
    ExpectStored(-500, -500);
}

TEST_F(PlacementTest, BottomRightBesideTaskbarSitsOnIt)
{
    APPBARDATA abd = {};
    abd.cbSize = sizeof(abd);
    ASSERT_NE(SHAppBarMessage(ABM_GETTASKBARPOS, &abd), 0u);
    ASSERT_EQ(abd.rc.bottom, cy) << "expected a taskbar at the bottom";
    Settings.bAwayTaskBar = 1;
    Settings.nWindowPos = 4;
    PlaceWindow(hWnd);
    EXPECT_EQ(WindowRect(hWnd).bottom, abd.rc.top);
    EXPECT_EQ(WindowRect(hWnd).right, cx);
}

TEST_F(PlacementTest, LeftDragMovesTheWindowAndStoresIt)
{
    PressInWindow();
    EXPECT_EQ(bDragging, 1);
    EXPECT_EQ(GetCapture(), hWnd);
    MouseMoveTo(500, 400);
    ExpectRect(WindowRect(hWnd), 470, 360, 590, 520);
    ExpectStored(470, 360);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(bDragging, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    ExpectRect(WindowRect(hWnd), 470, 360, 590, 520);
    ExpectStored(470, 360);
    // The next paint works from the stored position and leaves it there.
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
    EXPECT_EQ(WindowRect(hWnd).left, 470);
}

TEST_F(PlacementTest, DragIsHeldInsideTheMoveArea)
{
    struct Case {
        const char *what;
        int cursorX, cursorY;
        LONG left, top;
    };
    const Case cases[] = {
        {"past the left edge", 5, 300, 0, 260},
        {"past the right edge", cx - 5, 300, cx - 120, 260},
        {"past the top edge", 400, 5, 370, 0},
        {"past the bottom edge", 400, cy - 5, 370, cy - 160},
        {"into the top-left corner", 0, 0, 0, 0},
    };
    PressInWindow();
    for (const Case &c : cases) {
        MouseMoveTo(c.cursorX, c.cursorY);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WindowRect(hWnd).left, c.left);
        EXPECT_EQ(WindowRect(hWnd).top, c.top);
        ExpectStored(c.left, c.top);
    }
    MouseButton(MOUSEEVENTF_LEFTUP);
}

TEST_F(PlacementTest, RightPressDuringDragPutsTheWindowBack)
{
    PressInWindow();
    MouseMoveTo(600, 500);
    ASSERT_EQ(WindowRect(hWnd).left, 570);
    MouseButton(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(bDragging, 0);
    EXPECT_NE(GetCapture(), hWnd);
    ExpectRect(WindowRect(hWnd), 300, 200, 420, 360);
    ExpectStored(300, 200);
    MouseButton(MOUSEEVENTF_RIGHTUP);
    // The left release that follows ends nothing and moves nothing.
    MouseMoveTo(650, 550);
    MouseButton(MOUSEEVENTF_LEFTUP);
    ExpectRect(WindowRect(hWnd), 300, 200, 420, 360);
    ExpectStored(300, 200);
}

TEST_F(PlacementTest, PressWhenFixedOrInACornerRecordsStartOnly)
{
    struct Case {
        int32_t bFix, nWindowPos;
        LONG left, top;
    };
    const Case cases[] = {
        {1, 0, 300, 200},
        {0, 4, cx - 120, cy - 160},
        {0, 2, cx - 120, 0},
        {1, 3, 0, cy - 160},
    };
    for (const Case &c : cases) {
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
        EXPECT_EQ(WindowRect(hWnd).left, c.left);
        EXPECT_EQ(WindowRect(hWnd).top, c.top);
        ExpectStored(300, 200);
    }
}

TEST_F(PlacementTest, DoubleClickStoresTheCornerAndTogglesThePage)
{
    // Stored off screen, shown at the right edge: the first click stores where it is shown.
    Settings.nWindowX = 2000;
    PlaceWindow(hWnd);
    ASSERT_EQ(WindowRect(hWnd).left, cx - 120);
    MouseMoveTo(cx - 60, 240);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    ExpectStored(cx - 120, 200);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Settings.bStatus, 1);
    EXPECT_EQ(bDragging, 0);
    ExpectStored(cx - 120, 200);
    // The page to the right does not fit: the repaint pulls the wider window in.
    ExpectRect(WindowRect(hWnd), cx - 240, 200, cx, 360);
}

TEST_F(PlacementTest, LostCaptureEndsTheDragWhereTheWindowStands)
{
    HWND hWndOther = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PressInWindow();
    MouseMoveTo(450, 350);
    ASSERT_EQ(WindowRect(hWnd).left, 420);
    // Capture taken by the window itself is no loss.
    SendMessageA(hWnd, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    EXPECT_EQ(bDragging, 1);
    SetCapture(hWndOther);
    wintest::PumpMessages();
    EXPECT_EQ(bDragging, 0);
    ExpectRect(WindowRect(hWnd), 420, 310, 540, 470);
    ExpectStored(420, 310);
    ReleaseCapture();
    // Later moves and the release no longer drag.
    MouseMoveTo(600, 500);
    MouseButton(MOUSEEVENTF_LEFTUP);
    ExpectRect(WindowRect(hWnd), 420, 310, 540, 470);
    ExpectStored(420, 310);
    DestroyWindow(hWndOther);
}

}  // namespace
