// Calendar page fields and the outlined clock overlay, drawn with GDI.
#pragma once

#include <windows.h>

void DrawCalendarYear(HDC hdc, const RECT *prcPage, int nYear);
void DrawCalendarMonth(HDC hdc, const RECT *prcPage, int nMonth);
void DrawCalendarDay(HDC hdc, const RECT *prcPage, int nDay);
void DrawCalendarWeekday(HDC hdc, const RECT *prcPage, int nWeekday);
void DrawCalendarRokuyo(HDC hdc, const RECT *prcPage, int nRokuyo);
void DrawCalendarTime(HDC hdc, const RECT *prcPage, int nHour, int nMinute, int nSecond);
// Where DrawCalendarTime draws: from the time's top to the page's bottom, below every other field.
RECT CalendarTimeBand(const RECT *prcPage);
void DrawOverlayTime(HDC hdc, const RECT *prcLayer, int nHour, int nMinute, int nSecond);
void DrawOverlayDate(HDC hdc, const RECT *prcLayer, int nMonth, int nDay);
