// Placement and dragging of a real window under real mouse input.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "app/placement_win.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

using wintest::MouseButton;
using wintest::MouseMoveTo;

// Where the window stands (left, top, width, height) and the position Settings holds.
using Where = std::array<LONG, 6>;
Where State(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, Settings.nWindowX, Settings.nWindowY};
}

// Free mode, the page shown on the left, whole screen; the window at (300, 200), away from the Wine
// tray window in the top-left corner.
class PlacementTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.nWindowX = 300;
        Settings.nWindowY = 200;
        hWnd = wintest::CreateMainWindow(300, 200);
    }
    void TearDown() override
    {
        if (bDragging || GetAsyncKeyState(VK_LBUTTON) < 0)
            MouseButton(MOUSEEVENTF_LEFTUP);
        wintest::DestroyMainWindow(hWnd);
    }

    HWND hWnd = nullptr;
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(PlacementTest, PlaceWindowFollowsModeAndPageAndKeepsTheStoredPosition)
{
    const struct { int32_t nWindowPos, nCalendarPos, x, y; Where expected; } cases[] = {
        {0, 1, -500, -500, {0, 0, 240, 160, -500, -500}},
        {2, 1, 300, 200, {cx - 240, 0, 240, 160, 300, 200}},
        {3, 0, 300, 200, {0, cy - 320, 120, 320, 300, 200}},
    };
    for (const auto &c : cases) {
        Settings.nWindowPos = c.nWindowPos;
        Settings.nCalendarPos = c.nCalendarPos;
        Settings.nWindowX = c.x;
        Settings.nWindowY = c.y;
        PlaceWindow(hWnd);
        EXPECT_EQ(State(hWnd), c.expected) << "mode " << c.nWindowPos;
    }
}

// Pressed 30 and 40 pixels inside the window.
TEST_F(PlacementTest, LeftDragMovesTheWindowInsideTheScreenAndStoresIt)
{
    MouseMoveTo(330, 240);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    const struct { int x, y; LONG left, top; } moves[] = {
        {500, 400, 470, 360}, {5, 300, 0, 260}, {400, cy - 5, 370, cy - 160}};
    for (const auto &m : moves) {
        MouseMoveTo(m.x, m.y);
        EXPECT_EQ(State(hWnd), (Where{m.left, m.top, 240, 160, m.left, m.top})) << m.x << "," << m.y;
    }
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(std::pair(bDragging, GetCapture()), std::pair(0, HWND(nullptr)));
}

// A right press puts the window back where the drag started; a capture lost to another window
// ends the drag where the window stands. The left release that follows moves nothing.
TEST_F(PlacementTest, RightPressOrLostCaptureEndsTheDrag)
{
    HWND hWndOther = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const struct { void (*end)(HWND hWndOther); LONG left, top; } cases[] = {
        {[](HWND) { MouseButton(MOUSEEVENTF_RIGHTDOWN); MouseButton(MOUSEEVENTF_RIGHTUP); }, 300, 200},
        {[](HWND h) { SetCapture(h); wintest::PumpMessages(); ReleaseCapture(); }, 570, 360},
    };
    for (const auto &c : cases) {
        MouseMoveTo(330, 240);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        MouseMoveTo(600, 400);
        ASSERT_EQ(State(hWnd), (Where{570, 360, 240, 160, 570, 360}));
        c.end(hWndOther);
        MouseMoveTo(650, 450);
        MouseButton(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(State(hWnd), (Where{c.left, c.top, 240, 160, c.left, c.top}));
    }
    DestroyWindow(hWndOther);
}

TEST_F(PlacementTest, PressWhenFixedOrInACornerRecordsTheStartOnly)
{
    const struct { int32_t bFix, nWindowPos; LONG left, top; } cases[] = {{1, 0, 300, 200}, {0, 4, cx - 240, cy - 160}};
    for (const auto &c : cases) {
        Settings.bFix = c.bFix;
        Settings.nWindowPos = c.nWindowPos;
        PlaceWindow(hWnd);
        ptDragStart = {-1, -1};
        MouseMoveTo(c.left + 60, c.top + 100);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        EXPECT_EQ(std::pair(ptDragStart.x, ptDragStart.y), std::pair(int(c.left), int(c.top))) << c.nWindowPos;
        EXPECT_EQ(std::pair(bDragging, GetCapture()), std::pair(0, HWND(nullptr))) << c.nWindowPos;
        MouseButton(MOUSEEVENTF_LEFTUP);
    }
}

// Stored off screen, shown at the right edge: the first click stores where it is shown, the
// second hides the page on the left, keeping the character where it stands.
TEST_F(PlacementTest, DoubleClickStoresTheCornerAndTogglesThePage)
{
    Settings.nWindowX = 2000;
    PlaceWindow(hWnd);
    MouseMoveTo(cx - 60, 240);
    for (DWORD dwFlags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        MouseButton(dwFlags);
    EXPECT_EQ(std::pair(Settings.bStatus, bDragging), std::pair(0, 0));
    EXPECT_EQ(State(hWnd), (Where{cx - 120, 200, 120, 160, cx - 120, 200}));
}

}  // namespace
