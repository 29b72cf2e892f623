// The monitor layout is read once and again only when the display or the work area changes,
// and the window is placed on the new layout at once.
#include <gtest/gtest.h>

#include <array>

#include "app/placement_win.h"
#include "settings/settings.h"
#include "tests/win/win_test_util.h"

namespace {

MonitorLayout layoutNow;
MonitorLayout ReadLayoutNow()
{
    return layoutNow;
}

std::array<LONG, 2> Origin(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return {rc.left, rc.top};
}

TEST(MonitorLayoutKept, PaintsKeepTheLayoutDisplayAndWorkAreaChangesReadItAndPlaceAtOnce)
{
    SetDefaultSettings(&Settings);
    Settings.nWindowX = 300;
    Settings.nWindowY = 200;
    HWND hWnd = wintest::CreateMainWindow(300, 200);
    pfnReadMonitorLayout = ReadLayoutNow;
    // The primary gone, one monitor left of where it stood.
    layoutNow = {1, {{{-800, 0, 0, 600}, {-800, 0, 0, 560}}}};
    PlaceWindow(hWnd);
    SendMessageA(hWnd, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_EQ(Origin(hWnd), (std::array<LONG, 2>{300, 200})) << "neither a paint nor another setting asks again";
    SendMessageA(hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    EXPECT_EQ(Origin(hWnd), (std::array<LONG, 2>{-240, 200}));
    layoutNow = {1, {{{0, 0, 1024, 768}, {0, 0, 1024, 768}}}};
    SendMessageA(hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_EQ(Origin(hWnd), (std::array<LONG, 2>{300, 200}));
    pfnReadMonitorLayout = ReadMonitorLayout;
    PlaceWindowOnNewLayout(hWnd);
    wintest::DestroyMainWindow(hWnd);
}

}  // namespace
