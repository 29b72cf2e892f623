// Twenty seeded hostile records through the real vespin.exe: it starts, paints both ways,
// exits with 0 and leaves only values in range. A failure names the seed and the record.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/common/hostile_settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

TEST(HostileSettings, TwentyRecordsStartPaintAndExitWithZeroLeavingValuesInRange)
{
    const uint32_t seed = hostile::SeedFromEnvironment();
    for (int i = 0; i < 20 && !testing::Test::HasFailure(); ++i) {
        const hostile::Record rec = hostile::MakeRecord(seed, i, false);
        hostile::WriteRecord(rec);
        {
            e2e::Vespin app;
            EXPECT_TRUE(app.Start());
            if (app.hWnd) {
                PostMessageA(app.hWnd, WM_LBUTTONDBLCLK, 0, 0);
                EXPECT_EQ(app.Exit(), 0);
            }
        }
        EXPECT_EQ(hostile::CheckStoredKey(), "");
        if (testing::Test::HasFailure())
            ADD_FAILURE() << hostile::Describe(rec);
    }
    e2e::DeleteSettingsKey();
}

}  // namespace
