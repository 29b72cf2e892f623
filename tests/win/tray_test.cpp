// The context menu opened in-process: where it opens, its check mark, and no menu left behind.
#include <gtest/gtest.h>

#include <tuple>

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
            ++nOpenings;
            GetWindowRect(hWndMenu, &rcMenu);
            HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hWndMenu, MN_GETHMENU, 0, 0));
            nChecked = (GetMenuState(hMenu, IDM_CALENDAR, MF_BYCOMMAND) & MF_CHECKED) != 0;
            EndMenu();
        });
    }
    void TearDown() override { wintest::DestroyMainWindow(hWnd); }

    HWND hWnd = nullptr;
    int nOpenings = 0, nChecked = -1;
    RECT rcMenu = {};
};

// The page alternates, so the check mark must follow it both ways; each opening moves the point.
TEST_F(ContextMenuTest, EveryOpeningIsAtThePointCheckedWhileThePageShowsAndLeavesNoMenu)
{
    TrackContextMenu(hWnd, {400, 300});
    const int before = wintest::MenuCapacity();
    ASSERT_GT(before, 1000);
    for (int i = 0; i < 100; ++i) {
        Settings.bStatus = i % 2;
        TrackContextMenu(hWnd, {400 + i, 300 + i});
        ASSERT_EQ(std::tuple(rcMenu.left, rcMenu.top, nChecked), std::tuple(400L + i, 300L + i, i % 2));
    }
    EXPECT_EQ(wintest::MenuCapacity(), before);
}

// The other presses change nothing here (a left press only brings the window forward); the
// right press itself is driven from outside.
TEST_F(ContextMenuTest, NoOtherPressOrIconOpensTheMenu)
{
    for (LPARAM lParam : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK})
        SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, lParam);
    SendMessageA(hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID + 1, WM_RBUTTONDOWN);
    EXPECT_EQ(std::tuple(nOpenings, Settings.bStatus), std::tuple(0, 1));
}

}  // namespace
