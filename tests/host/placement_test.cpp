// Window size, corner modes, the area beside the taskbar, the fit and the drag clamp.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

#include "app/placement.h"

// Found by argument lookup, so beside PlaceRect rather than in the test namespace.
static bool operator==(const PlaceRect &a, const PlaceRect &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static bool operator==(const PlacePoint &a, const PlacePoint &b) { return a.x == b.x && a.y == b.y; }

static std::ostream &operator<<(std::ostream &os, const PlaceRect &rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

static std::ostream &operator<<(std::ostream &os, const PlacePoint &pt)
{
    return os << "(" << pt.x << ", " << pt.y << ")";
}

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

SettingsRecord Placement(int32_t nWindowPos, int32_t bStatus, int32_t nCalendarPos, int32_t x, int32_t y)
{
    SettingsRecord s = {};
    s.nWindowPos = nWindowPos;
    s.bStatus = bStatus;
    s.nCalendarPos = nCalendarPos;
    s.nWindowX = x;
    s.nWindowY = y;
    return s;
}

TEST(WindowSize, FollowsPageStateAndSide)
{
    const struct { int32_t bStatus, nCalendarPos, cx, cy; } cases[] = {
        {0, 0, 120, 160}, {0, 1, 120, 160}, {1, 0, 120, 320}, {1, 1, 240, 160}, {1, 2, 120, 320},
        {1, 3, 240, 160}, {7, 1, 240, 160}, {1, -1, 240, 160}, {1, 4, 240, 160},  // unknown codes as 3
    };
    for (const auto &c : cases)
        EXPECT_EQ(CalcWindowSize(c.bStatus, c.nCalendarPos), (PlacePoint{c.cx, c.cy})) << c.bStatus << "/" << c.nCalendarPos;
}

// The area sits away from the origin, so every corner must come from its edges.
TEST(Placement, CornerModesTakeTheAreasCornersOtherModesThePositionPulledIn)
{
    const PlaceRect area = {10, 20, 1000, 700};
    const struct { int32_t nWindowPos, bStatus, nCalendarPos, x, y; PlaceRect expected; } cases[] = {
        {1, 0, 0, 400, 300, {10, 20, 130, 180}},
        {2, 0, 0, 400, 300, {880, 20, 1000, 180}},
        {2, 1, 1, 400, 300, {760, 20, 1000, 180}},  // the whole window, page included, in the corner
        {3, 1, 0, 400, 300, {10, 380, 130, 700}},
        {4, 1, 3, 400, 300, {760, 540, 1000, 700}},
        {0, 0, 0, 300, 200, {300, 200, 420, 360}},
        {0, 0, 0, -500, -500, {10, 20, 130, 180}},
        {0, 0, 0, 2000, 2000, {880, 540, 1000, 700}},
        {5, 0, 0, 300, 200, {300, 200, 420, 360}},  // unknown modes are free
        {-1, 0, 0, -500, 100, {10, 100, 130, 260}},
        {0, 1, 1, kMax, kMax, {760, 540, 1000, 700}},
        {0, 1, 1, kMin, kMin, {10, 20, 250, 180}},
        {0, 1, 1, kMax, kMin, {760, 20, 1000, 180}},
    };
    for (const auto &c : cases) {
        const SettingsRecord s = Placement(c.nWindowPos, c.bStatus, c.nCalendarPos, c.x, c.y);
        EXPECT_EQ(FitRectIntoArea(CalcPlacementRect(s, area), area), c.expected) << "mode " << c.nWindowPos
                                                                                 << " at " << c.x << "," << c.y;
    }
    // Before the fit, a corner point is the window's top-left and extreme positions keep the size.
    EXPECT_EQ(CalcPlacementRect(Placement(4, 0, 0, 0, 0), area), (PlaceRect{1000, 700, 1120, 860}));
    EXPECT_EQ(CalcPlacementRect(Placement(0, 1, 1, kMax, kMin), area), (PlaceRect{kMax - 240, kMin, kMax, kMin + 160}));
}

TEST(Fit, KeepsTheSizeAndMovesOnlyWhatSticksOut)
{
    const PlaceRect area = {100, 50, 900, 650};
    const struct { PlaceRect in, expected; } cases[] = {
        {{200, 100, 320, 260}, {200, 100, 320, 260}},
        {{50, 0, 170, 160}, {100, 50, 220, 210}},
        {{850, 600, 970, 760}, {780, 490, 900, 650}},
        // Larger than the area: right and bottom edges on the area's, the rest outside.
        {{0, 0, 1000, 700}, {-100, -50, 900, 650}},
        {{kMin, kMin, kMin + 120, kMin + 160}, {100, 50, 220, 210}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitRectIntoArea(c.in, area), c.expected) << c.in;
}

TEST(TaskbarArea, TheScreenBesideTheBarOnAnySideOrTheWholeScreenWithoutOne)
{
    const struct { uintptr_t nFound; PlaceRect taskbar, expected; } cases[] = {
        {1, {0, 738, 1024, 768}, {0, 0, 1024, 738}},
        {1, {0, 0, 1024, 30}, {0, 30, 1024, 768}},
        {1, {0, 0, 60, 768}, {60, 0, 1024, 768}},
        {1, {964, 0, 1024, 768}, {0, 0, 964, 768}},
        {1, {-2, -2, 60, 770}, {60, 0, 1024, 768}},  // hanging off the screen, as an auto-hidden bar does
        {0, {0, 738, 1024, 768}, {0, 0, 1024, 768}},
        {1, {0, 0, 0, 0}, {0, 0, 1024, 768}},
        {1, {0, 768, 1024, 768}, {0, 0, 1024, 768}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AreaBesideTaskbar(c.nFound, c.taskbar, 1024, 768), c.expected) << c.taskbar;
    const PlaceRect area = AreaBesideTaskbar(1, {0, 738, 1024, 768}, 1024, 768);
    EXPECT_EQ(FitRectIntoArea(CalcPlacementRect(Placement(4, 0, 0, 0, 0), area), area),
              (PlaceRect{904, 578, 1024, 738}));
}

TEST(DragClamp, HoldsTheWindowInsideTheArea)
{
    const PlaceRect area = {0, 0, 1024, 738};
    const struct { PlacePoint cursor, expected; } cases[] = {
        {{330, 240}, {300, 200}},  {{10, 240}, {0, 200}},   {{1010, 240}, {904, 200}},
        {{934, 240}, {904, 200}},  {{330, 5}, {300, 0}},    {{330, 760}, {300, 578}},
        {{330, 618}, {300, 578}},  {{kMin, kMax}, {0, 578}}, {{kMax, kMin}, {904, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClampDragPosition(c.cursor, {30, 40}, 120, 160, area), c.expected) << c.cursor;
    // Wider and taller than the area: the window ends on its right and bottom edges.
    EXPECT_EQ(ClampDragPosition({500, 500}, {0, 0}, 240, 320, {0, 0, 200, 300}), (PlacePoint{-40, -20}));
}

}  // namespace
