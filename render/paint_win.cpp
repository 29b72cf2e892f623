// Window painting: the character panel and the calendar page composed off-screen, then one blit.
#include "render/paint_win.h"

#include "base/clock_win.h"
#include "calendar/caltext_win.h"
#include "calendar/holidaylaw.h"
#include "calendar/lunar.h"
#include "chime/chime_win.h"
#include "render/layout.h"
#include "render/panel_win.h"
#include "render/surfaces_win.h"
#include "settings/settings.h"

namespace {

constexpr COLORREF kInkBlack = RGB(0, 0, 0);

void CopyPageBackground(HDC hdc, const RECT &rcPage)
{
    const PaintSurfaces *pSurfaces = GetPaintSurfaces(hdc);
    if (pSurfaces && SelectObject(pSurfaces->hdcWork, pSurfaces->hbmPage))
        BitBlt(hdc, rcPage.left, rcPage.top, kPanelWidth, kPanelHeight, pSurfaces->hdcWork, 0, 0, SRCCOPY);
}

// Year, rokuyo and time in black; day, month and weekday in the day's colour.
void DrawCalendarPage(HDC hdc, const PanelLayout &layout, const SYSTEMTIME &st)
{
    const RECT rcPage = {layout.xPage, layout.yPage, layout.xPage + kPanelWidth, layout.yPage + kPanelHeight};
    CopyPageBackground(hdc, rcPage);
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

}  // namespace

void PaintWindow(HWND hWnd, HDC hdc)
{
    // One reading of the clock for the check, the page and the overlay, so that across a
    // second or minute boundary they never disagree.
    SYSTEMTIME st;
    ReadLocalTime(&st);
    // First, so a character changed by the rotation is drawn by this same paint.
    CheckTimeSignal(st);

    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    const int cx = rcClient.right - rcClient.left;
    const int cy = rcClient.bottom - rcClient.top;
    if (cx <= 0 || cy <= 0)
        return;
    // Without an off-screen picture the window keeps what it shows; the next paint tries again.
    HDC hdcPicture = GetOffscreenPicture(hdc, cx, cy);
    if (!hdcPicture)
        return;
    // A part that cannot be drawn shows white rather than what an earlier paint left.
    RECT rcAll = {0, 0, cx, cy};
    FillRect(hdcPicture, &rcAll, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    DrawCharacterPanel(hdcPicture, st);
    const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    if (Settings.bStatus)
        DrawCalendarPage(hdcPicture, layout, st);
    BitBlt(hdc, 0, 0, cx, cy, hdcPicture, 0, 0, SRCCOPY);
}

void ReleasePaintCache()
{
    ReleasePaintSurfaces();
    ReleaseTextFonts();
}
