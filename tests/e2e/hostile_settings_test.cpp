// Seeded hostile records through the real vespin.exe (twenty, or VESPIN_HOSTILE_RECORDS): it starts,
// paints both ways, exits with 0 and leaves only values in range. A failure names the seed and the record.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/common/hostile_settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

TEST(HostileSettings, RecordsStartPaintAndExitWithZeroLeavingValuesInRange)
{
    const uint32_t seed = hostile::SeedFromEnvironment();
    const int nRecords = hostile::RecordCountFromEnvironment(20);
    int nDone = 0, nLoaded = 0;
    for (int i = 0; i < nRecords && !testing::Test::HasFailure(); ++i, ++nDone) {
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
        nLoaded += hostile::ExpectAllRead(rec);
        if (testing::Test::HasFailure())
            ADD_FAILURE() << hostile::Describe(rec);
    }
    std::printf("%d records from seed %u: %d to load as stored, %d to reset to the defaults\n", nDone, seed, nLoaded,
                nDone - nLoaded);
    e2e::DeleteSettingsKey();
}

}  // namespace
