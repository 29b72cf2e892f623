// vespin.exe on two monitors (the two-monitor session of scripts/test.sh: 1024x768 at 0,0 and
// 800x600 to its right): free positions, corners, a lost position and a real drag across.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
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

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT prc, LPARAM lParam)
{
    reinterpret_cast<std::vector<RECT> *>(lParam)->push_back(*prc);
    return TRUE;
}

std::vector<RECT> Monitors()
{
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

bool WhollyOnOneMonitor(const Rect &rc)
{
    for (const RECT &m : Monitors())
        if (rc[0] >= m.left && rc[1] >= m.top && rc[2] <= m.right && rc[3] <= m.bottom)
            return true;
    return false;
}

// X's own pointer, through xdotool: Wine starts Unix programs but cannot wait for them.
void Xdotool(const std::string &args)
{
    std::string cmd = "Z:\\usr\\bin\\xdotool " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

class TwoMonitors : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Monitors().size(), 2u) << "needs the two-monitor session of scripts/wine-env.sh";
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
    }
    void TearDown() override { e2e::DeleteSettingsKey(); }

    static std::array<DWORD, 2> Stored()
    {
        DWORD x = 0, y = 0;
        e2e::ReadDword("nWindowX", &x);
        e2e::ReadDword("nWindowY", &y);
        return {x, y};
    }
};

// The page shown on the left: a 240 x 160 window. The stored position is never rewritten by placement.
TEST_F(TwoMonitors, FreePositionOnTheSecondIsKeptItsCornerIsUsedAndALostOneIsPulledIn)
{
    const struct { DWORD nWindowPos; LONG x, y; Rect expected; } cases[] = {
        {0, 1300, 200, {1300, 200, 1540, 360}},
        {4, 1300, 200, {1584, 440, 1824, 600}},
        {1, 1300, 200, {1024, 0, 1264, 160}},
        {0, 3000, 700, {1584, 440, 1824, 600}},
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

// Gripped 30 and 40 pixels inside, carried across the edge and down past the second monitor's
// bottom: every rectangle on the way lies wholly on one monitor, and the drop is stored.
TEST_F(TwoMonitors, RealDragCarriesTheWindowOntoTheSecondAndHoldsItWhollyThere)
{
    e2e::WriteDword("nWindowX", 300);
    e2e::WriteDword("nWindowY", 200);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    Xdotool("mousemove 330 240 sleep 0.3 mousedown 1 sleep 0.2 mousemove 600 300 sleep 0.2 mousemove 900 300"
            " sleep 0.2 mousemove 1200 300 sleep 0.2 mousemove 1400 300 sleep 0.2 mousemove 1400 700"
            " sleep 0.3 mouseup 1 sleep 0.2 mousemove 1800 20");
    std::vector<Rect> path;
    e2e::WaitFor([&] {
        const Rect rc = WindowRect(app.hWnd);
        if (path.empty() || path.back() != rc)
            path.push_back(rc);
        POINT pt;
        return GetCursorPos(&pt) && pt.x == 1800 && pt.y == 20;
    });
    for (const Rect &rc : path)
        EXPECT_TRUE(WhollyOnOneMonitor(rc)) << rc[0] << "," << rc[1];
    ASSERT_GE(path.size(), 3u) << "the window must have moved along the way";
    EXPECT_EQ(path.back(), (Rect{1370, 440, 1610, 600}));
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(Stored(), (std::array<DWORD, 2>{1370, 440}));
}

}  // namespace
