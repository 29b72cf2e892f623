// Equinox tables, the fixed holidays, substitute Mondays, the day colour and rokuyo.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "calendar/holiday.h"

namespace {

// The years whose equinox leaves its usual day (20 March, 23 September).
const std::vector<int> kVernal21 = {1981, 1982, 1983, 1985, 1986, 1987, 1989, 1990, 1991, 1994, 1995,
                                    1998, 1999, 2002, 2003, 2006, 2007, 2010, 2011, 2014, 2015, 2018,
                                    2019, 2022, 2023, 2027, 2031, 2035, 2039, 2043, 2047, 2051, 2055};
const std::vector<int> kVernal19 = {2092, 2096};
const std::vector<int> kAutumnal22 = {2012, 2016, 2020, 2024, 2028, 2032, 2036, 2040, 2044, 2045, 2048,
                                      2049, 2052, 2053, 2056, 2057, 2060, 2061, 2064, 2065, 2068, 2069,
                                      2072, 2073, 2076, 2077, 2078, 2080, 2081, 2082, 2084, 2085, 2086,
                                      2088, 2089, 2090, 2092, 2093, 2094, 2096, 2097, 2098};

bool In(const std::vector<int> &years, int year) { return std::count(years.begin(), years.end(), year) > 0; }

TEST(EquinoxTables, EveryYearFrom1980To2099MatchesTheListsAndOthersUseTheConstants)
{
    for (int year = 1980; year <= 2099; ++year) {
        EXPECT_EQ(GetVernalEquinoxDay(year), In(kVernal21, year) ? 21 : In(kVernal19, year) ? 19 : 20) << year;
        EXPECT_EQ(GetAutumnalEquinoxDay(year), In(kAutumnal22, year) ? 22 : 23) << year;
    }
    for (int year : {INT_MIN, 1979, 2100, INT_MAX})
        EXPECT_EQ(std::pair(GetVernalEquinoxDay(year), GetAutumnalEquinoxDay(year)), std::pair(21, 23)) << year;
}

// Before 1980 the equinoxes fell on 21 March and 23 September but in these years.
const std::vector<int> kVernal20Before1980 = {1960, 1964, 1968, 1972, 1976};
const std::vector<int> kAutumnal24Before1980 = {1951, 1955, 1959, 1963, 1967, 1971, 1975, 1979};

TEST(EquinoxTables, TheLawHasTheTrueDaysFrom1948AndTheFixedRulesTheConstantsBefore1980)
{
    for (int year = 1948; year <= 1979; ++year) {
        EXPECT_EQ(GetLawVernalEquinoxDay(year), In(kVernal20Before1980, year) ? 20 : 21) << year;
        EXPECT_EQ(GetLawAutumnalEquinoxDay(year), In(kAutumnal24Before1980, year) ? 24 : 23) << year;
        EXPECT_EQ(std::pair(GetVernalEquinoxDay(year), GetAutumnalEquinoxDay(year)), std::pair(21, 23)) << year;
    }
    for (int year : {INT_MIN, 1947, 1980, 2012, 2092, 2099, 2100, INT_MAX})
        EXPECT_EQ(std::pair(GetLawVernalEquinoxDay(year), GetLawAutumnalEquinoxDay(year)),
                  std::pair(GetVernalEquinoxDay(year), GetAutumnalEquinoxDay(year)))
            << year;
}

TEST(HolidayTable, ThirteenFixedDatesAndTheTwoEquinoxesOnly)
{
    const int fixed[][2] = {{1, 1},  {1, 15}, {2, 11},  {4, 29},  {5, 3},   {5, 4},  {5, 5},
                            {7, 20}, {9, 15}, {10, 10}, {11, 3}, {11, 23}, {12, 23}};
    for (int year : {2000, 2100}) {
        int count = 0;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                count += IsHoliday(year, month, day);
        EXPECT_EQ(count, 15) << year;
        for (const auto &[month, day] : fixed)
            EXPECT_EQ(IsHoliday(year, month, day), 1) << year << "/" << month << "/" << day;
    }
    for (int month : {INT_MIN, 0, 13, INT_MAX})
        EXPECT_EQ(IsHoliday(2000, month, 1), 0) << month;
}

TEST(DayColor, SundaysHolidaysAndSubstituteMondaysRedSaturdaysBlue)
{
    const uint32_t R = kDayColorRed, B = kDayColorBlue, K = kDayColorBlack;
    const struct { int year, month, day, weekday; uint32_t color; int substitute; } cases[] = {
        {2006, 1, 2, 1, R, 1},   {2005, 3, 21, 1, R, 1},                          // Sunday holidays move to Monday
        {1998, 5, 4, 1, R, 1},   {1998, 5, 5, 2, R, 0},   {1998, 5, 6, 3, K, 0},  // but never on to Wednesday
        {2000, 12, 23, 6, R, 0}, {2010, 1, 16, 6, B, 0},  // a Saturday holiday is red, a plain Saturday blue
        {2001, 9, 16, 0, R, 0},  {2001, 9, 17, 1, K, 0},  // a plain Sunday gives no substitute
        {2007, 1, 1, 1, R, 0},   {2000, 1, INT_MIN, 1, K, 0},  // no look back past the 1st
        {2092, 3, 19, 3, R, 0},
        {2012, 9, 22, 6, R, 0},  {2012, 9, 24, 1, K, 0},  // the autumnal equinox on a Saturday: red
    };
    EXPECT_EQ(std::pair(IsHoliday(2012, 9, 22), IsHoliday(2012, 9, 23)), std::pair(1, 0));
    for (const auto &c : cases) {
        EXPECT_EQ(GetDayColor(c.year, c.month, c.day, c.weekday), c.color) << c.year << "/" << c.month << "/" << c.day;
        EXPECT_EQ(IsSubstituteHoliday(c.year, c.month, c.day, c.weekday), c.substitute) << c.year << "/" << c.month;
    }
}

TEST(Rokuyo, IndexIsMonthPlusDayModSixWithItsLabelAndStaysInTheTable)
{
    const struct { int month, day; const char *label; } cases[] = {
        {1, 1, "先勝"}, {1, 31, "先勝"}, {2, 1, "友引"}, {6, 6, "大安"}, {12, 31, "赤口"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(GetRokuyoLabel(GetRokuyoIndex(c.month, c.day)), c.label) << c.month << "/" << c.day;
    for (int month : {INT_MIN, -1, INT_MAX})
        EXPECT_LT(unsigned(GetRokuyoIndex(month, INT_MAX)), unsigned(kRokuyoCount)) << month;
    EXPECT_STREQ(GetRokuyoLabel(-1), "");
    EXPECT_STREQ(GetRokuyoLabel(kRokuyoCount), "");
}

}  // namespace
