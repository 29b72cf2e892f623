// The lunar table: every month start of 1980-2099 against ICU's calendar on UTC+9, the leap
// months of 2023, 2025 and 2033, the new year of 2026, the lunar rokuyo and the fallback outside.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "calendar/civildays.h"
#include "calendar/holiday.h"
#include "calendar/lunar.h"

namespace {

struct SecondSourceYear {
    int year;
    int newYear;  // YYYYMMDD
    int leap;
    unsigned int longMonths;
};
const SecondSourceYear kDangi[] = {
#include "tests/host/lunar_dangi.inc"
};

bool SameLunar(const LunarDate &a, const LunarDate &b)
{
    return a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay && a.bLeap == b.bLeap;
}

TEST(LunarTable, MonthStartsAgreeWithTheSecondSourceButForFourNewMoonsAtMidnight)
{
    // ICU's lunar theory is a short series good to a few minutes, ephem's far closer. These four new
    // moons fall within five minutes of midnight JST by ephem: 26 February 2017 23:58, 7 August 2051
    // 00:04, 3 November 2051 23:58 and 13 January 2097 23:59 (so in lunar year 2096). The table keeps
    // ephem's days; every new year's day and every leap month agree.
    std::set<int> differing;
    for (const SecondSourceYear &row : kDangi) {
        long day = DaysFromCivil(row.newYear / 10000, row.newYear / 100 % 100, row.newYear % 100);
        for (int k = 0; k < (row.leap ? 13 : 12); ++k) {
            const CivilDate start = CivilFromDays(day);
            const LunarDate want = {row.year, row.leap && k >= row.leap ? k : k + 1, 1, row.leap && k == row.leap};
            LunarDate got = {};
            if (start.nYear >= 1980 && start.nYear <= 2099 &&
                (!GetLunarDate(start.nYear, start.nMonth, start.nDay, &got) || !SameLunar(got, want)))
                differing.insert(row.year);
            day += (row.longMonths >> k & 1) ? 30 : 29;
        }
    }
    EXPECT_EQ(differing, (std::set<int>{2017, 2051, 2096}));
}

TEST(LunarTable, KnownDaysAndLeapMonths)
{
    const struct { int year, month, day; LunarDate lunar; } cases[] = {
        {2026, 2, 17, {2026, 1, 1, 0}}, {2026, 2, 16, {2025, 12, 29, 0}},  // lunar new year 2026
        {2023, 3, 22, {2023, 2, 1, 1}}, {2023, 4, 20, {2023, 3, 1, 0}},    // 閏2月 2023
        {2025, 7, 25, {2025, 6, 1, 1}},                                    // 閏6月 2025
        {2033, 12, 22, {2033, 11, 1, 1}},  // 閏11月 2033, where the plain rules break down
        {2017, 2, 26, {2017, 2, 1, 0}},
        {2027, 2, 7, {2027, 1, 1, 0}},     // new moon 00:56 JST, still the 6th in China
        {1980, 1, 1, {1979, 11, 14, 0}}, {2099, 12, 31, {2099, 11, 20, 0}},
    };
    for (const auto &c : cases) {
        LunarDate got = {};
        EXPECT_EQ(GetLunarDate(c.year, c.month, c.day, &got), 1);
        EXPECT_TRUE(SameLunar(got, c.lunar)) << c.year << "/" << c.month << "/" << c.day << " is " << got.nYear
                                             << " " << got.nMonth << (got.bLeap ? "L/" : "/") << got.nDay;
    }
    LunarDate untouched = {1, 2, 3, 4};
    for (const auto &d : {CivilDate{1979, 12, 31}, CivilDate{2100, 1, 1}, CivilDate{2026, 2, 29},
                          CivilDate{INT_MIN, 1, 1}, CivilDate{2026, INT_MAX, 1}})
        EXPECT_EQ(GetLunarDate(d.nYear, d.nMonth, d.nDay, &untouched), 0) << d.nYear << "/" << d.nMonth;
    EXPECT_TRUE(SameLunar(untouched, {1, 2, 3, 4}));
}

TEST(LunarRokuyo, LunarMonthPlusDayInsideTheTableFixedFormulaOutside)
{
    EXPECT_STREQ(GetRokuyoLabel(ChooseRokuyoIndex(1, 2026, 2, 17)), "先勝");  // lunar 1/1
    EXPECT_STREQ(GetRokuyoLabel(ChooseRokuyoIndex(0, 2026, 2, 17)), "赤口");  // (2 + 17) mod 6
    EXPECT_STREQ(GetRokuyoLabel(ChooseRokuyoIndex(1, 2023, 3, 22)), "友引");  // leap 2/1 counts as 2/1
    EXPECT_STREQ(GetRokuyoLabel(ChooseRokuyoIndex(1, 2026, 2, 16)), "仏滅");  // 12/29
    for (const auto &d : {CivilDate{1979, 12, 31}, CivilDate{2100, 1, 1}, CivilDate{2026, 2, 30}})
        EXPECT_EQ(ChooseRokuyoIndex(1, d.nYear, d.nMonth, d.nDay), GetRokuyoIndex(d.nMonth, d.nDay)) << d.nYear;
    // Every day of the table: one label a day in order, restarting at each lunar month.
    int previous = ChooseRokuyoIndex(1, 1980, 1, 1);
    for (long day = DaysFromCivil(1980, 1, 2); day <= DaysFromCivil(2099, 12, 31); ++day) {
        const CivilDate date = CivilFromDays(day);
        LunarDate lunar;
        ASSERT_EQ(GetLunarDate(date.nYear, date.nMonth, date.nDay, &lunar), 1);
        const int index = ChooseRokuyoIndex(1, date.nYear, date.nMonth, date.nDay);
        ASSERT_EQ(index, lunar.nDay == 1 ? (lunar.nMonth + 1) % 6 : (previous + 1) % 6) << day;
        previous = index;
    }
}

}  // namespace
