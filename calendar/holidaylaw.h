// Japanese holidays as the holiday law has stood since 1948: its rules, substitute and citizens' holidays.
#pragma once

#include <cstdint>

// 1 when the date is a national holiday by the rule table (no substitute or citizens' holiday).
int IsNationalHoliday(int nYear, int nMonth, int nDay);
// 1 when the date is a day off by the law: a national holiday, a substitute holiday or a
// citizens' holiday. Before 20 July 1948 and for dates that do not exist, 0.
int IsLawHoliday(int nYear, int nMonth, int nDay);
// The Shift-JIS name of a day off by the law ("振替休日", "休日" for a citizens' holiday), the
// one-off days as @holiday-jp/holiday_jp words them; nullptr exactly where IsLawHoliday is 0.
const char *GetLawHolidayName(int nYear, int nMonth, int nDay);

// The colour the calendar page uses: the law when bHolidayLaw is set, else the fixed rules.
uint32_t ChooseDayColor(int bHolidayLaw, int nYear, int nMonth, int nDay, int nWeekday);
