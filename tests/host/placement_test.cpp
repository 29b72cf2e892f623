// Window size, corner modes, the area beside the taskbar, the fit and the drag clamp.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "app/placement.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// As arrays, so gtest compares and prints them.
using Rect = std::array<int32_t, 4>;
using Point = std::array<int32_t, 2>;
Rect R(const PlaceRect &rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }
Point P(const PlacePoint &pt) { return {pt.x, pt.y}; }

TEST(WindowSize, FollowsPageStateAndSide)
{
    const struct { int32_t bStatus, nCalendarPos; Point size; } cases[] = {
        {0, 0, {120, 160}}, {0, 1, {120, 160}}, {1, 0, {120, 320}}, {1, 1, {240, 160}}, {1, 2, {120, 320}},
        {1, 3, {240, 160}}, {7, 1, {240, 160}}, {1, -1, {240, 160}}, {1, 4, {240, 160}},  // unknown as 3
    };
    for (const auto &c : cases)
        EXPECT_EQ(P(CalcWindowSize(c.bStatus, c.nCalendarPos)), c.size) << c.bStatus << "/" << c.nCalendarPos;
}

// The monitor 1024 x 768; the window's size at scale 1 decides what fits.
TEST(DisplayScale, WholeStepsFromTheDpiNoLargerThanTheMonitorHolds)
{
    const PlaceRect xga = {0, 0, 1024, 768}, small = {0, 0, 300, 200}, empty = {50, 50, 50, 50};
    const struct { int32_t dpi; PlacePoint size; PlaceRect monitor; int32_t scale; } cases[] = {
        {0, {240, 160}, xga, 1},   {-192, {240, 160}, xga, 1}, {72, {240, 160}, xga, 1},
        {96, {240, 160}, xga, 1},  {120, {240, 160}, xga, 1},  {143, {240, 160}, xga, 1},
        {144, {240, 160}, xga, 2}, {168, {240, 160}, xga, 2},  {192, {240, 160}, xga, 2},
        {240, {240, 160}, xga, 3}, {288, {240, 160}, xga, 3},  {480, {240, 160}, xga, 4},
        {480, {120, 320}, xga, 2}, {kMax, {240, 160}, xga, 4}, {192, {240, 160}, small, 1},
        {192, {240, 160}, empty, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WindowScale(c.dpi, c.size, c.monitor), c.scale) << c.dpi << " " << c.size.x << "x" << c.size.y;

    // At 2x: the window and the bottom-right corner.
    EXPECT_EQ(P(CalcWindowSize(1, 1, 2)), (Point{480, 320}));
    SettingsRecord s = {};
    s.nWindowPos = 4, s.bStatus = 1, s.nCalendarPos = 1;
    EXPECT_EQ(R(FitRectIntoArea(CalcPlacementRect(s, xga, 2), xga)), (Rect{544, 448, 1024, 768}));
}

// The area sits away from the origin, so every corner must come from its edges.
TEST(Placement, CornerModesTakeTheAreasCornersOtherModesThePositionPulledIn)
{
    const PlaceRect area = {10, 20, 1000, 700};
    const struct { int32_t nWindowPos, bStatus, nCalendarPos, x, y; Rect expected; } cases[] = {
        {1, 0, 0, 400, 300, {10, 20, 130, 180}},      {3, 1, 0, 400, 300, {10, 380, 130, 700}},
        {2, 1, 1, 400, 300, {760, 20, 1000, 180}},    // the whole window, page included, in the corner
        {4, 1, 3, 400, 300, {760, 540, 1000, 700}},
        {0, 0, 0, 300, 200, {300, 200, 420, 360}},     {5, 0, 0, 300, 200, {300, 200, 420, 360}},  // 5 is free
        {0, 0, 0, -500, -500, {10, 20, 130, 180}},     {0, 0, 0, 2000, 2000, {880, 540, 1000, 700}},
        {0, 1, 1, kMax, kMax, {760, 540, 1000, 700}},  {0, 1, 1, kMin, kMin, {10, 20, 250, 180}},
        {0, 1, 1, kMax, kMin, {760, 20, 1000, 180}},
    };
    for (const auto &c : cases) {
        SettingsRecord s = {};
        s.nWindowPos = c.nWindowPos;
        s.bStatus = c.bStatus;
        s.nCalendarPos = c.nCalendarPos;
        s.nWindowX = c.x;
        s.nWindowY = c.y;
        EXPECT_EQ(R(FitRectIntoArea(CalcPlacementRect(s, area), area)), c.expected) << "mode " << c.nWindowPos
                                                                                    << " at " << c.x << "," << c.y;
    }
    // Larger than the area: right and bottom edges on the area's, the rest outside.
    EXPECT_EQ(R(FitRectIntoArea({0, 0, 1000, 700}, {100, 50, 900, 650})), (Rect{-100, -50, 900, 650}));
    // In the corner beside a taskbar at the bottom.
    SettingsRecord s = {};
    s.nWindowPos = 4;
    const PlaceRect beside = AreaBesideTaskbar(1, {0, 738, 1024, 768}, 1024, 768);
    EXPECT_EQ(R(FitRectIntoArea(CalcPlacementRect(s, beside), beside)), (Rect{904, 578, 1024, 738}));
}

TEST(TaskbarArea, TheScreenBesideTheBarOnAnySideOrTheWholeScreenWithoutOne)
{
    const struct { uintptr_t nFound; PlaceRect taskbar; Rect expected; } cases[] = {
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
        EXPECT_EQ(R(AreaBesideTaskbar(c.nFound, c.taskbar, 1024, 768)), c.expected)
            << c.nFound << ": " << c.taskbar.left << "," << c.taskbar.top;
}

TEST(DragClamp, HoldsTheWindowInsideTheArea)
{
    const PlaceRect area = {0, 0, 1024, 738};
    const struct { PlacePoint cursor; Point expected; } cases[] = {
        {{330, 240}, {300, 200}}, {{10, 240}, {0, 200}},  {{1010, 240}, {904, 200}}, {{330, 5}, {300, 0}},
        {{330, 760}, {300, 578}}, {{kMin, kMax}, {0, 578}}, {{kMax, kMin}, {904, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(P(ClampDragPosition(c.cursor, {30, 40}, 120, 160, area)), c.expected)
            << c.cursor.x << "," << c.cursor.y;
    // Wider and taller than the area: the window ends on its right and bottom edges.
    EXPECT_EQ(P(ClampDragPosition({500, 500}, {0, 0}, 240, 320, {0, 0, 200, 300})), (Point{-40, -20}));
}

}  // namespace
