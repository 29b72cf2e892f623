// The window's monitor, its move area and the drag across monitors, over one table of layouts.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "app/placement.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

using Rect = std::array<int32_t, 4>;
Rect R(const PlaceRect &rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

MonitorLayout Layout(std::initializer_list<MonitorRects> monitors)
{
    MonitorLayout layout = {};
    for (const MonitorRects &m : monitors)
        layout.aMonitors[layout.nMonitors++] = m;
    return layout;
}

// The primary and an 800 x 600 monitor to its right, whose work area stops above a 40-pixel bar.
const MonitorLayout kTwo = Layout({{{0, 0, 1024, 768}, {0, 0, 1024, 738}}, {{1024, 0, 1824, 600}, {1024, 0, 1824, 560}}});
// A monitor left of and above the primary, an odd 7 x 5 one below it, and an empty one.
const MonitorLayout kNegative = Layout({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                                        {{-1280, -200, 0, 824}, {-1280, -200, 0, 824}},
                                        {{5, 1080, 12, 1085}, {5, 1080, 12, 1085}},
                                        {{3000, 0, 3000, 500}, {3000, 0, 3000, 500}}});
// Monitors at both ends of the coordinate range.
const MonitorLayout kExtremes = Layout({{{kMin, kMin, kMin + 1000, kMin + 700}, {kMin, kMin, kMin + 1000, kMin + 700}},
                                        {{kMax - 1000, kMax - 700, kMax, kMax}, {kMax - 1000, kMax - 700, kMax, kMax}}});

// As PlaceWindow composes them: the stored rectangle (or point, in a corner mode) picks the monitor.
Rect Place(const SettingsRecord &s, const MonitorLayout &layout, const TaskbarAnswer &taskbar)
{
    const PlaceRect area =
        MoveAreaOn(layout, MonitorForPlacement(s, layout, CalcPlacementRect(s, {})), s.bAwayTaskBar, taskbar);
    return R(FitRectIntoArea(CalcPlacementRect(s, area), area));
}

// Page shown on the right: 240 x 160 windows. The end-to-end run on two monitors checks a kept
// position, a corner and a lost position there.
TEST(MonitorPlacement, FreePositionsStayOnTheirMonitorCornersFollowTheStoredPointAndLostOnesArePulledIn)
{
    const TaskbarAnswer none = {}, barOnPrimary = {1, {0, 738, 1024, 768}};
    const struct { const char *what; const MonitorLayout &layout; int32_t nWindowPos, x, y, bAway; TaskbarAnswer bar; Rect expected; } cases[] = {
        {"straddling, mostly on the second", kTwo, 0, 920, 100, 0, none, {1024, 100, 1264, 260}},
        {"half on each: the earlier in the list", kTwo, 0, 904, 100, 0, none, {784, 100, 1024, 260}},
        {"under the second, nearer the first", kTwo, 0, 1030, 700, 0, none, {784, 608, 1024, 768}},
        {"corner of the first, point below the second", kTwo, 2, 1000, 700, 0, none, {784, 0, 1024, 160}},
        {"bar on the first: the second's work area", kTwo, 4, 1300, 200, 1, barOnPrimary, {1584, 400, 1824, 560}},
        {"bar on the first: beside it there", kTwo, 3, 10, 10, 1, barOnPrimary, {0, 578, 240, 738}},
        {"no bar: the primary whole", kTwo, 4, 10, 10, 1, none, {784, 608, 1024, 768}},
        {"left of the primary", kNegative, 0, -900, -150, 0, none, {-900, -150, -660, 10}},
        {"above-left, pulled into the left one", kNegative, 0, -5000, -5000, 0, none, {-1280, -200, -1040, -40}},
        {"odd 7 x 5 monitor: right and bottom edges on its own", kNegative, 0, 6, 1082, 0, none, {-228, 925, 12, 1085}},
        {"the empty monitor is passed over", kNegative, 0, 3000, 100, 0, none, {1680, 100, 1920, 260}},
        {"high end, stored at the top", kExtremes, 0, kMax, kMax, 0, none, {kMax - 240, kMax - 160, kMax, kMax}},
        {"corner at the bottom of the range", kExtremes, 4, kMin, kMin, 0, none, {kMin + 760, kMin + 540, kMin + 1000, kMin + 700}},
        {"between the two ends, the nearer by a little", kExtremes, 0, kMin, kMax, 0, none, {kMax - 1000, kMax - 160, kMax - 760, kMax}},
    };
    for (const auto &c : cases) {
        SettingsRecord s = {};
        s.bStatus = 1;
        s.nCalendarPos = 1;
        s.nWindowPos = c.nWindowPos;
        s.nWindowX = c.x;
        s.nWindowY = c.y;
        s.bAwayTaskBar = c.bAway;
        EXPECT_EQ(Place(s, c.layout, c.bar), c.expected) << c.what;
    }
}

TEST(MonitorDrag, TheWindowFollowsTheCursorOntoTheNearestMonitorAndStaysWhollyOnIt)
{
    const struct { const MonitorLayout &layout; PlacePoint cursor; std::array<int32_t, 2> expected; } cases[] = {
        {kTwo, {900, 300}, {784, 260}},     // more on the first still
        {kTwo, {1000, 300}, {1024, 260}},   // more on the second
        {kTwo, {1400, 700}, {1370, 440}},   // below the second's bottom
        {kNegative, {-1300, 300}, {-1280, 260}},
        {kExtremes, {kMax, kMax}, {kMax - 240, kMax - 160}},
    };
    for (const auto &c : cases) {
        const PlacePoint pos = DragPositionOnLayout(c.layout, 0, {}, c.cursor, {30, 40}, {240, 160});
        EXPECT_EQ((std::array<int32_t, 2>{pos.x, pos.y}), c.expected) << c.cursor.x << "," << c.cursor.y;
    }
}

}  // namespace
