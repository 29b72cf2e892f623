// Holidays by the law: the 2026 calendar, the 2019 one-offs, the two substitute rules, citizens'
// holidays, the first year, and every day of 1970-2050 against @holiday-jp/holiday_jp.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "calendar/civildays.h"
#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"

namespace {

int Weekday(int year, int month, int day) { return WeekdayFromDays(DaysFromCivil(year, month, day)); }

// Every day off of a year by the law, as MMDD.
std::vector<int> LawHolidays(int year)
{
    std::vector<int> out;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(year, month); ++day)
            if (IsLawHoliday(year, month, day))
                out.push_back(month * 100 + day);
    return out;
}

TEST(HolidayLaw, Year2026IsTheRealCalendar)
{
    EXPECT_EQ(LawHolidays(2026), (std::vector<int>{101, 112, 211, 223, 320, 429, 503, 504, 505, 506, 720, 811, 921,
                                                    922, 923, 1012, 1103, 1123}));
    const uint32_t R = kDayColorRed, B = kDayColorBlue, K = kDayColorBlack;
    // The fixed rules' four wrong red days and seven missing holidays, with both colours.
    const struct { int month, day; uint32_t fixed, law; } cases[] = {
        {1, 15, R, K}, {9, 15, R, K}, {10, 10, R, B}, {12, 23, R, K},  // 10 October 2026 is a Saturday
        {1, 12, K, R}, {2, 23, K, R}, {5, 6, K, R},   {8, 11, K, R},
        {9, 21, K, R}, {9, 22, K, R}, {10, 12, K, R},
    };
    for (const auto &c : cases) {
        const int weekday = Weekday(2026, c.month, c.day);
        EXPECT_EQ(ChooseDayColor(0, 2026, c.month, c.day, weekday), c.fixed) << c.month << "/" << c.day;
        EXPECT_EQ(ChooseDayColor(1, 2026, c.month, c.day, weekday), c.law) << c.month << "/" << c.day;
    }
}

TEST(HolidayLaw, OneOffDaysCountAsHolidaysForTheOtherRules)
{
    // 2019: the enthronement (1 May) makes 30 April and 2 May citizens' holidays; the ceremony on
    // 22 October; no Emperor's Birthday in that year at all.
    EXPECT_EQ(LawHolidays(2019), (std::vector<int>{101, 114, 211, 321, 429, 430, 501, 502, 503, 504, 505, 506, 715,
                                                    811, 812, 916, 923, 1014, 1022, 1103, 1104, 1123}));
    const struct { int year, month, day, national; } days[] = {
        {2019, 4, 30, 0}, {2019, 5, 1, 1}, {2019, 5, 2, 0}, {2019, 10, 22, 1},
        {1959, 4, 10, 1}, {1989, 2, 24, 1}, {1990, 11, 12, 1}, {1993, 6, 9, 1},
        {2020, 7, 24, 1}, {2021, 8, 8, 1}, {2021, 8, 9, 0},  // moved for the Olympic Games
    };
    for (const auto &d : days) {
        EXPECT_EQ(IsLawHoliday(d.year, d.month, d.day), 1) << d.year << "/" << d.month << "/" << d.day;
        EXPECT_EQ(IsNationalHoliday(d.year, d.month, d.day), d.national) << d.year << "/" << d.month << "/" << d.day;
    }
    EXPECT_EQ(IsLawHoliday(2020, 10, 12), 0) << "no Sports Day in October 2020";
}

// The substitute holiday: the Monday from April 1973, the next free day from 2007; the citizens'
// holiday between two holidays from December 1985.
TEST(HolidayLaw, SubstituteAndCitizensHolidays)
{
    const struct { int year, month, day, off; } cases[] = {
        {1973, 4, 30, 1},  {1973, 2, 12, 0},  // 29 April 1973, a Sunday after the amendment; 11 February before
        {1998, 5, 4, 1},   {1998, 5, 6, 0},   // until 2006 only the Monday
        {2008, 5, 6, 1},   {2009, 5, 6, 1},   // from 2007 past the 5th, or the 4th and the 5th
        {2006, 1, 2, 1},   {2006, 1, 3, 0},   {2007, 1, 1, 1},
        {2015, 9, 22, 1},  {2009, 9, 22, 1},  {2014, 9, 22, 0},  // Respect for the Aged Day and the equinox
        {1988, 5, 4, 1},   {1985, 5, 4, 0},   // 4 May after and before the amendment
        {1997, 5, 4, 0},                      // Sundays were left out until 2006
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsLawHoliday(c.year, c.month, c.day), c.off) << c.year << "/" << c.month << "/" << c.day;
    EXPECT_EQ(ChooseDayColor(0, 2008, 5, 6, 2), kDayColorBlack) << "the fixed rules know only the Monday";
    EXPECT_EQ(ChooseDayColor(1, 2008, 5, 6, 2), kDayColorRed);
}

TEST(HolidayLaw, StartsWithTheLawOf1948AndRejectsDatesThatDoNotExist)
{
    EXPECT_EQ(LawHolidays(1947), std::vector<int>{});
    EXPECT_EQ(LawHolidays(1948), (std::vector<int>{923, 1103, 1123}));
    EXPECT_EQ(LawHolidays(1949).front(), 101);
    for (const auto &d : std::vector<std::vector<int>>{{2026, 2, 30}, {2026, 13, 1}, {2026, 0, 1}, {INT_MIN, 1, 1},
                                                       {INT_MAX, 1, 1}, {2026, 1, INT_MIN}})
        EXPECT_EQ(IsLawHoliday(d[0], d[1], d[2]), 0) << d[0] << "/" << d[1] << "/" << d[2];
    EXPECT_EQ(ChooseDayColor(1, 2026, 2, 30, 6), kDayColorBlue);
}

struct ListedYear {
    int year;
    std::vector<int> days;  // MMDD
};
const ListedYear kHolidayJp[] = {
#include "tests/host/holidays_jp.inc"
};

TEST(HolidayLaw, AgreesWithHolidayJpOnEveryDayOf1970To2050)
{
    // Before 1980 the equinoxes are 21 March and 23 September, the constants the fixed rules use
    // outside their tables; the list has the astronomical days. These are the only differences.
    const std::set<int> expected = {
        19710923, 19710924, 19720320, 19720321, 19750923, 19750924,  // equinox on another day
        19760320, 19760321, 19760322,  // 21 March 1976 a Sunday: our equinox has its substitute too
        19790923,                      // 23 September 1979 a Sunday: the 24th is off either way
    };
    std::set<int> differences;
    ASSERT_EQ(std::size(kHolidayJp), 2050u - 1970u + 1);
    for (const ListedYear &listed : kHolidayJp) {
        const std::vector<int> ours = LawHolidays(listed.year);
        std::set<int> both(ours.begin(), ours.end());
        both.insert(listed.days.begin(), listed.days.end());
        for (int mmdd : both) {
            const bool inOurs = std::count(ours.begin(), ours.end(), mmdd) > 0;
            const bool inList = std::count(listed.days.begin(), listed.days.end(), mmdd) > 0;
            if (inOurs != inList)
                differences.insert(listed.year * 10000 + mmdd);
        }
    }
    EXPECT_EQ(differences, expected);
}

}  // namespace
