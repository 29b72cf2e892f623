// vespin.exe on a display of 192 DPI (run in a prefix at that scale, see the Win32 test targets):
// it takes its scale from the system and starts at twice its size in the corner of the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "settings/settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

TEST(DisplayScaleAt192Dpi, StartsAtTwiceItsSizeInTheCorner)
{
    SettingsRecord rec;
    SetDefaultSettings(&rec);
    rec.nWindowPos = 4, rec.nCalendarPos = 1;
    teststore::StoreRecord(rec);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    RECT rc = {};
    EXPECT_TRUE(e2e::WaitFor([&] { return GetWindowRect(app.hWnd, &rc) && rc.left == 544 && rc.top == 448; }))
        << rc.left << "," << rc.top << " " << rc.right - rc.left << "x" << rc.bottom - rc.top;
    EXPECT_TRUE(rc.right == 1024 && rc.bottom == 768);
    EXPECT_EQ(app.Exit(), 0);
    e2e::DeleteSettingsKey();
}

}  // namespace
