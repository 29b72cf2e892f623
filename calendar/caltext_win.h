// Calendar page fields and the outlined clock overlay, drawn with GDI in a given face.
#pragma once

#include <windows.h>

// Each field is drawn in the colour hdc holds, centred in its band of the page at prcPage.
void DrawCalendarYear(HDC hdc, const RECT *prcPage, const char *pszFace, int nYear);
void DrawCalendarMonth(HDC hdc, const RECT *prcPage, const char *pszFace, int nMonth);
void DrawCalendarDay(HDC hdc, const RECT *prcPage, const char *pszFace, int nDay);
// Beside the rokuyo label the weekday moves a quarter page to the left.
void DrawCalendarWeekday(HDC hdc, const RECT *prcPage, const char *pszFace, int nWeekday, bool bBesideRokuyo);
void DrawCalendarRokuyo(HDC hdc, const RECT *prcPage, const char *pszFace, int nRokuyo);
void DrawCalendarTime(HDC hdc, const RECT *prcPage, const char *pszFace, const char *pszTime);
// Where DrawCalendarTime draws: from the time's top to the page's bottom, below every other field.
RECT CalendarTimeBand(const RECT *prcPage);
void DrawOverlayTime(HDC hdc, const RECT *prcLayer, const char *pszFace, const char *pszTime);
void DrawOverlayDate(HDC hdc, const RECT *prcLayer, const char *pszFace, int nMonth, int nDay);
