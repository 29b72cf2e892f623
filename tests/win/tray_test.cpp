// The context menu opened in-process: its items, its check mark, and no menu left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/tray_win.h"
#include "res/resource.h"
#include "settings/settings.h"
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
            HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hWndMenu, MN_GETHMENU, 0, 0));
            ++nOpenings;
            GetWindowRect(hWndMenu, &rcMenu);
            nItems = GetMenuItemCount(hMenu);
            uCalendarState = GetMenuState(hMenu, IDM_CALENDAR, MF_BYCOMMAND);
            EndMenu();
        });
    }
    void TearDown() override { wintest::DestroyMainWindow(hWnd); }

    HWND hWnd = nullptr;
    int nOpenings = 0, nItems = 0;
    RECT rcMenu = {};
    UINT uCalendarState = 0;
};

TEST_F(ContextMenuTest, EightItemsAtThePointWithTheCalendarCheckedWhileThePageShows)
{
    const struct { int32_t bStatus; POINT pt; } cases[] = {{0, {400, 300}}, {1, {420, 310}}, {0, {400, 300}}};
    for (const auto &c : cases) {
        Settings.bStatus = c.bStatus;
        TrackContextMenu(hWnd, c.pt);
        EXPECT_EQ(rcMenu.left, c.pt.x);
        EXPECT_EQ(rcMenu.top, c.pt.y);
        EXPECT_EQ(nItems, 8);
        EXPECT_EQ(uCalendarState & MF_CHECKED, c.bStatus ? UINT(MF_CHECKED) : 0u) << "bStatus " << c.bStatus;
    }
    EXPECT_EQ(nOpenings, 3);
}

TEST_F(ContextMenuTest, OnlyARightPressOnOurIconOpensTheMenu)
{
    const int32_t bStatus = Settings.bStatus;
    for (LPARAM lParam : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK})
        SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, lParam);
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID + 1, WM_RBUTTONDOWN);
    EXPECT_EQ(nOpenings, 0);
    EXPECT_EQ(Settings.bStatus, bStatus);
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    EXPECT_EQ(nOpenings, 1);
}

TEST_F(ContextMenuTest, NoMenuIsLeftBehindByOpenings)
{
    TrackContextMenu(hWnd, {400, 300});
    const int before = wintest::MenuCapacity();
    ASSERT_GT(before, 1000);
    for (int i = 0; i < 100; ++i)
        TrackContextMenu(hWnd, {400, 300});
    EXPECT_EQ(nOpenings, 101);
    EXPECT_EQ(wintest::MenuCapacity(), before);
}

}  // namespace
