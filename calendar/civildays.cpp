// Day numbers of the proleptic Gregorian calendar (the well-known era arithmetic of 400-year cycles).
#include "calendar/civildays.h"

int DaysInMonth(int nYear, int nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    const bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return kDays[nMonth - 1] + (nMonth == 2 && bLeap ? 1 : 0);
}

int IsValidDate(int nYear, int nMonth, int nDay)
{
    return nYear >= 1 && nYear <= 9999 && nDay >= 1 && nDay <= DaysInMonth(nYear, nMonth);
}

long DaysFromCivil(int nYear, int nMonth, int nDay)
{
    // Years counted from March, so the leap day ends the year.
    const long y = nYear - (nMonth <= 2 ? 1 : 0);
    const long era = y / 400;  // y >= 0 for every valid date
    const long yoe = y - era * 400;
    const long doy = (153 * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5 + nDay - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long nDays)
{
    const long z = nDays + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int nDay = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int nMonth = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (nMonth <= 2 ? 1 : 0)), nMonth, nDay};
}

int WeekdayFromDays(long nDays)
{
    const long r = (nDays + 4) % 7;  // 1 January 1970 was a Thursday
    return static_cast<int>(r < 0 ? r + 7 : r);
}
