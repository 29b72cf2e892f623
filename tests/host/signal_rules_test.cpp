// The time signal's options: quiet hours, strike counts and schedules, and the balloon text.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "chime/signal_rules.h"

namespace {

TEST(QuietHours, FromUpToButNotIncludingTheEndOverMidnightAndNoneForEqualOrOutOfRangeEnds)
{
    const struct { int32_t from, to; const char *quiet; } cases[] = {
        // One mark per hour 0..23.
        {22, 7, "QQQQQQQ...............QQ"}, {9, 17, ".........QQQQQQQQ......."}, {23, 0, ".......................Q"},
        {0, 23, "QQQQQQQQQQQQQQQQQQQQQQQ."}, {5, 5, "........................"}, {-1, 7, "........................"},
        {22, 24, "........................"}, {INT_MIN, INT_MAX, "........................"},
    };
    for (const auto &c : cases)
        for (int hour = 0; hour < 24; ++hour)
            EXPECT_EQ(IsQuietHour(c.from, c.to, hour), c.quiet[hour] == 'Q') << c.from << "-" << c.to << ": " << hour;
    for (int hour : {-1, 24, INT_MAX})
        EXPECT_FALSE(IsQuietHour(22, 7, hour)) << hour;
}

TEST(Strikes, TwelveHourCountAndAScheduleThatNeverOverlapsOrOutlastsAMinute)
{
    const int counts[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_EQ(StrikeCount(hour), counts[hour]) << hour;
    for (int hour : {-1, 24, INT_MIN, INT_MAX})
        EXPECT_EQ(StrikeCount(hour), 1) << hour;

    const struct { int count; uint32_t durationMs; int times; uint32_t intervalMs; } plans[] = {
        {3, 0, 1, 0}, {12, 0, 1, 0},  // unknown length
        {3, 1, 3, 501}, {12, 800, 12, 1300}, {1, 800, 1, 0}, {0, 800, 1, 0}, {-5, 800, 1, 0}, {99, 800, 12, 1300},
        {12, 4000, 12, 4500},  // eleven intervals and a sound: 53.5 s
        {12, 4001, 1, 0}, {12, 3600000, 1, 0}, {12, UINT32_MAX, 1, 0},
    };
    for (const auto &p : plans) {
        const StrikePlan plan = PlanStrikes(p.count, p.durationMs);
        EXPECT_EQ(plan.nTimes, p.times) << p.count << " of " << p.durationMs;
        EXPECT_EQ(plan.nIntervalMs, p.intervalMs) << p.count << " of " << p.durationMs;
    }
}

// Each buffer is exactly cbOut long, so a write past it shows under the sanitizer.
TEST(SignalText, TheHourAsThePageWritesItAndCutOnWholeCharacters)
{
    const struct { int hour, minute; bool b24; size_t cbOut; std::string text; } cases[] = {
        {12, 0, true, 32, "12時です"}, {3, 30, true, 32, "3時30分です"}, {15, 30, false, 32, "3時30分です"},
        {15, 30, true, 32, "15時30分です"}, {12, 0, false, 32, "0時です"}, {0, 0, true, 32, "0時です"},
        {23, 5, true, 32, "23時5分です"}, {24, 0, true, 32, ""}, {-1, 0, false, 32, ""}, {9, 60, true, 32, ""},
        {9, -1, true, 32, ""},
        // Cut to the buffer, never inside a two-byte character.
        {12, 0, true, 9, "12時です"}, {12, 0, true, 8, "12時で"}, {12, 0, true, 5, "12時"}, {12, 0, true, 4, "12"},
        {12, 0, true, 1, ""},
    };
    for (const auto &c : cases) {
        std::vector<char> sz(c.cbOut, 'x');
        FormatSignalText(c.hour, c.minute, c.b24, sz.data(), sz.size());
        EXPECT_EQ(sz.data(), c.text) << c.hour << ":" << c.minute << " b24 " << c.b24 << " into " << c.cbOut;
    }
    char untouched = 'x';
    FormatSignalText(12, 0, true, &untouched, 0);
    EXPECT_EQ(untouched, 'x');
}

}  // namespace
