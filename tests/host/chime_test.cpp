// The time-signal decision, the rotation intervals and orders, and the generator's sequence.
#include <gtest/gtest.h>

#include "chime/chime.h"
#include "chime/random.h"

namespace {

// A scripted generator: the tests say which numbers the random order draws.
const int *scriptNext;
int ScriptedRandom() { return *scriptNext++; }
int NeverCalled()
{
    ADD_FAILURE() << "the generator was drawn from";
    return 0;
}

SettingsRecord Record()
{
    SettingsRecord rec;
    SetDefaultSettings(&rec);
    rec.nChangeTiming = 13;
    return rec;
}

TEST(RandomGenerator, SequenceFromSeedOne)
{
    SeedRandom(1);
    const int expected[10] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int v : expected)
        EXPECT_EQ(NextRandom(), v);
}

TEST(RandomGenerator, StateWrapsModulo2To32)
{
    // 0xFFFFFFFF * 214013 + 2531011 = 2316998 (mod 2^32); 2316998 >> 16 = 35.
    SeedRandom(0xFFFFFFFFu);
    EXPECT_EQ(NextRandom(), 35);
}

struct SignalCase {
    const char *what;
    int alarm, alarm30, ready;
    int hourOld, minuteOld, hour, minute;
    TimeSignalSound expected;
};

TEST(TimeSignal, SoundsOnlyWhenTheHourOrHalfHourChanged)
{
    const SignalCase cases[] = {
        {"11:59 still", 1, 1, 1, 11, 59, 11, 59, kNoSignal},
        {"11:59 -> 12:00 hour wins over half hour", 1, 1, 1, 11, 59, 12, 0, kHourSignal},
        {"12:00 -> 12:00 plays once", 1, 1, 1, 12, 0, 12, 0, kNoSignal},
        {"no hourly: half-hour sound at :00", 0, 1, 1, 11, 59, 12, 0, kHalfHourSignal},
        {"no hourly: half-hour sound at :30", 0, 1, 1, 12, 29, 12, 30, kHalfHourSignal},
        {"no hourly: nothing at :45", 0, 1, 1, 12, 44, 12, 45, kNoSignal},
        {"both: half hour at :30", 1, 1, 1, 12, 29, 12, 30, kHalfHourSignal},
        {"hourly only: nothing at :30", 1, 0, 1, 12, 29, 12, 30, kNoSignal},
        {"started at 12:00:30: first check is silent", 1, 1, 0, 11, 50, 12, 0, kNoSignal},
        {"slept 10:10 to 10:50", 0, 1, 1, 10, 10, 10, 50, kHalfHourSignal},
        {"clock set back across an hour", 1, 0, 1, 12, 5, 11, 55, kHourSignal},
        {"nothing switched on", 0, 0, 1, 11, 59, 12, 0, kNoSignal},
    };
    for (const SignalCase &c : cases) {
        SettingsRecord rec = Record();
        rec.bAlarm = c.alarm, rec.bAlarm30 = c.alarm30;
        rec.nHourOld = c.hourOld, rec.nMinuteOld = c.minuteOld;
        EXPECT_EQ(DecideTimeSignal(c.hour, c.minute, rec, c.ready, NeverCalled).sound, c.expected) << c.what;
    }
}

