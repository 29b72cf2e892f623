// Window painting: the character panel and the calendar page composed off-screen where they
// changed, then one blit.
#include "render/paint_win.h"

#include "base/clock_win.h"
#include "calendar/caltext_win.h"
#include "calendar/holidaylaw.h"
#include "calendar/lunar.h"
#include "render/canvas_win.h"
#include "render/layout.h"
#include "render/panel_win.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

constexpr COLORREF kInkBlack = RGB(0, 0, 0);

PictureKey KeyFor(const SYSTEMTIME &st)
{
    return MakePictureKey(Settings, nBlinkStep,
                          {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond});
}

// Copies the part rc of the page's picture to the same place of the page at rcPage.
void CopyPageBackground(const Canvas &canvas, const RECT &rcPage, const RECT &rc)
{
    BitBlt(canvas.picture.hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, canvas.page.hdc,
           rc.left - rcPage.left, rc.top - rcPage.top, SRCCOPY);
}

// Year, rokuyo and time in black; day, month and weekday in the day's colour.
void DrawCalendarPage(const Canvas &canvas, const RECT &rcPage, const SYSTEMTIME &st)
{
    HDC hdc = canvas.picture.hdc;
    CopyPageBackground(canvas, rcPage, rcPage);
    SetTextColor(hdc, kInkBlack);
    DrawCalendarYear(hdc, &rcPage, st.wYear);
    SetTextColor(hdc, ChooseDayColor(Settings.bHolidayLaw, st.wYear, st.wMonth, st.wDay, st.wDayOfWeek));
    DrawCalendarDay(hdc, &rcPage, st.wDay);
    DrawCalendarMonth(hdc, &rcPage, st.wMonth);
    DrawCalendarWeekday(hdc, &rcPage, st.wDayOfWeek);
    if (Settings.b6) {
        SetTextColor(hdc, kInkBlack);
        DrawCalendarRokuyo(hdc, &rcPage, ChooseRokuyoIndex(Settings.bLunarRokuyo, st.wYear, st.wMonth, st.wDay));
    }
    SetTextColor(hdc, kInkBlack);
    DrawCalendarTime(hdc, &rcPage, st.wHour, st.wMinute, st.wSecond);
}

// Within a day only the time moves: its band alone is drawn again.
void DrawCalendarPageTime(const Canvas &canvas, const RECT &rcPage, const SYSTEMTIME &st)
{
    CopyPageBackground(canvas, rcPage, CalendarTimeBand(&rcPage));
    SetTextColor(canvas.picture.hdc, kInkBlack);
    DrawCalendarTime(canvas.picture.hdc, &rcPage, st.wHour, st.wMinute, st.wSecond);
}

// The picture is composed at 1x and enlarged here, at the one blit, to the window's scale:
// each pixel an s x s block, never smoothed, so the pixel art stays crisp.
void ShowPicture(const Canvas &canvas, HDC hdc, const PanelLayout &layout, const RECT &rcClient)
{
    const int sx = rcClient.right / layout.cxClient, sy = rcClient.bottom / layout.cyClient;
    const int s = sx < sy ? sx : sy;
    if (s <= 1) {
        BitBlt(hdc, 0, 0, rcClient.right, rcClient.bottom, canvas.picture.hdc, 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(hdc, COLORONCOLOR);
    StretchBlt(hdc, 0, 0, layout.cxClient * s, layout.cyClient * s, canvas.picture.hdc, 0, 0, layout.cxClient,
               layout.cyClient, SRCCOPY);
}

}  // namespace

void PaintWindow(HWND hWnd, HDC hdc)
{
    // One reading of the clock for the panel and the page, so they never disagree.
    SYSTEMTIME st;
    ReadLocalTime(&st);
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    // Without the kept images the window keeps what it shows; the next paint tries again.
    Canvas *pCanvas = GetCanvas(hdc);
    if (!pCanvas || rcClient.right <= 0 || rcClient.bottom <= 0)
        return;
    const PictureKey key = KeyFor(st);
    const bool bAll = !pCanvas->bDrawn || !SameLayout(key, pCanvas->drawn);
    if (bAll) {
        // A part that cannot be drawn shows white rather than what an earlier paint left.
        const RECT rcAll = {0, 0, 2 * kPanelWidth, 2 * kPanelHeight};
        FillRect(pCanvas->picture.hdc, &rcAll, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    if (bAll || !SamePanel(key, pCanvas->drawn))
        DrawCharacterPanel(pCanvas->picture.hdc, st);
    const RECT rcPage = {key.layout.xPage, key.layout.yPage, key.layout.xPage + kPanelWidth,
                         key.layout.yPage + kPanelHeight};
    if (Settings.bStatus && (bAll || !SamePageDay(key, pCanvas->drawn)))
        DrawCalendarPage(*pCanvas, rcPage, st);
    else if (Settings.bStatus && !SamePage(key, pCanvas->drawn))
        DrawCalendarPageTime(*pCanvas, rcPage, st);
    pCanvas->drawn = key;
    pCanvas->bDrawn = true;
    ShowPicture(*pCanvas, hdc, key.layout, rcClient);
}

bool IsPictureOutdated(const SYSTEMTIME &st)
{
    const Canvas *pCanvas = GetCanvas(nullptr);
    if (!pCanvas || !pCanvas->bDrawn)
        return true;
    const PictureKey key = KeyFor(st);
    return !SameLayout(key, pCanvas->drawn) || !SamePanel(key, pCanvas->drawn) || !SamePage(key, pCanvas->drawn);
}
