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

// Year, rokuyo and time in black; day, month and weekday in the day's colour.
void DrawCalendarPage(const Canvas &canvas, const PanelLayout &layout, const SYSTEMTIME &st)
{
    HDC hdc = canvas.picture.hdc;
    const RECT rcPage = {layout.xPage, layout.yPage, layout.xPage + kPanelWidth, layout.yPage + kPanelHeight};
    BitBlt(hdc, rcPage.left, rcPage.top, kPanelWidth, kPanelHeight, canvas.page.hdc, 0, 0, SRCCOPY);
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
    if (Settings.bStatus && (bAll || !SamePage(key, pCanvas->drawn)))
        DrawCalendarPage(*pCanvas, key.layout, st);
    pCanvas->drawn = key;
    pCanvas->bDrawn = true;
    BitBlt(hdc, 0, 0, rcClient.right, rcClient.bottom, pCanvas->picture.hdc, 0, 0, SRCCOPY);
}

bool IsPictureOutdated(const SYSTEMTIME &st)
{
    const Canvas *pCanvas = GetCanvas(nullptr);
    if (!pCanvas || !pCanvas->bDrawn)
        return true;
    const PictureKey key = KeyFor(st);
    return !SameLayout(key, pCanvas->drawn) || !SamePanel(key, pCanvas->drawn) || !SamePage(key, pCanvas->drawn);
}