TEST(RotationInterval, DueExactlyWhenTheIntervalIsCrossed)
{
    struct Case {
        int32_t timing;
        int hourOld, minuteOld, hour, minute;
        bool due;
    } cases[] = {
        {0, 10, 0, 10, 1, true},      {0, 10, 1, 10, 1, false},
        {1, 10, 2, 10, 3, true},      {1, 10, 3, 10, 5, false},
        {2, 10, 4, 10, 5, true},      {2, 10, 5, 10, 9, false},
        {3, 10, 9, 10, 10, true},     {3, 10, 10, 10, 19, false},
        {4, 10, 14, 10, 15, true},    {4, 10, 15, 10, 29, false},
        {5, 10, 29, 10, 30, true},    {5, 10, 0, 10, 29, false},
        {6, 10, 20, 14, 5, true},     {6, 10, 0, 10, 59, false},
        {7, 9, 59, 10, 0, true},      {7, 10, 0, 11, 59, false},
        {8, 8, 0, 9, 0, true},        {8, 9, 0, 11, 0, false},
        {9, 11, 0, 12, 0, true},      {9, 12, 0, 17, 0, false},
        {10, 7, 0, 8, 0, true},       {10, 8, 0, 15, 0, false},
        {10, 15, 0, 16, 0, true},     {11, 11, 59, 12, 0, true},
        {11, 12, 0, 23, 0, false},    {12, 23, 59, 0, 0, true},
        {12, 0, 0, 0, 1, false},      {12, 10, 0, 11, 0, false},
        {13, 23, 59, 0, 0, false},    {14, 10, 0, 11, 0, false},
        {-1, 10, 0, 11, 0, false},    {0x7FFFFFFF, 10, 0, 11, 1, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsRotationDue(c.timing, c.hour, c.minute, c.hourOld, c.minuteOld), c.due)
            << c.timing << ": " << c.hourOld << ":" << c.minuteOld << " -> " << c.hour << ":" << c.minute;
}

TEST(Rotation, InTurnMovesToTheNextEnabledCharacter)
{
    struct Case {
        int32_t chara0, chara1, chara2, drawChara, expected;
    } cases[] = {
        {1, 1, 1, 0, 1}, {1, 1, 1, 2, 0},  {1, 0, 1, 0, 2},  {1, 0, 1, 2, 0},
        {0, 1, 0, 0, 0},  // one enabled: no change
        {0, 0, 0, 2, 2},  // none enabled
        {0, 0, 1, 2, 2},  // one enabled, already shown
        {2, 1, 0, 1, 1},  // only flags equal to 1 count
        // Hand-edited indexes come into range before they index the flags.
        {1, 1, 1, -1, 0}, {1, 1, 1, -4, 0}, {1, 1, 1, 7, 2}, {1, 1, 1, -2147483647 - 1, 2},
    };
    for (const auto &c : cases) {
        SettingsRecord rec = Record();
        rec.bChara0 = c.chara0, rec.bChara1 = c.chara1, rec.bChara2 = c.chara2;
        rec.nDrawChara = c.drawChara, rec.bRandom = 0;
        EXPECT_EQ(NextCharacter(rec, NeverCalled), c.expected)
            << c.chara0 << c.chara1 << c.chara2 << " from " << c.drawChara;
    }
}

TEST(Rotation, RandomOrderDrawsUntilAnotherEnabledCharacter)
{
    SettingsRecord rec = Record();
    rec.bRandom = 1;
    rec.bChara0 = 1, rec.bChara1 = 0, rec.bChara2 = 1;
    rec.nDrawChara = 0;
    const int draws[] = {3, 1, 4, 32765};  // 0 shown, 1 off, 1 off, then 2
    scriptNext = draws;
    EXPECT_EQ(NextCharacter(rec, ScriptedRandom), 2);
    EXPECT_EQ(scriptNext, draws + 4);
}

TEST(Rotation, RandomOrderWithTwoEnabledAlwaysSwaps)
{
    SeedRandom(12345);
    SettingsRecord rec = Record();
    rec.bRandom = 1;
    rec.bChara0 = 0, rec.bChara1 = 1, rec.bChara2 = 1;
    rec.nDrawChara = 1;
    for (int i = 0; i < 1000; ++i) {
        const int32_t next = NextCharacter(rec, NextRandom);
        ASSERT_EQ(next, rec.nDrawChara == 1 ? 2 : 1);
        rec.nDrawChara = next;
    }
}

TEST(TimeSignal, FirstCheckStillRotatesWhatFellDueWhileAway)
{
    // Last saved at 10:20, started at 14:05, change every hour, all three in turn.
    SettingsRecord rec = Record();
    rec.bAlarm = 1, rec.nChangeTiming = 6, rec.nDrawChara = 1;
    rec.nHourOld = 10, rec.nMinuteOld = 20;
    const TimeSignalDecision first = DecideTimeSignal(14, 5, rec, 0, NeverCalled);
    EXPECT_EQ(first.sound, kNoSignal);
    EXPECT_EQ(first.nDrawChara, 2);
}

TEST(TimeSignal, EveryDayChangesOnceAfterMidnight)
{
    SettingsRecord rec = Record();
    rec.nChangeTiming = 12, rec.nDrawChara = 0;
    const int times[][2] = {{23, 58}, {23, 59}, {0, 0}, {0, 1}, {1, 0}, {12, 0}, {23, 59}};
    int changes = 0;
    for (const auto &t : times) {
        const TimeSignalDecision d = DecideTimeSignal(t[0], t[1], rec, 1, NeverCalled);
        changes += d.nDrawChara != rec.nDrawChara;
        rec.nDrawChara = d.nDrawChara, rec.nHourOld = t[0], rec.nMinuteOld = t[1];
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rec.nDrawChara, 1);
}

}  // namespace
