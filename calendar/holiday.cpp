// Japanese holidays, equinox days, the substitute-holiday rule, rokuyo and the day colour.
#include "calendar/holiday.h"

namespace {

constexpr int kFirstLawYear = 1948;
constexpr int kFirstTableYear = 1980;
constexpr int kLastTableYear = 2099;
constexpr int kVernalOutsideTable = 21;
constexpr int kAutumnalOutsideTable = 23;

// Day of March and day of September, one pair per year from 1948.
const signed char kEquinoxDays[kLastTableYear - kFirstLawYear + 1][2] = {
#include "calendar/equinoxtable.inc"
};

// Fixed holidays per month, each list ended by 0; the equinoxes come from the tables.
const int32_t kHolidays[12][4] = {
    {1, 15, 0},    // January
    {11, 0},       // February
    {0},           // March
    {29, 0},       // April
    {3, 4, 5, 0},  // May
    {0},           // June
    {20, 0},       // July
    {0},           // August
    {15, 0},       // September
    {10, 0},       // October
    {3, 23, 0},    // November
    {23, 0},       // December
};

const char *const kRokuyoLabels[kRokuyoCount] = {
    "大安", "赤口", "先勝", "友引", "先負", "仏滅",
};

int EquinoxDay(int nYear, int nFirstYear, int nIndex, int nOutside)
{
    return nYear >= nFirstYear && nYear <= kLastTableYear ? kEquinoxDays[nYear - kFirstLawYear][nIndex] : nOutside;
}

}  // namespace

int GetVernalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, kFirstTableYear, 0, kVernalOutsideTable);
}

int GetAutumnalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, kFirstTableYear, 1, kAutumnalOutsideTable);
}

int GetLawVernalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, kFirstLawYear, 0, kVernalOutsideTable);
}

int GetLawAutumnalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, kFirstLawYear, 1, kAutumnalOutsideTable);
}

int IsHoliday(int nYear, int nMonth, int nDay)
{
    if (nMonth < 1 || nMonth > 12)
        return 0;
    for (const int32_t *p = kHolidays[nMonth - 1]; *p != 0; ++p) {
        if (*p == nDay)
            return 1;
    }
    if (nMonth == 3 && nDay == GetVernalEquinoxDay(nYear))
        return 1;
    if (nMonth == 9 && nDay == GetAutumnalEquinoxDay(nYear))
        return 1;
    return 0;
}

int IsSubstituteHoliday(int nYear, int nMonth, int nDay, int nWeekday)
{
    // Never looks back into the previous month: no month ends in a holiday.
    if (nDay <= 1)
        return 0;
    if (nWeekday != 1)
        return 0;
    return IsHoliday(nYear, nMonth, nDay - 1);
}

uint32_t DayColorFor(int nWeekday, int bDayOff)
{
    if (nWeekday == 0 || bDayOff)
        return kDayColorRed;
    if (nWeekday == 6)
        return kDayColorBlue;
    return kDayColorBlack;
}

uint32_t GetDayColor(int nYear, int nMonth, int nDay, int nWeekday)
{
    return DayColorFor(nWeekday, IsHoliday(nYear, nMonth, nDay) || IsSubstituteHoliday(nYear, nMonth, nDay, nWeekday));
}

int GetRokuyoIndex(int nMonth, int nDay)
{
    // The remainder of a negative sum would be negative; keep the index inside the table.
    int nIndex = static_cast<int>((static_cast<long long>(nMonth) + nDay) % kRokuyoCount);
    return nIndex < 0 ? nIndex + kRokuyoCount : nIndex;
}

const char *GetRokuyoLabel(int nIndex)
{
    return nIndex >= 0 && nIndex < kRokuyoCount ? kRokuyoLabels[nIndex] : "";
}
