// Calendar and overlay text: not yet present.
#include "calendar/caltext_win.h"

HFONT CreateTextFont(int)
{
    return nullptr;
}
void DrawCalendarYear(HDC, const RECT *, int) {}
void DrawCalendarMonth(HDC, const RECT *, int) {}
void DrawCalendarDay(HDC, const RECT *, int) {}
void DrawCalendarWeekday(HDC, const RECT *, int) {}
void DrawCalendarRokuyo(HDC, const RECT *, int) {}
void DrawCalendarTime(HDC, const RECT *, int, int, int) {}
void DrawOverlayTime(HDC, const RECT *, int, int, int) {}
void DrawOverlayDate(HDC, const RECT *, int, int) {}
