// The month window's content: the six-week grid, paging to the ends of 1948-2099, the days off by
// name under either rules, and the texts under the grid in buffers of exactly their size.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "calendar/civildays.h"
#include "calendar/holiday.h"
#include "calendar/holidayname.h"
#include "calendar/month.h"

namespace {

TEST(MonthGrid, SixWeeksDayByDayFromTheSundayBeforeThe1stAndNoGridOutside1948To2099)
{
    // The month, its length and its first cell: from a Sunday, leap by 4 and by 400, common, the ends.
    const struct { int year, month, length; long first; } cases[] = {
        {2026, 2, 28, DaysFromCivil(2026, 2, 1)}, {2024, 2, 29, DaysFromCivil(2024, 1, 28)},
        {2000, 2, 29, DaysFromCivil(2000, 1, 30)}, {2023, 2, 28, DaysFromCivil(2023, 1, 29)},
        {1948, 1, 31, DaysFromCivil(1947, 12, 28)}, {2099, 12, 31, DaysFromCivil(2099, 11, 29)},
    };
    MonthGrid grid;
    for (const auto &c : cases) {
        ASSERT_EQ(MakeMonthGrid(c.year, c.month, &grid), 1);
        int wrong = WeekdayFromDays(c.first) != 0, inMonth = 0;
        for (int i = 0; i < kMonthGridWeeks * 7; ++i) {
            const MonthCell &cell = grid.aCells[i];
            inMonth += cell.bInMonth;
            wrong += DaysFromCivil(cell.nYear, cell.nMonth, cell.nDay) != c.first + i || cell.nWeekday != i % 7 ||
                     cell.bInMonth != (cell.nMonth == c.month);
        }
        EXPECT_EQ(wrong, 0) << c.year << "/" << c.month;
        EXPECT_EQ(inMonth, c.length) << c.year << "/" << c.month;
    }
    // Outside: 0, and a cleared grid with nothing left of the month before.
    for (const auto &ym : {std::pair(1947, 12), std::pair(2100, 2), std::pair(2026, 13), std::pair(INT_MIN, 1)})
        EXPECT_EQ(MakeMonthGrid(ym.first, ym.second, &grid) + grid.nYear, 0) << ym.first << "/" << ym.second;
}

TEST(MonthGrid, StepMonthCrossesYearsAndStopsAtTheEndsOfTheRange)
{
    const struct { int year, month, delta; long to; } cases[] = {
        {2026, 1, -1, 202512}, {2026, 12, 1, 202701}, {2026, 5, -125, 201512}, {1948, 1, -1, 194801},
        {2099, 12, 1, 209912}, {2099, 11, 5, 209912}, {2000, 6, INT_MIN, 194801}, {2000, 6, INT_MAX, 209912},
        {INT_MAX, 13, 0, 209912}, {INT_MIN, 0, 1, 194802},  // a month outside is brought in first
    };
    for (auto c : cases) {
        StepMonth(&c.year, &c.month, c.delta);
        EXPECT_EQ(c.year * 100L + c.month, c.to) << c.delta;
    }
}

TEST(MonthHolidays, DaysOffByNameInOrderAtMostAsManyAsAskedAndOnlyOnDaysOff)
{
    const struct { int year, month, law, max; std::string expected; } cases[] = {
        {2026, 5, 1, 8, "3 憲法記念日;4 みどりの日;5 こどもの日;6 振替休日;"},
        {2019, 5, 1, 8, "1 即位の日;2 国民の休日;3 憲法記念日;4 みどりの日;5 こどもの日;6 振替休日;"},
        {2026, 11, 1, 8, "3 文化の日;23 勤労感謝の日;"}, {1959, 4, 1, 8, "10 結婚の儀;29 天皇誕生日;"},
        {2026, 5, 0, 8, "3 憲法記念日;4 国民の休日;5 こどもの日;"}, {2000, 12, 0, 8, "23 天皇誕生日;"},
        {2006, 1, 0, 8, "1 元日;2 振替休日;15 成人の日;16 振替休日;"}, {2026, 2, 0, 8, "11 建国記念の日;"},
        {2026, 5, 1, 2, "3 憲法記念日;4 みどりの日;"}, {2026, 5, 1, 0, ""}, {2026, 13, 0, 8, ""},
    };
    for (const auto &c : cases) {
        MonthHoliday holidays[kMaxMonthHolidays];
        std::string listed;
        for (int i = 0, n = ListMonthHolidays(c.year, c.month, c.law, holidays, c.max); i < n; ++i)
            listed += std::to_string(holidays[i].nDay) + " " + holidays[i].pszName + ";";
        EXPECT_EQ(listed, c.expected) << c.year << "/" << c.month << " law " << c.law;
    }
    // The fixed rules' names are a table apart from IsHoliday: a name exactly on their days off.
    int mismatches = GetHolidayName(2026, 2, 30, 0) || GetHolidayName(INT_MIN, 1, 1, 0);  // no such dates
    for (long days = DaysFromCivil(1948, 1, 1); days <= DaysFromCivil(2099, 12, 31); ++days) {
        const CivilDate d = CivilFromDays(days);
        const bool off = IsHoliday(d.nYear, d.nMonth, d.nDay) ||
                         IsSubstituteHoliday(d.nYear, d.nMonth, d.nDay, WeekdayFromDays(days));
        mismatches += (GetHolidayName(d.nYear, d.nMonth, d.nDay, 0) != nullptr) != off;
    }
    EXPECT_EQ(mismatches, 0);
}

// Each text goes into a heap block of exactly cb bytes, so any stray write trips the sanitizer.
TEST(MonthTexts, HolidayLineAndOldCalendarDateCutOnWholeCharacters)
{
    // Year 0: the line of 11月3日 文化の日; else the old-calendar date, 0 and "" outside 1980-2099.
    const struct { int year, month, day; size_t cb; int found; const char *expected; } cases[] = {
        {0, 11, 3, 32, 1, "11月3日 文化の日"}, {0, 11, 3, 11, 1, "11月3日 文"}, {0, 11, 3, 10, 1, "11月3日 "},
        {0, 11, 3, 1, 1, ""}, {2026, 11, 26, 32, 1, "旧暦10月18日"}, {2023, 3, 22, 32, 1, "旧暦閏2月1日"},
        {2023, 3, 22, 8, 1, "旧暦閏2"}, {2023, 3, 22, 6, 1, "旧暦"}, {1979, 12, 31, 16, 0, ""}, {2100, 1, 1, 16, 0, ""},
    };
    for (const auto &c : cases) {
        std::vector<char> block(c.cb, 'x');
        const int found = c.year ? FormatLunarDateText(c.year, c.month, c.day, block.data(), c.cb)
                                 : (FormatMonthHolidayLine(c.month, {c.day, "文化の日"}, block.data(), c.cb), 1);
        EXPECT_EQ(found, c.found) << c.year;
        EXPECT_STREQ(block.data(), c.expected) << c.year << " " << c.cb;
    }
}

}  // namespace
