// The name of a day off, by the holiday law or by the fixed rules, for the month calendar.
#pragma once

// The Shift-JIS name of the day off, or nullptr for a working day or a date that does not exist.
// With bHolidayLaw, GetLawHolidayName; else the fixed rules' names, "振替休日" for their
// substitute Monday: a name exactly where GetDayColor paints the day as a day off.
const char *GetHolidayName(int nYear, int nMonth, int nDay, int bHolidayLaw);
