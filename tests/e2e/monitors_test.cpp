// vespin.exe on two monitors, in the two-monitor session of scripts/test.sh (1024x768 at 0,0 and
// 800x600 to its right): free positions, corners, a lost position and a real drag across.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <vector>

#include "tests/e2e/e2e_harness.h"

namespace {

using Rect = std::array<LONG, 4>;
Rect WindowRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

bool WhollyOnOneMonitor(const Rect &r)
{
    const RECT rc = {r[0], r[1], r[2], r[3]};
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    RECT inside;
    return GetMonitorInfoA(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi) &&
           IntersectRect(&inside, &rc, &mi.rcMonitor) && EqualRect(&inside, &rc);
}

std::array<DWORD, 2> Stored()
{
    DWORD x = 0, y = 0;
    e2e::ReadDword("nWindowX", &x);
    e2e::ReadDword("nWindowY", &y);
    return {x, y};
}

class TwoMonitors : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "needs the two-monitor session of scripts/wine-env.sh";
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
    }
    void TearDown() override { e2e::DeleteSettingsKey(); }
};

// The page shown on the left: a 240 x 160 window. Placement never rewrites the stored position.
TEST_F(TwoMonitors, FreePositionOnTheSecondIsKeptItsCornerIsUsedAndALostOneIsPulledIn)
{
    const struct { DWORD nWindowPos; LONG x, y; Rect expected; } cases[] = {
        {0, 1300, 200, {1300, 200, 1540, 360}}, {4, 1300, 200, {1584, 440, 1824, 600}},
        {1, 1300, 200, {1024, 0, 1264, 160}},   {0, 3000, 700, {1584, 440, 1824, 600}},
        {0, -5000, 300, {0, 300, 240, 460}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.nWindowPos << " at " << c.x << "," << c.y);
        e2e::WriteDword("nWindowPos", c.nWindowPos);
        e2e::WriteDword("nWindowX", static_cast<DWORD>(c.x));
        e2e::WriteDword("nWindowY", static_cast<DWORD>(c.y));
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(WindowRect(app.hWnd), c.expected);
        EXPECT_EQ(app.Exit(), 0);
        EXPECT_EQ(Stored(), (std::array<DWORD, 2>{static_cast<DWORD>(c.x), static_cast<DWORD>(c.y)}));
    }
}

// Gripped 30 and 40 pixels inside, carried across and down past the second monitor's bottom by X's
// own pointer (Wine starts xdotool but cannot wait for it: the last move marks the end).
TEST_F(TwoMonitors, RealDragCarriesTheWindowOntoTheSecondAndHoldsItWhollyThere)
{
    e2e::WriteDword("nWindowX", 300);
    e2e::WriteDword("nWindowY", 200);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(e2e::Xdotool("mousemove 330 240 sleep 0.3 mousedown 1 sleep 0.2 mousemove 600 300 sleep 0.2"
                             " mousemove 1200 300 sleep 0.2 mousemove 1400 700 sleep 0.3 mouseup 1 sleep 0.2"
                             " mousemove 1800 20"));
    std::vector<Rect> path;
    e2e::WaitFor([&] {
        if (path.empty() || path.back() != WindowRect(app.hWnd))
            path.push_back(WindowRect(app.hWnd));
        POINT pt;
        return GetCursorPos(&pt) && pt.x == 1800 && pt.y == 20;
    });
    for (const Rect &rc : path)
        EXPECT_TRUE(WhollyOnOneMonitor(rc)) << rc[0] << "," << rc[1];
    EXPECT_GE(path.size(), 3u) << "the window moves on the way";
    EXPECT_EQ(path.back(), (Rect{1370, 440, 1610, 600}));
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(Stored(), (std::array<DWORD, 2>{1370, 440}));
}

}  // namespace
