// Japanese holidays by the Act on National Holidays of 1948 and its amendments, and the
// one-off days fixed by their own acts. Each line of the table is one rule and the years it held.
#include "calendar/holidaylaw.h"

#include "calendar/civildays.h"
#include "calendar/holiday.h"

namespace {

// Codes in place of a day of the month.
constexpr int kSecondMonday = -2;
constexpr int kThirdMonday = -3;
constexpr int kVernalEquinox = -20;
constexpr int kAutumnalEquinox = -21;
constexpr int kNoEnd = 9999;

struct HolidayRule {
    int nMonth;
    int nDay;  // 1-31 or one of the codes above
    int nFirstYear;
    int nLastYear;
    const char *pszName;  // Shift-JIS
};

// The law took effect on 20 July 1948: its first holidays were 23 September, 3 and 23 November.
// The one-off days count as national holidays, as the 2019 act says of its two; the earlier
// ones never touched a Sunday or stood between two holidays, so for them it makes no difference.
// The names are worded as @holiday-jp/holiday_jp words them, as the tests check: the two days
// of 2019 only as days off counted as holidays, the last 体育の日 with its coming name beside it.
const HolidayRule kHolidayLaw[] = {
    {1, 1, 1949, kNoEnd, "元日"},                     // New Year's Day
    {1, 15, 1949, 1999, "成人の日"},                  // Coming of Age Day
    {1, kSecondMonday, 2000, kNoEnd, "成人の日"},     // second Monday from 2000
    {2, 11, 1967, kNoEnd, "建国記念の日"},            // National Foundation Day
    {2, 23, 2020, kNoEnd, "天皇誕生日"},              // Emperor's Birthday (Reiwa)
    {2, 24, 1989, 1989, "大喪の礼"},                  // the Showa Emperor's funeral
    {3, kVernalEquinox, 1949, kNoEnd, "春分の日"},    // Vernal Equinox Day
    {4, 10, 1959, 1959, "結婚の儀"},                  // Crown Prince Akihito's wedding
    {4, 29, 1949, 1988, "天皇誕生日"},                // Emperor's Birthday (Showa)
    {4, 29, 1989, 2006, "みどりの日"},                // Greenery Day
    {4, 29, 2007, kNoEnd, "昭和の日"},                // Showa Day
    {5, 1, 2019, 2019, "即位の日"},                   // the Emperor's enthronement
    {5, 3, 1949, kNoEnd, "憲法記念日"},               // Constitution Memorial Day
    {5, 4, 2007, kNoEnd, "みどりの日"},               // Greenery Day (before 2007 a citizens' holiday)
    {5, 5, 1949, kNoEnd, "こどもの日"},               // Children's Day
    {6, 9, 1993, 1993, "結婚の儀"},                   // Crown Prince Naruhito's wedding
    {7, 20, 1996, 2002, "海の日"},                    // Marine Day
    {7, kThirdMonday, 2003, 2019, "海の日"},          // third Monday from 2003
    {7, 23, 2020, 2020, "海の日"},                    // moved for the Olympic Games
    {7, 24, 2020, 2020, "スポーツの日"},              // Sports Day, moved for the Olympic Games
    {7, 22, 2021, 2021, "海の日"},                    // moved again
    {7, 23, 2021, 2021, "スポーツの日"},              // moved again
    {7, kThirdMonday, 2022, kNoEnd, "海の日"},
    {8, 11, 2016, 2019, "山の日"},                    // Mountain Day
    {8, 10, 2020, 2020, "山の日"},                    // moved for the Olympic Games
    {8, 8, 2021, 2021, "山の日"},                     // moved again
    {8, 11, 2022, kNoEnd, "山の日"},
    {9, 15, 1966, 2002, "敬老の日"},                  // Respect for the Aged Day
    {9, kThirdMonday, 2003, kNoEnd, "敬老の日"},      // third Monday from 2003
    {9, kAutumnalEquinox, 1948, kNoEnd, "秋分の日"},  // Autumnal Equinox Day
    {10, 10, 1966, 1999, "体育の日"},                 // Health and Sports Day
    {10, kSecondMonday, 2000, 2018, "体育の日"},      // second Monday from 2000
    // The last one, the year before the new name took effect.
    {10, kSecondMonday, 2019, 2019, "体育の日（スポーツの日）"},
    {10, kSecondMonday, 2022, kNoEnd, "スポーツの日"},  // Sports Day (in July in 2020 and 2021)
    {10, 22, 2019, 2019, "即位礼正殿の儀"},           // the enthronement ceremony
    {11, 3, 1948, kNoEnd, "文化の日"},                // Culture Day
    {11, 12, 1990, 1990, "即位礼正殿の儀"},           // the enthronement ceremony
    {11, 23, 1948, kNoEnd, "勤労感謝の日"},           // Labour Thanksgiving Day
    {12, 23, 1989, 2018, "天皇誕生日"},               // Emperor's Birthday (Heisei)
};

// A national holiday on a Sunday gives the next day off from 12 April 1973 (the amendment of
// that day), and from 2007 the first following day that is no national holiday.
constexpr long kSubstituteFrom = 19730412;
constexpr long kNextFreeDayFrom = 20070101;
// A day between two national holidays is off from 27 December 1985; until 2006 not a Sunday.
constexpr long kCitizensFrom = 19851227;

long DateKey(const CivilDate &date)
{
    return date.nYear * 10000L + date.nMonth * 100 + date.nDay;
}

int RuleDay(const HolidayRule &rule, int nYear)
{
    switch (rule.nDay) {
    case kVernalEquinox:
        return GetLawVernalEquinoxDay(nYear);
    case kAutumnalEquinox:
        return GetLawAutumnalEquinoxDay(nYear);
    case kSecondMonday:
    case kThirdMonday: {
        const int nFirstWeekday = WeekdayFromDays(DaysFromCivil(nYear, rule.nMonth, 1));
        const int nFirstMonday = 1 + (8 - nFirstWeekday) % 7;
        return nFirstMonday + 7 * (-rule.nDay - 1);
    }
    default:
        return rule.nDay;
    }
}

// Day numbers, so that the neighbours of a date are one step away across month ends.
const HolidayRule *FindNationalHoliday(long nDays)
{
    const CivilDate date = CivilFromDays(nDays);
    for (const HolidayRule &rule : kHolidayLaw) {
        if (rule.nMonth == date.nMonth && date.nYear >= rule.nFirstYear && date.nYear <= rule.nLastYear &&
            RuleDay(rule, date.nYear) == date.nDay)
            return &rule;
    }
    return nullptr;
}

bool IsNationalHolidayDay(long nDays)
{
    return FindNationalHoliday(nDays) != nullptr;
}

bool IsSubstituteHolidayDay(long nDays)
{
    if (IsNationalHolidayDay(nDays))
        return false;
    // Walk back over the national holidays just before: one of them on a Sunday moves here.
    for (long nPrev = nDays - 1; IsNationalHolidayDay(nPrev); --nPrev) {
        const long nKey = DateKey(CivilFromDays(nPrev));
        if (WeekdayFromDays(nPrev) == 0 && nKey >= kSubstituteFrom)
            return nPrev == nDays - 1 || nKey >= kNextFreeDayFrom;
    }
    return false;
}

bool IsCitizensHolidayDay(long nDays)
{
    const long nKey = DateKey(CivilFromDays(nDays));
    if (nKey < kCitizensFrom || IsNationalHolidayDay(nDays))
        return false;
    if (nKey < kNextFreeDayFrom && WeekdayFromDays(nDays) == 0)
        return false;
    return IsNationalHolidayDay(nDays - 1) && IsNationalHolidayDay(nDays + 1);
}

}  // namespace

