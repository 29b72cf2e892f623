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

static std::ostream &operator<<(std::ostream &os, const PlaceRect &rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

const PlaceRect kScreen = {0, 0, 1024, 768};

SettingsRecord Placement(int32_t nWindowPos, int32_t bStatus, int32_t nCalendarPos, int32_t x = 0, int32_t y = 0)
{
    SettingsRecord s = {};
    s.nWindowPos = nWindowPos;
    s.bStatus = bStatus;
    s.nCalendarPos = nCalendarPos;
    s.nWindowX = x;
    s.nWindowY = y;
    return s;
}

PlaceRect Place(const SettingsRecord &s, const PlaceRect &area)
{
    return FitRectIntoArea(CalcPlacementRect(s, area), area);
}

TEST(WindowSize, FollowsPageStateAndSide)
{
    struct Case {
        int32_t bStatus, nCalendarPos, cx, cy;
    } cases[] = {
        {0, 0, 120, 160}, {0, 1, 120, 160}, {0, 2, 120, 160}, {0, 3, 120, 160},
        {1, 0, 120, 320}, {1, 1, 240, 160}, {1, 2, 120, 320}, {1, 3, 240, 160},
        {7, 1, 240, 160}, {1, -1, 240, 160}, {1, 4, 120, 320},
    };
    for (const Case &c : cases) {
        const PlacePoint size = CalcWindowSize(c.bStatus, c.nCalendarPos);
        EXPECT_EQ(size.x, c.cx) << c.bStatus << "/" << c.nCalendarPos;
        EXPECT_EQ(size.y, c.cy) << c.bStatus << "/" << c.nCalendarPos;
    }
}

TEST(CornerModes, PutTheWindowInTheAreasCorners)
{
    const PlaceRect area = {10, 20, 1000, 700};
    struct Case {
        int32_t nWindowPos, bStatus, nCalendarPos;
        PlaceRect expected;
    } cases[] = {
        {1, 0, 0, {10, 20, 130, 180}},
        {2, 0, 0, {880, 20, 1000, 180}},
        {3, 0, 0, {10, 540, 130, 700}},
        {4, 0, 0, {880, 540, 1000, 700}},
        // Top right with the page to the right: the whole 240 wide window in the corner.
        {2, 1, 1, {760, 20, 1000, 180}},
        {3, 1, 0, {10, 380, 130, 700}},
        {4, 1, 3, {760, 540, 1000, 700}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Place(Placement(c.nWindowPos, c.bStatus, c.nCalendarPos, 400, 300), area), c.expected)
            << "mode " << c.nWindowPos;
}

TEST(CornerModes, CornerPointIsTheUnfittedOrigin)
{
    // Start-up uses the unfitted rectangle: the corner point itself is its top-left.
    EXPECT_EQ(CalcPlacementRect(Placement(4, 0, 0), kScreen), (PlaceRect{1024, 768, 1144, 928}));
    EXPECT_EQ(CalcPlacementRect(Placement(2, 1, 1), kScreen), (PlaceRect{1024, 0, 1264, 160}));
}

TEST(FreeMode, StoredPositionIsPulledIntoTheArea)
{
    struct Case {
        int32_t nWindowPos, x, y;
        PlaceRect expected;
    } cases[] = {
        {0, 300, 200, {300, 200, 420, 360}},
        {0, -500, -500, {0, 0, 120, 160}},
        {0, 2000, 2000, {904, 608, 1024, 768}},
        {0, 904, 608, {904, 608, 1024, 768}},
        // Unknown modes are free.
        {5, 300, 200, {300, 200, 420, 360}},
        {-1, -500, 100, {0, 100, 120, 260}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Place(Placement(c.nWindowPos, 0, 0, c.x, c.y), kScreen), c.expected) << c.x << "," << c.y;
}

TEST(FreeMode, ExtremeStoredPositionsStayInRangeAndLandInTheArea)
{
    struct Case {
        int32_t x, y;
        PlaceRect unfitted, fitted;
    } cases[] = {
        {kMax, kMax, {kMax - 240, kMax - 160, kMax, kMax}, {784, 608, 1024, 768}},
        {kMin, kMin, {kMin, kMin, kMin + 240, kMin + 160}, {0, 0, 240, 160}},
        {kMax, kMin, {kMax - 240, kMin, kMax, kMin + 160}, {784, 0, 1024, 160}},
    };
    for (const Case &c : cases) {
        const SettingsRecord s = Placement(0, 1, 1, c.x, c.y);
        EXPECT_EQ(CalcPlacementRect(s, kScreen), c.unfitted);
        EXPECT_EQ(Place(s, kScreen), c.fitted);
    }
}

TEST(Fit, KeepsTheSizeAndMovesOnlyWhatSticksOut)
{
    const PlaceRect area = {100, 50, 900, 650};
    struct Case {
        PlaceRect in, expected;
    } cases[] = {
        {{200, 100, 320, 260}, {200, 100, 320, 260}},
        {{50, 100, 170, 260}, {100, 100, 220, 260}},
        {{850, 100, 970, 260}, {780, 100, 900, 260}},
        {{200, 0, 320, 160}, {200, 50, 320, 210}},
        {{200, 600, 320, 760}, {200, 490, 320, 650}},
        // Larger than the area: right and bottom edges on the area's, the rest outside.
        {{0, 0, 1000, 700}, {-100, -50, 900, 650}},
        {{kMin, kMin, kMin + 120, kMin + 160}, {100, 50, 220, 210}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FitRectIntoArea(c.in, area), c.expected) << c.in;
}

TEST(TaskbarArea, SideIsToldFromTheRectangleInOrder)
{
    struct Case {
        const char *side;
        PlaceRect taskbar, expected;
    } cases[] = {
        {"bottom", {0, 738, 1024, 768}, {0, 0, 1024, 738}},
        {"top", {0, 0, 1024, 30}, {0, 30, 1024, 768}},
        {"left", {0, 0, 60, 768}, {60, 0, 1024, 768}},
        {"right", {964, 0, 1024, 768}, {0, 0, 964, 768}},
        // Hanging off the screen's edges, as an auto-hidden bar does.
        {"left, beyond the edges", {-2, -2, 60, 770}, {60, 0, 1024, 768}},
        {"bottom, one pixel", {0, 767, 1024, 768}, {0, 0, 1024, 767}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AreaBesideTaskbar(1, c.taskbar, 1024, 768), c.expected) << c.side;
}

TEST(TaskbarArea, NoTaskbarLeavesTheWholeScreen)
{
    EXPECT_EQ(AreaBesideTaskbar(0, {0, 738, 1024, 768}, 1024, 768), kScreen);
    EXPECT_EQ(AreaBesideTaskbar(1, {0, 0, 0, 0}, 1024, 768), kScreen);
    EXPECT_EQ(AreaBesideTaskbar(1, {0, 768, 1024, 768}, 1024, 768), kScreen);
}

TEST(TaskbarArea, BottomRightCornerSitsOnTheTaskbar)
{
    const PlaceRect area = AreaBesideTaskbar(1, {0, 738, 1024, 768}, 1024, 768);
    EXPECT_EQ(Place(Placement(4, 0, 0), area), (PlaceRect{904, 578, 1024, 738}));
}

TEST(TaskbarArea, WindowOverlappingTheTaskbarIsMovedOut)
{
    const PlaceRect area = AreaBesideTaskbar(1, {0, 0, 60, 768}, 1024, 768);
    EXPECT_EQ(Place(Placement(0, 0, 0, 20, 300), area), (PlaceRect{60, 300, 180, 460}));
}

TEST(DragClamp, HoldsTheWindowInsideTheArea)
{
    const PlaceRect area = {0, 0, 1024, 738};
    const PlacePoint grip = {30, 40};
    struct Case {
        const char *what;
        PlacePoint cursor, expected;
    } cases[] = {
        {"inside", {330, 240}, {300, 200}},
        {"past the left edge", {10, 240}, {0, 200}},
        {"past the right edge", {1010, 240}, {904, 200}},
        {"right edge exactly on the area's", {934, 240}, {904, 200}},
        {"past the top edge", {330, 5}, {300, 0}},
        {"past the bottom edge, onto the taskbar", {330, 760}, {300, 578}},
        {"far outside", {kMin, kMax}, {0, 578}},
    };
    for (const Case &c : cases) {
        const PlacePoint pos = ClampDragPosition(c.cursor, grip, 120, 160, area);
        EXPECT_EQ(pos.x, c.expected.x) << c.what;
        EXPECT_EQ(pos.y, c.expected.y) << c.what;
    }
}

TEST(DragClamp, WindowWiderThanTheAreaEndsOnItsRightEdge)
{
    const PlacePoint pos = ClampDragPosition({500, 500}, {0, 0}, 240, 320, {0, 0, 200, 300});
    EXPECT_EQ(pos.x, -40);
    EXPECT_EQ(pos.y, -20);
}

}  // namespace
