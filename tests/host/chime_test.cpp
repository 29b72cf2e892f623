// The time-signal decision, the rotation intervals and orders, and the generator's sequence.
#include <gtest/gtest.h>

#include "chime/chime.h"
#include "chime/random.h"

#include <tuple>
#include <utility>

namespace {

TEST(RandomGenerator, SequenceFromOneSeedAndStateWrapsModulo2To32)
{
    SeedRandom(1);
    for (int v : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(NextRandom(), v);
    SeedRandom(0xFFFFFFFFu);  // 0xFFFFFFFF * 214013 + 2531011 = 2316998 (mod 2^32)
    EXPECT_EQ(NextRandom(), 35);
}

TEST(TimeSignal, SoundsOnTheHourOrHalfHourAndRotatesWhenTheIntervalIsCrossed)
{
    // All three characters in turn, character 0 shown: a rotation shows character 1.
    struct Case {
        const char *what;
        int32_t alarm, alarm30, ready, timing, hourOld, minuteOld, hour, minute;
        TimeSignalSound sound;
        bool rotated;
    } cases[] = {
        {"11:59 still", 1, 1, 1, 13, 11, 59, 11, 59, kNoSignal, false},
        {"11:59 -> 12:00: the hour, not the half hour", 1, 1, 1, 13, 11, 59, 12, 0, kHourSignal, false},
        {"12:00 -> 12:00 plays once", 1, 1, 1, 13, 12, 0, 12, 0, kNoSignal, false},
        {"half hour only: at :00", 0, 1, 1, 13, 11, 59, 12, 0, kHalfHourSignal, false},
        {"half hour only: at :30", 0, 1, 1, 13, 12, 29, 12, 30, kHalfHourSignal, false},
        {"half hour only: not at :45", 0, 1, 1, 13, 12, 44, 12, 45, kNoSignal, false},
        {"hourly only: not at :30", 1, 0, 1, 13, 12, 29, 12, 30, kNoSignal, false},
        {"both: the half hour at :30", 1, 1, 1, 13, 12, 29, 12, 30, kHalfHourSignal, false},
        {"clock set back across an hour", 1, 0, 1, 13, 12, 5, 11, 55, kHourSignal, false},
        {"first check after start-up", 1, 1, 0, 13, 11, 50, 12, 0, kNoSignal, false},
        {"slept 10:10 to 10:50", 0, 1, 1, 13, 10, 10, 10, 50, kHalfHourSignal, false},
        {"10:50 -> 10:51 after it", 0, 1, 1, 13, 10, 50, 10, 51, kNoSignal, false},
        {"every minute", 0, 0, 1, 0, 10, 0, 10, 1, kNoSignal, true},
        {"every 30 minutes, not yet", 0, 0, 1, 5, 10, 0, 10, 29, kNoSignal, false},
        {"every 30 minutes", 0, 0, 1, 5, 10, 29, 10, 30, kNoSignal, true},
        {"every hour, first check at 14:05 after 10:20", 1, 0, 0, 6, 10, 20, 14, 5, kNoSignal, true},
        {"every 12 hours", 0, 0, 1, 11, 11, 59, 12, 0, kNoSignal, true},
        {"every 12 hours, not yet", 0, 0, 1, 11, 12, 0, 23, 59, kNoSignal, false},
        {"every day at midnight", 0, 0, 1, 12, 23, 59, 0, 0, kNoSignal, true},
        {"every day, not after midnight", 0, 0, 1, 12, 0, 0, 0, 1, kNoSignal, false},
        {"every day, not at noon", 0, 0, 1, 12, 11, 59, 12, 0, kNoSignal, false},
        {"13: never", 0, 0, 1, 13, 23, 59, 0, 0, kNoSignal, false},
        {"14: never", 0, 0, 1, 14, 10, 0, 11, 0, kNoSignal, false},
        {"-1: never", 0, 0, 1, -1, 10, 0, 11, 0, kNoSignal, false},
        {"largest: never", 0, 0, 1, 0x7FFFFFFF, 10, 0, 11, 1, kNoSignal, false},
    };
    for (const Case &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.bAlarm = c.alarm, rec.bAlarm30 = c.alarm30, rec.nChangeTiming = c.timing;
        rec.nHourOld = c.hourOld, rec.nMinuteOld = c.minuteOld;
        const TimeSignalDecision d = DecideTimeSignal(c.hour, c.minute, rec, c.ready, nullptr);
        EXPECT_EQ(d.sound, c.sound) << c.what;
        EXPECT_EQ(d.nStrikes, c.sound == kNoSignal ? 0 : 1) << c.what;
        EXPECT_EQ(d.nDrawChara, c.rotated ? 1 : 0) << c.what;
    }
}

// Over a due signal: quiet hours and days off (the days the page shows in red or blue, by the rules
// it is coloured by) silence it and leave the rotation as decided; striking counts the hour.
TEST(TimeSignal, OptionsSilenceTheSignalOnQuietHoursAndDaysOffAndStrikeTheHour)
{
    constexpr SignalDate kWednesday = {2024, 6, 5, 3}, kSaturday = {2024, 6, 8, 6}, kSunday = {2024, 6, 9, 0};
    // Coming of Age Day: by the law the second Monday, by the fixed rules 15 January.
    constexpr SignalDate kJan8 = {2024, 1, 8, 1}, kJan15 = {2024, 1, 15, 1}, kSubstitute = {2024, 5, 6, 1};
    constexpr TimeSignalSound H = kHourSignal, HH = kHalfHourSignal, N = kNoSignal;
    struct Case { const char *what; TimeSignalSound due; int hour; SignalDate date;
                  int32_t from, to, daysOff, law, strike; TimeSignalSound sound; int strikes; } cases[] = {
        {"all off: as decided", H, 15, kSaturday, 0, 0, 0, 1, 0, H, 1},
        {"quiet over midnight", H, 23, kWednesday, 22, 7, 0, 1, 1, N, 0},
        {"the quiet hours' end sounds", H, 7, kWednesday, 22, 7, 0, 1, 0, H, 1},
        {"struck: 15:00 three times", H, 15, kWednesday, 22, 7, 0, 1, 1, H, 3},
        {"struck: midnight twelve times", H, 0, kWednesday, 1, 7, 0, 1, 1, H, 12},
        {"the half hour is never struck", HH, 15, kWednesday, 0, 0, 0, 1, 1, HH, 1},
        {"a Saturday", H, 15, kSaturday, 0, 0, 1, 1, 1, N, 0},
        {"a Sunday, the half hour", HH, 15, kSunday, 0, 0, 1, 0, 0, N, 0},
        {"8 January by the law", H, 15, kJan8, 0, 0, 1, 1, 0, N, 0},
        {"8 January by the fixed rules", H, 15, kJan8, 0, 0, 1, 0, 0, H, 1},
        {"15 January by the law", H, 15, kJan15, 0, 0, 1, 1, 0, H, 1},
        {"15 January by the fixed rules", H, 15, kJan15, 0, 0, 1, 0, 0, N, 0},
        {"a substitute holiday by the law", H, 15, kSubstitute, 0, 0, 1, 1, 0, N, 0},
    };
    for (const Case &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.nQuietFrom = c.from, rec.nQuietTo = c.to, rec.bQuietDaysOff = c.daysOff, rec.bHolidayLaw = c.law;
        rec.bStrikeHours = c.strike;
        const TimeSignalDecision d = ApplySignalOptions({c.due, 2, c.due == N ? 0 : 1}, rec, c.date, c.hour);
        EXPECT_EQ(std::tuple(d.sound, d.nStrikes, d.nDrawChara), std::tuple(c.sound, c.strikes, 2)) << c.what;
    }
}

TEST(Rotation, MovesToAnotherEnabledCharacterOnlyWhenTwoAreEnabled)
{
    struct Case {
        int32_t chara0, chara1, chara2, random, drawChara, expected;
    } cases[] = {
        {1, 1, 1, 0, 0, 1}, {1, 1, 1, 0, 2, 0}, {1, 0, 1, 0, 0, 2}, {1, 0, 1, 0, 2, 0},
        // One or none enabled (only a flag of 1 counts): no change, in either order.
        {0, 1, 0, 0, 0, 0}, {0, 0, 1, 1, 2, 2}, {0, 0, 0, 1, 1, 1}, {2, 1, 0, 1, 1, 1},
        // Hand-edited indexes come into range before they index the flags.
        {1, 1, 1, 0, -1, 0}, {1, 1, 1, 0, -4, 0}, {1, 1, 1, 0, 7, 2}, {1, 1, 1, 0, -2147483647 - 1, 2},
    };
    for (const Case &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.bChara0 = c.chara0, rec.bChara1 = c.chara1, rec.bChara2 = c.chara2;
        rec.bRandom = c.random, rec.nDrawChara = c.drawChara;
        EXPECT_EQ(NextCharacter(rec, NextRandom), c.expected) << &c - cases;
    }
}

// The exact generator from seed 1 draws 41, 18467, 6334 (2, 2, 1 modulo 3): with all three enabled,
// from character 2 it skips itself twice and lands on 1, from 0 on 2; in turn would give 0 and 1.
// Over a long run the choice never repeats, reaches every other enabled character and no other.
TEST(Rotation, RandomOrderNeverRepeatsAndReachesEveryOtherEnabledCharacter)
{
    SettingsRecord rec;
    SetDefaultSettings(&rec);
    rec.bRandom = 1;
    for (const auto &[current, expected] : {std::pair(2, 1), std::pair(0, 2)}) {
        SeedRandom(1);
        rec.nDrawChara = current;
        EXPECT_EQ(NextCharacter(rec, NextRandom), expected) << "from " << current;
    }
    for (int32_t bChara0 : {1, 0}) {
        rec.bChara0 = bChara0, rec.nDrawChara = 1;
        SeedRandom(12345);
        int reached[3][3] = {};
        for (int i = 0; i < 3000; ++i) {
            const int32_t next = NextCharacter(rec, NextRandom);
            ASSERT_TRUE(next != rec.nDrawChara && (next != 0 || bChara0)) << i << ": " << next;
            ++reached[rec.nDrawChara][next];
            rec.nDrawChara = next;
        }
        for (int from = bChara0 ? 0 : 1; from < 3; ++from)
            for (int to = bChara0 ? 0 : 1; to < 3; ++to)
                EXPECT_EQ(reached[from][to] > 0, from != to) << bChara0 << ": " << from << " -> " << to;
    }
}

}  // namespace