int IsNationalHoliday(int nYear, int nMonth, int nDay)
{
    return IsValidDate(nYear, nMonth, nDay) && IsNationalHolidayDay(DaysFromCivil(nYear, nMonth, nDay));
}

int IsLawHoliday(int nYear, int nMonth, int nDay)
{
    return GetLawHolidayName(nYear, nMonth, nDay) != nullptr;
}

const char *GetLawHolidayName(int nYear, int nMonth, int nDay)
{
    if (!IsValidDate(nYear, nMonth, nDay))
        return nullptr;
    const long nDays = DaysFromCivil(nYear, nMonth, nDay);
    if (const HolidayRule *pRule = FindNationalHoliday(nDays))
        return pRule->pszName;
    if (IsSubstituteHolidayDay(nDays))
        return "振替休日";
    // The law calls the day between two holidays simply a holiday, and so does the list.
    if (IsCitizensHolidayDay(nDays))
        return "国民の休日";
    return nullptr;
}

uint32_t ChooseDayColor(int bHolidayLaw, int nYear, int nMonth, int nDay, int nWeekday)
{
    return bHolidayLaw ? DayColorFor(nWeekday, IsLawHoliday(nYear, nMonth, nDay))
                       : GetDayColor(nYear, nMonth, nDay, nWeekday);
}
