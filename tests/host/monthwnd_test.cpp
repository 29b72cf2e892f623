// The month window's decisions: what a point hits, what May 2026 shows beside the day colours
// (which the Win32 test reads back from the screen), and the tray click rule across the tick wrap.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/monthwnd.h"

namespace {

TEST(MonthWindow, PointsHitTheButtonsAndTheCellsUpToTheirEdges)
{
    const PlaceRect rcPrevious = MonthButtonRect(-1), rcNext = MonthButtonRect(1);
    const PlaceRect rcFirst = MonthCellRect(0), rcLast = MonthCellRect(kMonthGridCells - 1);
    const struct { PlacePoint pt; MonthHit hit; int cell; } cases[] = {
        {{rcPrevious.left, rcPrevious.top}, kMonthHitPrevious, -1}, {{rcNext.right - 1, rcNext.bottom - 1}, kMonthHitNext, -1},
        {{rcNext.right, rcNext.top}, kMonthHitNone, -1},           {{rcFirst.left, rcFirst.top}, kMonthHitDay, 0},
        {{rcFirst.right, rcFirst.bottom}, kMonthHitDay, 8},        {{rcLast.right - 1, rcLast.bottom - 1}, kMonthHitDay, 41},
        {{rcLast.right, rcLast.top}, kMonthHitNone, -1},           {{rcLast.left, rcLast.bottom}, kMonthHitNone, -1},
        {{rcFirst.left - 1, rcFirst.top}, kMonthHitNone, -1},
    };
    for (const auto &c : cases) {
        int nCell = 99;
        EXPECT_EQ(std::tuple(HitTestMonth(c.pt, &nCell), nCell), std::tuple(c.hit, c.cell)) << c.pt.x << "," << c.pt.y;
    }
}

// 3 May 2026 (a Sunday and a holiday) under the pointer; 26 April and 6 June by the lunar calendar.
TEST(MonthWindow, May2026ShowsTheRokuyoThePointersDayAndTheDaysOffAsTheOptionsSay)
{
    MonthView view;
    MakeMonthView({2026, 5, 2026, 5, 15, 7, 1, 1, 1}, &view);
    EXPECT_EQ(std::tuple(view.aDays[7].bPointer, std::string(view.aDays[0].pszRokuyo), std::string(view.aDays[41].pszRokuyo)),
              std::tuple(1, "赤口", "赤口"));
    EXPECT_EQ(std::string(view.aszPointer[0]) + "|" + view.aszPointer[1], "5月3日（日） 憲法記念日|先勝 旧暦3月17日");
    EXPECT_EQ(std::tuple(view.nHolidays, std::string(view.aszHolidays[3])), std::tuple(4, "5月6日 振替休日"));
    MakeMonthView({2026, 5, 2026, 5, 15, 7, 0, 0, 0}, &view);
    EXPECT_EQ(std::tuple(view.aDays[7].pszRokuyo, std::string(view.aszPointer[1])), std::tuple(nullptr, "先勝"));
    // At the ends of the range the button that would leave it is pale.
    MakeMonthView({1948, 1, 2026, 5, 15, -1, 1, 1, 1}, &view);
    EXPECT_EQ(std::tuple(view.bPreviousShown, view.bNextShown, view.aszPointer[0][0]), std::tuple(0, 1, '\0'));
    MakeMonthView({2099, 12, 2026, 5, 15, -1, 1, 1, 1}, &view);
    EXPECT_EQ(std::tuple(view.bPreviousShown, view.bNextShown), std::tuple(1, 0));
}

TEST(MonthWindow, ATrayPressFindsTheMonthOpenOrJustClosedByDeactivationAcrossTheTickWrap)
{
    const struct { bool open, deactivated; uint32_t closedAt, now; bool found; } cases[] = {
        {true, false, 0, 0, true},             {false, false, 1000, 1001, false},     {false, true, 1000, 1499, true},
        {false, true, 1000, 1500, false},      {false, true, 0xFFFFFF80, 0x80, true}, {false, true, 0xFFFFFF80, 0x200, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TrayPressFindsMonth(c.open, c.deactivated, c.closedAt, c.now), c.found) << c.closedAt << " " << c.now;
    EXPECT_EQ(std::tuple(MillisecondsToMidnight(23, 59, 59, 999), MillisecondsToMidnight(0, 0, 0, 0)),
              std::tuple(1u, 86400000u));
}

}  // namespace
