// Window painting: the character panel and the calendar page composed off-screen, then one blit.
#include "render/paint_win.h"

#include "base/appinfo_win.h"
#include "base/clock_win.h"
#include "base/gdi_scope_win.h"
#include "calendar/caltext_win.h"
#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"
#include "calendar/lunar.h"
#include "chime/chime_win.h"
#include "render/layout.h"
#include "render/panel_win.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

constexpr COLORREF kInkBlack = RGB(0, 0, 0);

void CopyPageBackground(HDC hdc, const RECT &rcPage)
{
    ScopedGdiObject<HBITMAP> bmPage(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CALENDAR)));
    ScopedMemoryDC dcPage(hdc);
    if (!bmPage || !dcPage)
        return;
    ScopedSelectObject select(dcPage.get(), bmPage.get());
    if (select)
        BitBlt(hdc, rcPage.left, rcPage.top, kPanelWidth, kPanelHeight, dcPage.get(), 0, 0, SRCCOPY);
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
    // First, so a character changed by the rotation is drawn by this same paint.
    CheckTimeSignal();
    SYSTEMTIME st;
    ReadLocalTime(&st);

    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    const int cx = rcClient.right - rcClient.left;
    const int cy = rcClient.bottom - rcClient.top;
    if (cx <= 0 || cy <= 0)
        return;
    // Without an off-screen picture the window keeps what it shows; the next paint tries again.
    ScopedMemoryDC dcMem(hdc);
    ScopedGdiObject<HBITMAP> bmMem(dcMem ? CreateCompatibleBitmap(hdc, cx, cy) : nullptr);
    if (!bmMem)
        return;
    ScopedSelectObject select(dcMem.get(), bmMem.get());
    if (!select)
        return;
    // A part that cannot be drawn shows white rather than whatever the new bitmap held.
    RECT rcAll = {0, 0, cx, cy};
    FillRect(dcMem.get(), &rcAll, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    DrawCharacterPanel(dcMem.get());
    const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    if (Settings.bStatus)
        DrawCalendarPage(dcMem.get(), layout, st);
    BitBlt(hdc, 0, 0, cx, cy, dcMem.get(), 0, 0, SRCCOPY);
}
