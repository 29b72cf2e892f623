// The context menu opened in-process: its items, its check mark, and no menu left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/tray_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

// What the popup held while it was open, read from its own window.
struct MenuSeen {
    int nOpenings = 0;
    RECT rcWindow = {};
    int nItems = 0;
    UINT uCalendarState = 0;
    UINT uFirstItem = 0;
};

class ContextMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.nWindowX = 300;
        Settings.nWindowY = 200;
        hWnd = wintest::CreateMainWindow(300, 200);
        // Every opening is read and closed again as soon as it waits for input.
        wintest::SetMenuIdleHandler([this](HWND hWndMenu) {
            HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hWndMenu, MN_GETHMENU, 0, 0));
            ++seen.nOpenings;
            GetWindowRect(hWndMenu, &seen.rcWindow);
            seen.nItems = GetMenuItemCount(hMenu);
            seen.uCalendarState = GetMenuState(hMenu, IDM_CALENDAR, MF_BYCOMMAND);
            seen.uFirstItem = GetMenuState(hMenu, 0, MF_BYPOSITION);
            EndMenu();
        });
    }
    void TearDown() override { wintest::DestroyMainWindow(hWnd); }

    HWND hWnd = nullptr;
    MenuSeen seen;
};

// How many more popup menus this process can make: a leak of USER objects
// shows as a smaller number.
int MenuCapacity()
{
    std::vector<HMENU> menus;
    while (HMENU hMenu = CreatePopupMenu())
        menus.push_back(hMenu);
    for (HMENU hMenu : menus)
        DestroyMenu(hMenu);
    return static_cast<int>(menus.size());
}

TEST_F(ContextMenuTest, OpensTheContextPopupAtThePoint)
{
    TrackContextMenu(hWnd, {400, 300});
    EXPECT_EQ(seen.nOpenings, 1);
    EXPECT_EQ(seen.rcWindow.left, 400);
    EXPECT_EQ(seen.rcWindow.top, 300);
    EXPECT_EQ(seen.nItems, 8);
    // The character submenu first.
    EXPECT_NE(seen.uFirstItem & MF_POPUP, 0u);
}

TEST_F(ContextMenuTest, CalendarCheckMarkFollowsThePage)
{
    for (int32_t bStatus : {0, 1, 0}) {
        Settings.bStatus = bStatus;
        TrackContextMenu(hWnd, {400, 300});
        EXPECT_EQ(seen.uCalendarState & MF_CHECKED, bStatus ? static_cast<UINT>(MF_CHECKED) : 0u)
            << "bStatus " << bStatus;
    }
}

TEST_F(ContextMenuTest, OnlyARightPressOnOurIconOpensTheMenu)
{
    const int32_t bStatusBefore = Settings.bStatus;
    const LPARAM others[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK};
    for (LPARAM lParam : others)
        SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, lParam);
    // Another icon's right press is not ours.
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID + 1, WM_RBUTTONDOWN);
    EXPECT_EQ(seen.nOpenings, 0);
    EXPECT_EQ(Settings.bStatus, bStatusBefore);
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    EXPECT_EQ(seen.nOpenings, 1);
}

TEST_F(ContextMenuTest, NoMenuIsLeftBehindByOpenings)
{
    TrackContextMenu(hWnd, {400, 300});
    const int before = MenuCapacity();
    ASSERT_GT(before, 1000);
    for (int i = 0; i < 100; ++i)
        TrackContextMenu(hWnd, {400, 300});
    EXPECT_EQ(seen.nOpenings, 101);
    EXPECT_EQ(MenuCapacity(), before);
}

}  // namespace
