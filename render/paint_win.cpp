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

// Brings the kept picture up to date for the time st, drawing again only the parts whose key
// changed. Returns the part of the picture that changed, empty when nothing did.
RECT UpdatePicture(Canvas &canvas, const PictureKey &key, const SYSTEMTIME &st)
{
    const PanelLayout &layout = key.layout;
    const bool bAll = !canvas.bDrawn || !SameLayout(key, canvas.drawn);
    RECT rcChanged = {};
    if (bAll) {
        // A part that cannot be drawn shows white rather than what an earlier paint left.
        const RECT rcPicture = {0, 0, 2 * kPanelWidth, 2 * kPanelHeight};
        FillRect(canvas.picture.hdc, &rcPicture, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        rcChanged = {0, 0, layout.cxClient, layout.cyClient};
    }
    if (bAll || !SamePanel(key, canvas.drawn)) {
        DrawCharacterPanel(canvas.picture.hdc, st);
        const RECT rcPanel = {layout.xPanel, layout.yPanel, layout.xPanel + kPanelWidth, layout.yPanel + kPanelHeight};
        UnionRect(&rcChanged, &rcChanged, &rcPanel);
    }
    const RECT rcPage = {layout.xPage, layout.yPage, layout.xPage + kPanelWidth, layout.yPage + kPanelHeight};
    if (Settings.bStatus && (bAll || !SamePageDay(key, canvas.drawn))) {
        DrawCalendarPage(canvas, rcPage, st);
        UnionRect(&rcChanged, &rcChanged, &rcPage);
    } else if (Settings.bStatus && !SamePage(key, canvas.drawn)) {
        DrawCalendarPageTime(canvas, rcPage, st);
        const RECT rcBand = CalendarTimeBand(&rcPage);
        UnionRect(&rcChanged, &rcChanged, &rcBand);
    }
    canvas.drawn = key;
    canvas.bDrawn = true;
    return rcChanged;
}

// The window shows the picture at a whole-number scale: the client's size over the layout's.
int WindowScaleOf(const PanelLayout &layout, const RECT &rcClient)
{
    const int sx = rcClient.right / layout.cxClient, sy = rcClient.bottom / layout.cyClient;
    const int s = sx < sy ? sx : sy;
    return s > 1 ? s : 1;
}

// Copies the part rc of the picture to hdc, enlarged at this one blit to the window's scale s:
// each pixel an s x s block, never smoothed, so the pixel art stays crisp. Only what rc covers
// of the client (at scale 1) is copied.
void ShowPicture(const Canvas &canvas, HDC hdc, RECT rc, const RECT &rcClient, int s)
{
    const RECT rcShown = {0, 0, rcClient.right / s, rcClient.bottom / s};
    if (!IntersectRect(&rc, &rc, &rcShown))
        return;
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (s == 1) {
        BitBlt(hdc, rc.left, rc.top, cx, cy, canvas.picture.hdc, rc.left, rc.top, SRCCOPY);
        return;
    }
    SetStretchBltMode(hdc, COLORONCOLOR);
    StretchBlt(hdc, rc.left * s, rc.top * s, cx * s, cy * s, canvas.picture.hdc, rc.left, rc.top, cx, cy, SRCCOPY);
}

// The kept picture, brought up to date for the time now, and what the window needs to show it.
struct Prepared {
    Canvas *pCanvas;
    RECT rcChanged;
    RECT rcClient;
    int nScale;
};

bool Prepare(HWND hWnd, HDC hdc, const SYSTEMTIME &st, const PictureKey &key, Prepared *p)
{
    GetClientRect(hWnd, &p->rcClient);
    // Without the kept images the window keeps what it shows; the next paint tries again.
    p->pCanvas = GetCanvas(hdc);
    if (!p->pCanvas || p->rcClient.right <= 0 || p->rcClient.bottom <= 0)
        return false;
    p->rcChanged = UpdatePicture(*p->pCanvas, key, st);
    p->nScale = WindowScaleOf(key.layout, p->rcClient);
    return true;
}

}  // namespace

void PaintWindow(HWND hWnd, HDC hdc)
{
    // One reading of the clock for the panel and the page, so they never disagree.
    SYSTEMTIME st;
    ReadLocalTime(&st);
    Prepared p;
    if (!Prepare(hWnd, hdc, st, KeyFor(st), &p))
        return;
    // All the system asks for: its clip box, in picture pixels rounded outwards.
    RECT rcClip;
    if (GetClipBox(hdc, &rcClip) == ERROR)
        rcClip = p.rcClient;
    const int s = p.nScale;
    const RECT rc = {rcClip.left / s, rcClip.top / s, (rcClip.right + s - 1) / s, (rcClip.bottom + s - 1) / s};
    ShowPicture(*p.pCanvas, hdc, rc, p.rcClient, s);
}

void PaintWindowChanges(HWND hWnd, const SYSTEMTIME &st)
{
    const PictureKey key = KeyFor(st);
    const Canvas *pCanvas = GetCanvas(nullptr);
    if (pCanvas && pCanvas->bDrawn && SameLayout(key, pCanvas->drawn) && SamePanel(key, pCanvas->drawn) &&
        SamePage(key, pCanvas->drawn))
        return;
    HDC hdc = GetDC(hWnd);
    if (!hdc)
        return;
    Prepared p;
    if (Prepare(hWnd, hdc, st, key, &p))
        ShowPicture(*p.pCanvas, hdc, p.rcChanged, p.rcClient, p.nScale);
    ReleaseDC(hWnd, hdc);
}
