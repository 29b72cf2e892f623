// The month calendar window's content: six weeks of days around a month, the month's days off
// by name and the texts shown under the grid.
#pragma once

#include <cstddef>

// The months the window pages through. The law has no holidays before 20 July 1948 and the
// lunar table ends with 2099; the fixed rules keep the same range, so both page alike.
constexpr int kFirstMonthYear = 1948;
constexpr int kLastMonthYear = 2099;

constexpr int kMonthGridWeeks = 6;
constexpr int kMonthGridCells = kMonthGridWeeks * 7;

struct MonthCell {
    int nYear;
    int nMonth;
    int nDay;
    int nWeekday;  // 0 = Sunday ... 6 = Saturday, the column
    int bInMonth;  // 0 for the days of the months before and after
};

struct MonthGrid {
    int nYear;
    int nMonth;
    MonthCell aCells[kMonthGridCells];  // row by row, each row Sunday first
};

// 1 and the grid, its first row the week of the 1st; 0 and a cleared grid for a month outside
// kFirstMonthYear-kLastMonthYear or outside 1-12.
int MakeMonthGrid(int nYear, int nMonth, MonthGrid *pGrid);

// Moves by nDelta months, stopping at January kFirstMonthYear and December kLastMonthYear;
// a month outside the range is first brought back into it.
void StepMonth(int *pnYear, int *pnMonth, int nDelta);

struct MonthHoliday {
    int nDay;
    const char *pszName;  // Shift-JIS, from GetHolidayName
};

// No month of the range has more than six days off (May 2019 by the law); two spare.
constexpr int kMaxMonthHolidays = 8;

// The month's days off in order, at most nMax of them; returns how many were written.
int ListMonthHolidays(int nYear, int nMonth, int bHolidayLaw, MonthHoliday *pOut, int nMax);

// "11月3日 文化の日" in Shift-JIS, cut on a whole character to fit cbOut bytes with its terminator.
void FormatMonthHolidayLine(int nMonth, const MonthHoliday &holiday, char *pszOut, size_t cbOut);

// "旧暦10月18日", "旧暦閏4月2日" in a leap month; 0 and "" outside the lunar table's years or for
// a date that does not exist. Cut on a whole character to fit cbOut bytes with its terminator.
int FormatLunarDateText(int nYear, int nMonth, int nDay, char *pszOut, size_t cbOut);
