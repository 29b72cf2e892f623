// The calendar toggle keeps the character panel where it is on screen, at the window's scale.
#include <gtest/gtest.h>

#include <climits>

#include "app/mainwnd.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

TEST(ToggleCalendarPage, ShiftsOnlyForPageAboveOrLeftAndBackAgain)
{
    // {nCalendarPos, bStatus before, x, y, x and y with the page open, display scale}
    const int32_t cases[][7] = {
        {0, 0, 300, 400, 300, 240, 1}, {1, 0, 300, 400, 300, 400, 1}, {2, 0, 300, 400, 300, 400, 1},
        {3, 0, 300, 400, 180, 400, 1},
        {5, 0, 300, 400, 180, 400, 1}, {-1, 0, 300, 400, 180, 400, 1},  // unknown codes as the layout draws them
        {3, 7, 420, 0, 300, 0, 1},                                        // any non-zero status counts as open
        {0, 0, 300, 400, 300, 80, 2}, {3, 0, 300, 400, 60, 400, 2},       // a page is twice as large at 2x
        {0, 0, 0, INT32_MIN, 0, INT32_MAX - 159, 1},                      // extremes wrap instead of overflowing
    };
    const int32_t nScaleSaved = nWindowScale;
    for (const auto &c : cases) {
        SetDefaultSettings(&Settings);
        Settings.nCalendarPos = c[0], Settings.bStatus = c[1], Settings.nWindowX = c[2], Settings.nWindowY = c[3];
        nWindowScale = c[6];
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
    nWindowScale = nScaleSaved;
}

}  // namespace
