// The calendar toggle keeps the character panel where it is on screen.
#include <gtest/gtest.h>

#include <climits>

#include "app/window_rules.h"
#include "settings/settings.h"

namespace {

TEST(ToggleCalendarPage, ShiftsOnlyForPageAboveOrLeft)
{
    struct Case {
        int32_t nCalendarPos;
        int32_t dxShown, dyShown;  // shift when the page opens
    } cases[] = {{0, 0, -160}, {1, 0, 0}, {2, 0, 0}, {3, -120, 0}, {5, 0, 0}, {-1, 0, 0}};
    for (const Case &c : cases) {
        SetDefaultSettings(&Settings);
        Settings.nCalendarPos = c.nCalendarPos;
        Settings.bStatus = 0;
        Settings.nWindowX = 300;
        Settings.nWindowY = 400;
        ToggleCalendarPage();
        EXPECT_EQ(Settings.bStatus, 1);
        EXPECT_EQ(Settings.nWindowX, 300 + c.dxShown) << c.nCalendarPos;
        EXPECT_EQ(Settings.nWindowY, 400 + c.dyShown) << c.nCalendarPos;
        ToggleCalendarPage();
        EXPECT_EQ(Settings.bStatus, 0);
        EXPECT_EQ(Settings.nWindowX, 300);
        EXPECT_EQ(Settings.nWindowY, 400);
    }
}

TEST(ToggleCalendarPage, AnyNonZeroStatusCountsAsShown)
{
    SetDefaultSettings(&Settings);
    Settings.bStatus = 7;
    Settings.nCalendarPos = 3;
    Settings.nWindowX = 0;
    ToggleCalendarPage();
    EXPECT_EQ(Settings.bStatus, 0);
    EXPECT_EQ(Settings.nWindowX, 120);
}

TEST(ToggleCalendarPage, ExtremeStoredPositionsWrapInsteadOfOverflowing)
{
    SetDefaultSettings(&Settings);
    Settings.bStatus = 0;
    Settings.nCalendarPos = 0;
    Settings.nWindowY = INT32_MIN;
    ToggleCalendarPage();
    EXPECT_EQ(Settings.nWindowY, INT32_MAX - 159);
    ToggleCalendarPage();
    EXPECT_EQ(Settings.nWindowY, INT32_MIN);
}

}  // namespace
