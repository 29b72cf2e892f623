// The month calendar window's decisions without a platform call: where its picture's parts stand
// at 1x, what a point hits, what each part shows, and when a tray click closes rather than opens.
#pragma once

#include <cstdint>

#include "base/rect.h"
#include "calendar/month.h"

// The window class, by which tools and tests find the window.
constexpr char kMonthClassName[] = "Vespin_MonthCalendar";

// The picture's own colours, as 0x00BBGGRR; the days take the page's.
constexpr uint32_t kMonthPaper = 0x00FFFFFF;
constexpr uint32_t kMonthBand = 0x00EAE4FC;  // the pink of the page's bands
constexpr uint32_t kMonthEdge = 0x00A4A0B0;
constexpr uint32_t kMonthRule = 0x00E4E2EA;
constexpr uint32_t kMonthPointerFill = 0x00CCF2FF;
constexpr uint32_t kMonthTodayFrame = 0x009470EC;
constexpr uint32_t kMonthButton = 0x007050C8;
constexpr uint32_t kMonthButtonPale = 0x00D4CCEC;

// The picture at 1x: a title band with the buttons, the weekday header, six weeks, two lines on
// the day under the pointer and the month's days off. The window shows it at the gadget's scale.
constexpr int kMonthMargin = 4;
constexpr int kMonthCellSize = 30;
constexpr int kMonthTitleHeight = 24;
constexpr int kMonthHeaderHeight = 16;
constexpr int kMonthLineHeight = 14;
constexpr int kMonthPointerLines = 2;
// No month of 1948-2099 has more days off than May 2019's six.
constexpr int kMonthHolidayLines = 6;
constexpr int kMonthGridTop = kMonthMargin + kMonthTitleHeight + kMonthHeaderHeight;
constexpr int kMonthPointerTop = kMonthGridTop + kMonthGridWeeks * kMonthCellSize + kMonthMargin;
constexpr int kMonthHolidayTop = kMonthPointerTop + kMonthPointerLines * kMonthLineHeight + kMonthMargin;
constexpr int kMonthPictureWidth = 2 * kMonthMargin + 7 * kMonthCellSize;
constexpr int kMonthPictureHeight = kMonthHolidayTop + kMonthHolidayLines * kMonthLineHeight + kMonthMargin;

PlaceRect MonthTitleRect();
// nDirection -1: the previous month's button, +1: the next's.
PlaceRect MonthButtonRect(int nDirection);
PlaceRect MonthHeaderRect(int nWeekday);
// nCell 0-41, row by row as in MonthGrid; the day's number stands in its top part, the rokuyo below.
PlaceRect MonthCellRect(int nCell);
PlaceRect MonthDayNumberRect(int nCell);
PlaceRect MonthRokuyoRect(int nCell);
// The pointer's lines first, then the holidays'.
PlaceRect MonthLineRect(int nLine);

enum MonthHit { kMonthHitNone, kMonthHitPrevious, kMonthHitNext, kMonthHitDay };
// What a point of the 1x picture hits; *pnCell is the cell for kMonthHitDay, else -1.
MonthHit HitTestMonth(PlacePoint pt, int *pnCell);

// "月カレンダー 2026年5月" (Shift-JIS), the window's text, by which the month shown is known.
constexpr int kMonthWindowTextSize = 32;
void FormatMonthWindowText(int nYear, int nMonth, char *pszOut);

struct MonthDayView {
    int32_t nDay;
    uint32_t crInk;        // the page's day colour, paled for another month's day (0x00BBGGRR)
    uint32_t crRokuyo;     // black, paled alike
    int32_t bToday;
    int32_t bPointer;      // under the pointer
    const char *pszRokuyo;  // Shift-JIS, null when the rokuyo is not shown
};

constexpr int kMonthTextSize = 64;

// Everything the picture shows: two views that compare equal with memcmp look the same.
struct MonthView {
    int32_t nYear, nMonth;
    int32_t bPreviousShown, bNextShown;  // pale at the ends of the range
    char szTitle[kMonthTextSize];        // "2026年5月"
    MonthDayView aDays[kMonthGridCells];
    char aszPointer[kMonthPointerLines][kMonthTextSize];
    int32_t nHolidays;
    char aszHolidays[kMonthHolidayLines][kMonthTextSize];
};

struct MonthViewInput {
    int nYear, nMonth;                  // the month shown, brought into 1948-2099
    int nTodayYear, nTodayMonth, nTodayDay;
    int nPointerCell;                   // -1 for none
    int bHolidayLaw, bLunarRokuyo, b6;  // as Settings has them
};

void MakeMonthView(const MonthViewInput &in, MonthView *pView);

// A tray press that finds the month open, or closed by losing the activation less than
// kTrayClickCloseMs before (the shell takes the activation on the press itself, before its
// notification arrives), is the first half of the click that closes it: its release must not
// open it again. Tick counts wrap.
constexpr uint32_t kTrayClickCloseMs = 500;
bool TrayPressFindsMonth(bool bOpen, bool bClosedByDeactivation, uint32_t dwClosedAt, uint32_t dwNow);

// Milliseconds from h:m:s.ms to the next midnight, for the timer that moves the frame of today.
uint32_t MillisecondsToMidnight(int nHour, int nMinute, int nSecond, int nMilliseconds);
