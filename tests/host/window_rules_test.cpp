// The calendar toggle keeps the character panel where it is on screen.
#include <gtest/gtest.h>

#include <climits>

#include "app/window_rules.h"
#include "settings/settings.h"

namespace {

TEST(ToggleCalendarPage, ShiftsOnlyForPageAboveOrLeftAndBackAgain)
{
    // {nCalendarPos, bStatus before, x, y, x and y with the page open}
    const int32_t cases[][6] = {
        {0, 0, 300, 400, 300, 240}, {1, 0, 300, 400, 300, 400},          {2, 0, 300, 400, 300, 400},
        {3, 0, 300, 400, 180, 400}, {5, 0, 300, 400, 300, 400},          {-1, 0, 300, 400, 300, 400},
        {3, 7, 420, 0, 300, 0},  // any non-zero status counts as open
        {0, 0, 0, INT32_MIN, 0, INT32_MAX - 159},  // extremes wrap instead of overflowing
    };
    for (const auto &c : cases) {
        SetDefaultSettings(&Settings);
        Settings.nCalendarPos = c[0];
        Settings.bStatus = c[1];
        Settings.nWindowX = c[2];
        Settings.nWindowY = c[3];
        const bool opening = c[1] == 0;
        ToggleCalendarPage();
        EXPECT_EQ(Settings.bStatus, opening ? 1 : 0) << c[0];
        EXPECT_EQ(Settings.nWindowX, opening ? c[4] : c[2] + (c[2] - c[4])) << c[0];
        if (opening) {
            EXPECT_EQ(Settings.nWindowY, c[5]) << c[0];
            ToggleCalendarPage();
            EXPECT_EQ(Settings.nWindowX, c[2]);
            EXPECT_EQ(Settings.nWindowY, c[3]);
        }
    }
}

}  // namespace
