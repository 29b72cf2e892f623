// The context menu opened in-process: where it opens, its check mark, and no menu left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "app/tray_win.h"
#include "settings/settings.h"
#include "tests/common/tray_probe.h"
#include "tests/win/win_test_util.h"

namespace {

class ContextMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        hWnd = wintest::CreateMainWindow(300, 200);
        // Every opening is read from the popup's own window and closed as soon as it waits for input.
        wintest::SetMenuIdleHandler([this](HWND hWndMenu) {
            ++nOpenings;
            GetWindowRect(hWndMenu, &rcMenu);
            HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hWndMenu, MN_GETHMENU, 0, 0));
            nChecked = (GetMenuState(hMenu, IDM_CALENDAR, MF_BYCOMMAND) & MF_CHECKED) != 0;
            nThroughChecked = (GetMenuState(hMenu, IDM_CLICKTHROUGH, MF_BYCOMMAND) & MF_CHECKED) != 0;
            EndMenu();
        });
    }
    void TearDown() override { wintest::DestroyMainWindow(hWnd); }

    HWND hWnd = nullptr;
    int nOpenings = 0, nChecked = -1, nThroughChecked = -1;
    RECT rcMenu = {};
};

// The page and click-through alternate out of step, so each check mark must follow its own flag
// both ways; each opening moves the point.
TEST_F(ContextMenuTest, EveryOpeningIsAtThePointCheckedWhileThePageShowsOrClicksPassAndLeavesNoMenu)
{
    TrackContextMenu(hWnd, {400, 300});
    const int before = wintest::MenuCapacity();
    ASSERT_GT(before, 1000);
    for (int i = 0; i < 100; ++i) {
        Settings.bStatus = i % 2;
        Settings.bClickThrough = i / 2 % 2;
        TrackContextMenu(hWnd, {400 + i, 300 + i});
        ASSERT_EQ(std::tuple(rcMenu.left, rcMenu.top, nChecked, nThroughChecked),
                  std::tuple(400L + i, 300L + i, i % 2, i / 2 % 2));
    }
    EXPECT_EQ(wintest::MenuCapacity(), before);
}

// Other presses and another icon's press open nothing (a left press only brings the window
// forward; the release opens the month calendar, tested with it). Notification-icon menus need a
// message to the owner after they close, or the next one may not close on a click elsewhere; the
// window's own menu needs none.
TEST_F(ContextMenuTest, OnlyTheRightPressesOpenTheMenuAndOnlyTheTrayMenuIsFollowedByANullMessage)
{
    const auto nullsQueued = [this] {
        int n = 0;
        MSG msg;
        while (PeekMessageA(&msg, hWnd, 0, 0, PM_REMOVE))
            n += msg.message == WM_NULL;
        return n;
    };
    nullsQueued();
    for (LPARAM lParam : {WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK})
        SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, lParam);
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID + 1, WM_RBUTTONDOWN);
    EXPECT_EQ(std::tuple(nOpenings, Settings.bStatus), std::tuple(0, 1));
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    EXPECT_EQ(std::tuple(nOpenings, nullsQueued()), std::tuple(1, 1));
    SendMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(std::tuple(nOpenings, nullsQueued()), std::tuple(2, 0));
}

// After Explorer restarts no icon is left; its broadcast brings Vespin's back unless it is kept away.
TEST_F(ContextMenuTest, TaskbarCreatedAddsTheIconAgainUnlessItIsKeptAway)
{
    const UINT uTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    for (int32_t bTaskTrayNoIcon : {0, 1}) {
        SetTrayIcon(hWnd, FALSE);
        ASSERT_FALSE(TrayIconExists(hWnd));
        Settings.bTaskTrayNoIcon = bTaskTrayNoIcon;
        EXPECT_EQ(SendMessageA(hWnd, uTaskbarCreated, 0, 0), 0);
        EXPECT_EQ(TrayIconExists(hWnd), bTaskTrayNoIcon == 0) << bTaskTrayNoIcon;
    }
}

}  // namespace
