// Japanese holidays, equinox days, the substitute-holiday rule, rokuyo and the day colour.
#pragma once

#include <cstdint>

// Day of March / September of the equinox holiday; fixed outside the years the tables cover.
int GetVernalEquinoxDay(int nYear);
int GetAutumnalEquinoxDay(int nYear);
// The same days from 1948, for the holiday law; the fixed rules keep the constants before 1980.
int GetLawVernalEquinoxDay(int nYear);
int GetLawAutumnalEquinoxDay(int nYear);

// 1 when the date is a holiday, else 0. Months outside 1-12 have no holidays.
int IsHoliday(int nYear, int nMonth, int nDay);
// 1 for a Monday (weekday 1) whose preceding day in the same month is a holiday.
int IsSubstituteHoliday(int nYear, int nMonth, int nDay, int nWeekday);

// Colours as 0x00BBGGRR, the layout of a COLORREF, so the Win32 layer can use them as they are.
constexpr uint32_t kDayColorRed = 0x000000FF;
constexpr uint32_t kDayColorBlue = 0x00FF0000;
constexpr uint32_t kDayColorBlack = 0x00000000;

// The day colour: red for a Sunday or a day off, else blue for a Saturday, else black.
uint32_t DayColorFor(int nWeekday, int bDayOff);
// The day colour by the fixed rules: holidays and substitute holidays are days off.
uint32_t GetDayColor(int nYear, int nMonth, int nDay, int nWeekday);

constexpr int kRokuyoCount = 6;
// 0-5, the index into the rokuyo labels.
int GetRokuyoIndex(int nMonth, int nDay);
// The label of an index ("大安" for 0 ...); an index outside 0-5 gives "".
const char *GetRokuyoLabel(int nIndex);
