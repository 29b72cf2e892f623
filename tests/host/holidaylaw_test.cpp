// Holidays by the law: the 2026 calendar, the 2019 one-offs, the two substitute rules, citizens'
// holidays, the first year, and every day of 1970-2050 and its name against @holiday-jp/holiday_jp.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "calendar/civildays.h"
#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"
#include "calendar/holidayname.h"

namespace {

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

TEST(HolidayLaw, WholeYears2026And2019AndTheFirstYears)
{
    EXPECT_EQ(LawHolidays(2026), (std::vector<int>{101, 112, 211, 223, 320, 429, 503, 504, 505, 506, 720, 811, 921,
                                                    922, 923, 1012, 1103, 1123}));
    // The enthronement (1 May) makes 30 April and 2 May citizens' holidays; the ceremony on
    // 22 October; no Emperor's Birthday in 2019 at all.
    EXPECT_EQ(LawHolidays(2019), (std::vector<int>{101, 114, 211, 321, 429, 430, 501, 502, 503, 504, 505, 506, 715,
                                                    811, 812, 916, 923, 1014, 1022, 1103, 1104, 1123}));
    EXPECT_EQ(LawHolidays(1947), std::vector<int>{});
    EXPECT_EQ(LawHolidays(1948), (std::vector<int>{923, 1103, 1123}));
    EXPECT_EQ(LawHolidays(1949).front(), 101);
}

// off: 0 a working day (or no such date), 1 a substitute or citizens' holiday, 2 a national holiday.
// The substitute is the Monday from April 1973 and the next free day from 2007; the citizens'
// holiday between two holidays from December 1985.
TEST(HolidayLaw, OneOffsSubstitutesAndCitizensHolidays)
{
    const struct { int year, month, day, off; } cases[] = {
        {2019, 4, 30, 1}, {2019, 5, 1, 2}, {2019, 5, 2, 1}, {2019, 10, 22, 2}, {1959, 4, 10, 2}, {1989, 2, 24, 2},
        {1990, 11, 12, 2}, {1993, 6, 9, 2}, {2020, 7, 24, 2}, {2021, 8, 8, 2}, {2021, 8, 9, 1},  // Olympic moves
        {2020, 10, 12, 0},                    // no Sports Day in October 2020
        {1973, 4, 30, 1}, {1973, 2, 12, 0},   // 29 April 1973, a Sunday after the amendment; 11 February before
        {1998, 5, 4, 1}, {1998, 5, 6, 0},     // until 2006 only the Monday
        {2008, 5, 6, 1}, {2009, 5, 6, 1},     // from 2007 past the 5th, or the 4th and the 5th
        {2006, 1, 2, 1}, {2006, 1, 3, 0}, {2007, 1, 1, 2},
        {2015, 9, 22, 1}, {2009, 9, 22, 1}, {2014, 9, 22, 0},  // Respect for the Aged Day and the equinox
        {1988, 5, 4, 1}, {1985, 5, 4, 0},     // 4 May after and before the amendment
        {1997, 5, 4, 0},                      // Sundays were left out until 2006
        {2026, 2, 30, 0}, {2026, 13, 1, 0}, {2026, 0, 1, 0}, {INT_MIN, 1, 1, 0}, {INT_MAX, 1, 1, 0},
        {2026, 1, INT_MIN, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "/" << c.month << "/" << c.day);
        EXPECT_EQ(IsLawHoliday(c.year, c.month, c.day), c.off > 0);
        EXPECT_EQ(c.off && IsNationalHoliday(c.year, c.month, c.day), c.off == 2);
    }
}

TEST(HolidayLaw, DayColourByTheFixedRulesAndByTheLaw)
{
    const uint32_t R = kDayColorRed, B = kDayColorBlue, K = kDayColorBlack;
    // 2026: the fixed rules' four wrong red days and seven missing holidays; 10 October is a Saturday.
    const struct { int year, month, day; uint32_t fixed, law; } cases[] = {
        {2026, 1, 15, R, K}, {2026, 9, 15, R, K}, {2026, 10, 10, R, B}, {2026, 12, 23, R, K},
        {2026, 1, 12, K, R}, {2026, 2, 23, K, R}, {2026, 5, 6, K, R},   {2026, 8, 11, K, R},
        {2026, 9, 21, K, R}, {2026, 9, 22, K, R}, {2026, 10, 12, K, R},
        {2008, 5, 6, K, R},  // the fixed rules know only the Monday substitute
    };
    for (const auto &c : cases) {
        const int weekday = WeekdayFromDays(DaysFromCivil(c.year, c.month, c.day));
        SCOPED_TRACE(testing::Message() << c.year << "/" << c.month << "/" << c.day);
        EXPECT_EQ(ChooseDayColor(0, c.year, c.month, c.day, weekday), c.fixed);
        EXPECT_EQ(ChooseDayColor(1, c.year, c.month, c.day, weekday), c.law);
    }
    EXPECT_EQ(ChooseDayColor(1, 2026, 2, 30, 6), kDayColorBlue);
}

struct ListedYear {
    int year;
    std::vector<std::pair<int, const char *>> days;  // MMDD and name
};
const ListedYear kHolidayJp[] = {
#include "tests/host/holidays_jp.inc"
};

TEST(HolidayLaw, AgreesWithHolidayJpOnEveryDayOf1970To2050)
{
    std::set<int> differences;
    ASSERT_EQ(std::size(kHolidayJp), 2050u - 1970u + 1);
    for (const ListedYear &listed : kHolidayJp) {
        const std::vector<int> ours = LawHolidays(listed.year);
        std::set<int> theirs;
        for (const auto &[mmdd, name] : listed.days)
            theirs.insert(mmdd);
        std::vector<int> apart;
        std::set_symmetric_difference(ours.begin(), ours.end(), theirs.begin(), theirs.end(),
                                      std::back_inserter(apart));
        for (int mmdd : apart)
            differences.insert(listed.year * 10000 + mmdd);
    }
    EXPECT_EQ(differences, std::set<int>{});
}

// The list adds which holiday a substitute stands for, not always the one that fell on the Sunday
// (2008-05-06 is こどもの日's, though みどりの日 moved); the names keep only 振替休日.
TEST(HolidayLaw, NamesAgreeWithHolidayJpOnEveryDayOf1970To2050)
{
    std::set<long> differences;
    for (const ListedYear &listed : kHolidayJp)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day) {  // 30 February and the like have no name either
                std::string theirs = "-";
                for (const auto &[mmdd, name] : listed.days)
                    theirs = mmdd == month * 100 + day ? name : theirs;
                theirs.erase(0, theirs.find(" 振替休日") + 1);  // npos + 1 is 0: nothing to erase
                // The list says what a citizens' holiday and the two one-off days of 2019 are;
                // the calendar names them as the law does.
                if (theirs == "休日")
                    theirs = "国民の休日";
                else if (theirs == "休日（祝日扱い）")
                    theirs = month == 5 ? "即位の日" : "即位礼正殿の儀";
                const char *ours = GetHolidayName(listed.year, month, day, 1);
                if ((ours ? ours : "-") != theirs)
                    differences.insert(listed.year * 10000L + month * 100 + day);
            }
    EXPECT_EQ(differences, std::set<long>{});
}

}  // namespace
