// Texts of the calendar page and of the clock overlay, formatted without any drawing.
#pragma once

#include <cstddef>

// Every field text fits this buffer, terminator included.
constexpr size_t kFieldTextSize = 16;

// "（日）" for 0 (Sunday) ... "（土）" for 6; a weekday outside 0-6 gives "".
const char *GetWeekdayLabel(int nWeekday);

// The clock text: " 9:05:03" with seconds, else " 9:05" or " 9 05" by the parity of the second.
// Without b24 the hour is taken mod 12. Never writes more than cbOut bytes.
void FormatClockText(int nHour, int nMinute, int nSecond, bool b24, bool bSecond, char *pszOut, size_t cbOut);

// Rewrites ASCII digits and blanks as their full-width forms, leaving double-byte characters
// whole. The result is cut at a character boundary to fit cbText bytes with its terminator.
void ToFullWidthDigits(char *pszText, size_t cbText);

// The field texts: "1998年"; "３月" / "12月"; "５" / "12"; the overlay's " 1/ 5".
void FormatYearText(int nYear, char *pszOut, size_t cbOut);
void FormatMonthText(int nMonth, char *pszOut, size_t cbOut);
void FormatDayText(int nDay, char *pszOut, size_t cbOut);
void FormatOverlayDateText(int nMonth, int nDay, char *pszOut, size_t cbOut);
