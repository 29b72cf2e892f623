// Calendar page fields and the outlined clock overlay, drawn with GDI as UTF-16 text.
#include "calendar/caltext_win.h"

#include "base/gdi_scope_win.h"
#include "base/wide_win.h"
#include "calendar/caltext.h"
#include "calendar/holiday.h"
#include "calendar/textfont_win.h"

namespace {

// One field of the page: the font height is h / nHeightDivisor and the text top lies
// h * nTopPermille / 1000 below the page top, so the layout scales with the page.
struct PageField {
    int nHeightDivisor;
    int nTopPermille;
};

constexpr PageField kYearField = {12, 35};
constexpr PageField kMonthField = {7, 260};
constexpr PageField kDayField = {4, 420};
constexpr PageField kWeekdayField = {12, 670};
constexpr PageField kRokuyoField = {12, 670};
constexpr PageField kTimeField = {10, 885};

// Centred in the band from the page's left to its right edge moved by nRightShift.
void DrawPageField(HDC hdc, const RECT *prcPage, const char *pszFace, const PageField &field, int nRightShift,
                   const char *pszText)
{
    RECT rc = *prcPage;
    const int h = rc.bottom - rc.top;
    ScopedSelectObject selectFont(hdc, GetTextFont(pszFace, h / field.nHeightDivisor));
    SetBkMode(hdc, TRANSPARENT);
    rc.top += h * field.nTopPermille / 1000;
    rc.right += nRightShift;
    DrawTextW(hdc, WideText(pszText), -1, &rc, DT_CENTER);
}

// The rokuyo label's band reaches a quarter page past the right edge and the weekday's stops a
// quarter short, so the two sit side by side on one line.
int QuarterWidth(const RECT *prcPage)
{
    return (prcPage->right - prcPage->left) / 4;
}

constexpr int kOverlayInset = 8;
constexpr int kOverlayTimeTop = 8;
constexpr int kOverlayTimeBottom = 40;
constexpr int kOverlayDateTop = 120;
constexpr int kOverlayDateBottom = 152;

// White passes one pixel left, right, up and down of home, then the black text at home,
// so black wins wherever a border meets a stroke.
void DrawOutlinedText(HDC hdc, const char *pszText, const RECT &rcHome, UINT uFormat)
{
    const WideText text(pszText);
    RECT rc = rcHome;
    SetTextColor(hdc, RGB(255, 255, 255));
    OffsetRect(&rc, -1, 0);
    DrawTextW(hdc, text, -1, &rc, uFormat);
    OffsetRect(&rc, 2, 0);
    DrawTextW(hdc, text, -1, &rc, uFormat);
    OffsetRect(&rc, -1, -1);
    DrawTextW(hdc, text, -1, &rc, uFormat);
    OffsetRect(&rc, 0, 2);
    DrawTextW(hdc, text, -1, &rc, uFormat);
    OffsetRect(&rc, 0, -1);
    SetTextColor(hdc, RGB(0, 0, 0));
    DrawTextW(hdc, text, -1, &rc, uFormat);
}

void DrawOverlayText(HDC hdc, const RECT *prcLayer, const char *pszFace, const char *pszText, int nTop, int nBottom,
                     UINT uFormat)
{
    ScopedSelectObject selectFont(hdc, GetTextFont(pszFace, (prcLayer->bottom - prcLayer->top) / 8));
    SetBkMode(hdc, TRANSPARENT);
    const RECT rcHome = {prcLayer->left + kOverlayInset, nTop, prcLayer->right - kOverlayInset,
                         nBottom};
    DrawOutlinedText(hdc, pszText, rcHome, uFormat);
}

}  // namespace

void DrawCalendarYear(HDC hdc, const RECT *prcPage, const char *pszFace, int nYear)
{
    char szText[kFieldTextSize];
    FormatYearText(nYear, szText, sizeof(szText));
    DrawPageField(hdc, prcPage, pszFace, kYearField, 0, szText);
}

void DrawCalendarMonth(HDC hdc, const RECT *prcPage, const char *pszFace, int nMonth)
{
    char szText[kFieldTextSize];
    FormatMonthText(nMonth, szText, sizeof(szText));
    DrawPageField(hdc, prcPage, pszFace, kMonthField, 0, szText);
}

void DrawCalendarDay(HDC hdc, const RECT *prcPage, const char *pszFace, int nDay)
{
    char szText[kFieldTextSize];
    FormatDayText(nDay, szText, sizeof(szText));
    DrawPageField(hdc, prcPage, pszFace, kDayField, 0, szText);
}

void DrawCalendarWeekday(HDC hdc, const RECT *prcPage, const char *pszFace, int nWeekday, bool bBesideRokuyo)
{
    const int nShift = bBesideRokuyo ? -QuarterWidth(prcPage) : 0;
    DrawPageField(hdc, prcPage, pszFace, kWeekdayField, nShift, GetWeekdayLabel(nWeekday));
}

void DrawCalendarRokuyo(HDC hdc, const RECT *prcPage, const char *pszFace, int nRokuyo)
{
    DrawPageField(hdc, prcPage, pszFace, kRokuyoField, QuarterWidth(prcPage), GetRokuyoLabel(nRokuyo));
}

RECT CalendarTimeBand(const RECT *prcPage)
{
    RECT rc = *prcPage;
    rc.top += (rc.bottom - rc.top) * kTimeField.nTopPermille / 1000;
    return rc;
}

void DrawCalendarTime(HDC hdc, const RECT *prcPage, const char *pszFace, const char *pszTime)
{
    DrawPageField(hdc, prcPage, pszFace, kTimeField, 0, pszTime);
}

void DrawOverlayTime(HDC hdc, const RECT *prcLayer, const char *pszFace, const char *pszTime)
{
    DrawOverlayText(hdc, prcLayer, pszFace, pszTime, kOverlayTimeTop, kOverlayTimeBottom, DT_LEFT | DT_TOP);
}

void DrawOverlayDate(HDC hdc, const RECT *prcLayer, const char *pszFace, int nMonth, int nDay)
{
    char szText[kFieldTextSize];
    FormatOverlayDateText(nMonth, nDay, szText, sizeof(szText));
    DrawOverlayText(hdc, prcLayer, pszFace, szText, kOverlayDateTop, kOverlayDateBottom,
                    DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
}
