// Day numbers of the proleptic Gregorian calendar, for stepping across month and year ends.
#pragma once

struct CivilDate {
    int nYear;
    int nMonth;
    int nDay;
};

// Days in the month; 0 for a month outside 1-12.
int DaysInMonth(int nYear, int nMonth);
// 1 when the date exists (years 1 to 9999 only, so the day numbers never overflow).
int IsValidDate(int nYear, int nMonth, int nDay);
// Days since 1 January 1970 of a valid date; 0 is a Thursday.
long DaysFromCivil(int nYear, int nMonth, int nDay);
CivilDate CivilFromDays(long nDays);
// 0 = Sunday ... 6 = Saturday.
int WeekdayFromDays(long nDays);
