// Equinox tables, the fixed holidays, substitute Mondays, the day colour and rokuyo.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "calendar/holiday.h"

namespace {

TEST(EquinoxTables, VernalDayOfEveryYearMatchesTheList)
{
    const std::vector<int> on21 = {1981, 1982, 1983, 1985, 1986, 1987, 1989, 1990, 1991,
                                   1994, 1995, 1998, 1999, 2002, 2003, 2006, 2007, 2010,
                                   2011, 2014, 2015, 2018, 2019, 2022, 2023, 2027, 2031,
                                   2035, 2039, 2043, 2047, 2051, 2055};
    const std::vector<int> on19 = {2092, 2096};
    ASSERT_EQ(on21.size(), 33u);
    for (int year = 1980; year <= 2099; ++year) {
        int expected = 20;
        if (std::count(on21.begin(), on21.end(), year))
            expected = 21;
        if (std::count(on19.begin(), on19.end(), year))
            expected = 19;
        EXPECT_EQ(GetVernalEquinoxDay(year), expected) << year;
    }
}

TEST(EquinoxTables, AutumnalDayOfEveryYearMatchesTheList)
{
    const std::vector<int> on22 = {2012, 2016, 2020, 2024, 2028, 2032, 2036, 2040, 2044, 2045,
                                   2048, 2049, 2052, 2053, 2056, 2057, 2060, 2061, 2064, 2065,
                                   2068, 2069, 2072, 2073, 2076, 2077, 2078, 2080, 2081, 2082,
                                   2084, 2085, 2086, 2088, 2089, 2090, 2092, 2093, 2094, 2096,
                                   2097, 2098};
    ASSERT_EQ(on22.size(), 42u);
    for (int year = 1980; year <= 2099; ++year) {
        const int expected = std::count(on22.begin(), on22.end(), year) ? 22 : 23;
        EXPECT_EQ(GetAutumnalEquinoxDay(year), expected) << year;
    }
}

TEST(EquinoxTables, YearsOutsideTheTablesUseTheConstants)
{
    const struct { int year, vernal, autumnal; } cases[] = {
        {1979, 21, 23}, {2099, 20, 23}, {2100, 21, 23}, {0, 21, 23},
        {INT_MIN, 21, 23}, {INT_MAX, 21, 23},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(GetVernalEquinoxDay(c.year), c.vernal) << c.year;
        EXPECT_EQ(GetAutumnalEquinoxDay(c.year), c.autumnal) << c.year;
    }
}

TEST(HolidayTable, FifteenHolidaysEveryYearOnTheFixedDatesAndEquinoxes)
{
    // Thirteen fixed dates and the two equinoxes.
    const struct { int month, day; } fixed[] = {
        {1, 1}, {1, 15}, {2, 11}, {4, 29}, {5, 3}, {5, 4}, {5, 5},
        {7, 20}, {9, 15}, {10, 10}, {11, 3}, {11, 23}, {12, 23},
    };
    for (int year : {1979, 1980, 2000, 2012, 2092, 2099, 2100}) {
        int count = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day)
                count += IsHoliday(year, month, day);
        }
        EXPECT_EQ(count, 15) << year;
        for (const auto &f : fixed)
            EXPECT_EQ(IsHoliday(year, f.month, f.day), 1) << year << "/" << f.month << "/" << f.day;
        EXPECT_EQ(IsHoliday(year, 3, GetVernalEquinoxDay(year)), 1) << year;
        EXPECT_EQ(IsHoliday(year, 9, GetAutumnalEquinoxDay(year)), 1) << year;
    }
}

