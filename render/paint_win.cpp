// Window painting: the character panel and the calendar page drawn from the key where it
// changed, then shown at the window's scale with one blit.
#include "render/paint_win.h"

#include "base/gdi_scope_win.h"
#include "base/layout.h"
#include "calendar/caltext_win.h"
#include "render/canvas_win.h"
#include "render/panel_win.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

constexpr COLORREF kInkBlack = RGB(0, 0, 0);

// The one place the drawing's inputs are read: everything below draws from the key alone.
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
void DrawCalendarPage(const Canvas &canvas, const RECT &rcPage, const PictureKey &key)
{
    HDC hdc = canvas.picture.hdc;
    const PageKey &page = key.page;
    CopyPageBackground(canvas, rcPage, rcPage);
    SetTextColor(hdc, kInkBlack);
    DrawCalendarYear(hdc, &rcPage, key.szFace, page.nYear);
    SetTextColor(hdc, page.crDay);
    DrawCalendarDay(hdc, &rcPage, key.szFace, page.nDay);
    DrawCalendarMonth(hdc, &rcPage, key.szFace, page.nMonth);
    DrawCalendarWeekday(hdc, &rcPage, key.szFace, page.nWeekday, page.nRokuyo >= 0);
    if (page.nRokuyo >= 0) {
        SetTextColor(hdc, kInkBlack);
        DrawCalendarRokuyo(hdc, &rcPage, key.szFace, page.nRokuyo);
    }
    SetTextColor(hdc, kInkBlack);
    DrawCalendarTime(hdc, &rcPage, key.szFace, page.szTime);
}

// Within a day only the time moves: its band alone is drawn again.
void DrawCalendarPageTime(const Canvas &canvas, const RECT &rcPage, const PictureKey &key)
{
    CopyPageBackground(canvas, rcPage, CalendarTimeBand(&rcPage));
    SetTextColor(canvas.picture.hdc, kInkBlack);
    DrawCalendarTime(canvas.picture.hdc, &rcPage, key.szFace, key.page.szTime);
}

// Brings the kept picture up to the key, drawing again only the parts whose key changed. Returns the part of the picture that changed, empty when nothing did.
RECT UpdatePicture(Canvas &canvas, const PictureKey &key)
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
        DrawCharacterPanel(canvas.picture.hdc, key);
        const RECT rcPanel = {layout.xPanel, layout.yPanel, layout.xPanel + kPanelWidth, layout.yPanel + kPanelHeight};
        UnionRect(&rcChanged, &rcChanged, &rcPanel);
    }
    const RECT rcPage = {layout.xPage, layout.yPage, layout.xPage + kPanelWidth, layout.yPage + kPanelHeight};
    if (key.page.bShown && (bAll || !SamePageDay(key, canvas.drawn))) {
        DrawCalendarPage(canvas, rcPage, key);
        UnionRect(&rcChanged, &rcChanged, &rcPage);
    } else if (key.page.bShown && !SamePage(key, canvas.drawn)) {
        DrawCalendarPageTime(canvas, rcPage, key);
        const RECT rcBand = CalendarTimeBand(&rcPage);
        UnionRect(&rcChanged, &rcChanged, &rcBand);
    }
    canvas.drawn = key;
    canvas.bDrawn = true;
    return rcChanged;
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

bool Prepare(HWND hWnd, HDC hdc, const PictureKey &key, Prepared *p)
{
    GetClientRect(hWnd, &p->rcClient);
    // Without the kept images the window keeps what it shows; the next paint tries again.
    p->pCanvas = GetCanvas(hdc);
    if (!p->pCanvas || p->rcClient.right <= 0 || p->rcClient.bottom <= 0)
        return false;
    p->rcChanged = UpdatePicture(*p->pCanvas, key);
    // The placement settles the scale with the window's size, before any paint.
    p->nScale = nWindowScale > 1 ? nWindowScale : 1;
    return true;
}

}  // namespace

void PaintWindow(HWND hWnd, HDC hdc, const SYSTEMTIME &st)
{
    Prepared p;
    if (!Prepare(hWnd, hdc, KeyFor(st), &p))
        return;
    // All the system asks for: its clip box, in picture pixels rounded outwards.
    RECT rcClip;
    if (GetClipBox(hdc, &rcClip) == ERROR)
        rcClip = p.rcClient;
    const int s = p.nScale;
    const RECT rc = {rcClip.left / s, rcClip.top / s, (rcClip.right + s - 1) / s, (rcClip.bottom + s - 1) / s};
    ShowPicture(*p.pCanvas, hdc, rc, p.rcClient, s);
    // The picture is kept as drawn, so all that changed goes to the screen now, also where it lies
    // outside what the system asked for: later ticks see nothing left to show.
    if (!IsRectEmpty(&p.rcChanged)) {
        ScopedGetDC dc(hWnd);
        if (dc)
            ShowPicture(*p.pCanvas, dc, p.rcChanged, p.rcClient, s);
    }
}

void PaintWindowChanges(HWND hWnd, const SYSTEMTIME &st)
{
    const PictureKey key = KeyFor(st);
    const Canvas *pCanvas = GetCanvas(nullptr);
    if (pCanvas && pCanvas->bDrawn && SameLayout(key, pCanvas->drawn) && SamePanel(key, pCanvas->drawn) &&
        SamePage(key, pCanvas->drawn))
        return;
    ScopedGetDC dc(hWnd);
    Prepared p;
    if (dc && Prepare(hWnd, dc, key, &p))
        ShowPicture(*p.pCanvas, dc, p.rcChanged, p.rcClient, p.nScale);
}
