// Names of the days off: the law's come with its rule table, the fixed rules' are listed here.
#include "calendar/holidayname.h"

#include "calendar/civildays.h"
#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"

namespace {

// Day 0 stands for the month's equinox, whose day comes from the table.
constexpr int kEquinox = 0;

struct FixedHolidayName {
    int nMonth;
    int nDay;
    const char *pszName;
};

// The days IsHoliday knows, named as in 1996-1999, when the law was what the fixed rules are.
const FixedHolidayName kFixedHolidayNames[] = {
    {1, 1, "元日"}, {1, 15, "成人の日"}, {2, 11, "建国記念の日"}, {3, kEquinox, "春分の日"},
    {4, 29, "みどりの日"}, {5, 3, "憲法記念日"}, {5, 4, "国民の休日"}, {5, 5, "こどもの日"},
    {7, 20, "海の日"}, {9, 15, "敬老の日"}, {9, kEquinox, "秋分の日"}, {10, 10, "体育の日"},
    {11, 3, "文化の日"}, {11, 23, "勤労感謝の日"}, {12, 23, "天皇誕生日"},
};

const char *NameOfFixedHoliday(int nYear, int nMonth, int nDay)
{
    const int nEquinoxDay = nMonth == 3 ? GetVernalEquinoxDay(nYear) : GetAutumnalEquinoxDay(nYear);
    for (const FixedHolidayName &entry : kFixedHolidayNames) {
        if (entry.nMonth == nMonth && (entry.nDay == kEquinox ? nEquinoxDay : entry.nDay) == nDay)
            return entry.pszName;
    }
    return nullptr;
}

}  // namespace

const char *GetHolidayName(int nYear, int nMonth, int nDay, int bHolidayLaw)
{
    if (bHolidayLaw)
        return GetLawHolidayName(nYear, nMonth, nDay);
    // IsHoliday takes any year and day; only dates that exist have a name.
    if (!IsValidDate(nYear, nMonth, nDay))
        return nullptr;
    if (IsHoliday(nYear, nMonth, nDay))
        return NameOfFixedHoliday(nYear, nMonth, nDay);
    const int nWeekday = WeekdayFromDays(DaysFromCivil(nYear, nMonth, nDay));
    return IsSubstituteHoliday(nYear, nMonth, nDay, nWeekday) ? "振替休日" : nullptr;
}