TEST(HolidayTable, MonthsOutsideTheYearHaveNoHolidays)
{
    for (int month : {0, 13, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(IsHoliday(2000, month, 1), 0) << month;
    EXPECT_EQ(IsHoliday(2000, 1, 0), 0);
}

struct DayCase {
    int year, month, day, weekday;
    uint32_t color;
};

TEST(DayColor, SundaysHolidaysAndSubstituteMondaysAreRedSaturdaysBlue)
{
    const DayCase cases[] = {
        {2006, 1, 1, 0, kDayColorRed},     // holiday on a Sunday
        {2006, 1, 2, 1, kDayColorRed},     // ... moves to the Monday
        {2006, 1, 3, 2, kDayColorBlack},   // ... and no further
        {2005, 3, 20, 0, kDayColorRed},    // vernal equinox on a Sunday
        {2005, 3, 21, 1, kDayColorRed},
        {2008, 11, 24, 1, kDayColorRed},   // after Labour Thanksgiving Day on a Sunday
        {2000, 12, 23, 6, kDayColorRed},   // a Saturday holiday is not blue
        {2012, 9, 22, 6, kDayColorRed},    // autumnal equinox on a Saturday
        {1998, 5, 3, 0, kDayColorRed},
        {1998, 5, 4, 1, kDayColorRed},
        {1998, 5, 5, 2, kDayColorRed},
        {1998, 5, 6, 3, kDayColorBlack},   // no substitute pushed to a Wednesday
        {2003, 5, 6, 2, kDayColorBlack},   // nor to a Tuesday after a Monday holiday
        {2001, 9, 16, 0, kDayColorRed},
        {2001, 9, 17, 1, kDayColorBlack},  // the Sunday before was no holiday
        {2010, 1, 15, 5, kDayColorRed},    // fixed date, whatever the weekday
        {2001, 7, 20, 5, kDayColorRed},
        {2010, 1, 16, 6, kDayColorBlue},   // the day after a Friday holiday
        {2006, 1, 7, 6, kDayColorBlue},
        {2006, 1, 10, 2, kDayColorBlack},
        {2092, 3, 19, 3, kDayColorRed},
        {2092, 3, 20, 4, kDayColorBlack},
        {2096, 3, 19, 1, kDayColorRed},
        {2099, 3, 20, 5, kDayColorRed},
        {2099, 9, 23, 3, kDayColorRed},
        {1979, 3, 21, 3, kDayColorRed},
        {2100, 9, 23, 4, kDayColorRed},
        {2045, 9, 22, 5, kDayColorRed},
    };
    for (const DayCase &c : cases) {
        EXPECT_EQ(GetDayColor(c.year, c.month, c.day, c.weekday), c.color)
            << c.year << "/" << c.month << "/" << c.day;
    }
}

TEST(SubstituteHoliday, OnlyAMondayAfterAHolidayInTheSameMonth)
{
    const struct { int year, month, day, weekday, expected; } cases[] = {
        {2006, 1, 2, 1, 1},
        {2006, 1, 2, 2, 0},   // not a Monday
        {2010, 1, 16, 6, 0},  // a Saturday after a Friday holiday
        {2007, 1, 1, 1, 0},   // the 1st never looks back into the previous month
        {2007, 5, 1, 1, 0},
        {2001, 9, 17, 1, 0},
        {2000, 1, 0, 1, 0},
        {2000, 1, INT_MIN, 1, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsSubstituteHoliday(c.year, c.month, c.day, c.weekday), c.expected)
            << c.year << "/" << c.month << "/" << c.day << " weekday " << c.weekday;
    }
}

TEST(Rokuyo, IndexIsMonthPlusDayModSixWithItsLabel)
{
    const struct { int month, day, index; const char *label; } cases[] = {
        {1, 1, 2, "先勝"}, {1, 31, 2, "先勝"}, {2, 1, 3, "友引"},
        {6, 6, 0, "大安"}, {12, 31, 1, "赤口"}, {1, 3, 4, "先負"}, {1, 4, 5, "仏滅"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(GetRokuyoIndex(c.month, c.day), c.index) << c.month << "/" << c.day;
        EXPECT_STREQ(GetRokuyoLabel(GetRokuyoIndex(c.month, c.day)), c.label);
    }
}

TEST(Rokuyo, IndexAndLabelStayInsideTheTable)
{
    for (int month : {-13, -1, 0, INT_MIN, INT_MAX}) {
        const int index = GetRokuyoIndex(month, INT_MAX);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, kRokuyoCount);
    }
    EXPECT_STREQ(GetRokuyoLabel(-1), "");
    EXPECT_STREQ(GetRokuyoLabel(6), "");
}

}  // namespace
