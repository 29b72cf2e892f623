// The month calendar window: a topmost popup beside the gadget, its picture drawn at 1x into a
// bitmap kept only while it is open and shown enlarged to the gadget's display scale.
#include "app/monthwnd_win.h"

#include <cstdio>
#include <cstring>

#include "app/monthwnd.h"
#include "base/appinfo_win.h"
#include "base/clock_win.h"
#include "base/dialog_place_win.h"
#include "base/gdi_scope_win.h"
#include "base/wide_win.h"
#include "calendar/holiday.h"
#include "calendar/textfont_win.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

enum MonthFont { kFontTitle, kFontDay, kFontRokuyo, kFontLine, kMonthFontCount };
constexpr int kFontHeights[kMonthFontCount] = {17, 16, 12, 13};

constexpr COLORREF kInk = kDayColorBlack;

const char *const kWeekdayHeads[7] = {"日", "月", "火", "水", "木", "金", "土"};

// Everything the open window holds; all zero while it is closed.
struct MonthCalendarRecord {
    HWND hWnd;
    int nScale;
    int nYear, nMonth;  // shown
    int nTodayYear, nTodayMonth, nTodayDay;
    int nPointerCell;
    int nWheel;  // wheel travel short of a whole step
    bool bTrackingLeave;
    // Closed by our own hand: the deactivation that comes with the destruction is no click away.
    bool bClosing;
    HFONT ahFonts[kMonthFontCount];
    MemoryBitmap picture;
    MonthView drawn;
    bool bDrawn;
};
MonthCalendarRecord Month;

// What the tray's clicks leave behind; it outlives the window.
struct MonthTrayRecord {
    bool bClosedByDeactivation;
    DWORD dwClosedAt;
    bool bPressFoundMonth;
};
MonthTrayRecord MonthTray;

RECT ToRect(const PlaceRect &rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

void FillBox(HDC hdc, const PlaceRect &rc, COLORREF cr)
{
    SetDCBrushColor(hdc, cr);
    const RECT r = ToRect(rc);
    FillRect(hdc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FrameBox(HDC hdc, const PlaceRect &rc, COLORREF cr, int n)
{
    FillBox(hdc, {rc.left, rc.top, rc.right, rc.top + n}, cr);
    FillBox(hdc, {rc.left, rc.bottom - n, rc.right, rc.bottom}, cr);
    FillBox(hdc, {rc.left, rc.top + n, rc.left + n, rc.bottom - n}, cr);
    FillBox(hdc, {rc.right - n, rc.top + n, rc.right, rc.bottom - n}, cr);
}

void DrawLabel(HDC hdc, MonthFont font, const char *pszText, const PlaceRect &rc, COLORREF cr, UINT uFormat)
{
    ScopedSelectObject selectFont(hdc, Month.ahFonts[font]);
    SetTextColor(hdc, cr);
    RECT r = ToRect(rc);
    DrawTextW(hdc, WideText(pszText), -1, &r, uFormat | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// A triangle pointing the button's way, row by row, so it is the same pixels everywhere.
void DrawButton(HDC hdc, int nDirection, bool bShown)
{
    const PlaceRect rc = MonthButtonRect(nDirection);
    const int32_t xMid = (rc.left + rc.right) / 2, yMid = (rc.top + rc.bottom) / 2;
    for (int32_t d = -5; d <= 5; ++d) {
        const int32_t nWidth = 6 - (d < 0 ? -d : d);
        const int32_t xFrom = nDirection < 0 ? xMid - 3 + (6 - nWidth) : xMid - 3;
        FillBox(hdc, {xFrom, yMid + d, xFrom + nWidth, yMid + d + 1}, bShown ? kMonthButton : kMonthButtonPale);
    }
}

void DrawDay(HDC hdc, int nCell, const MonthDayView &day)
{
    const PlaceRect rc = MonthCellRect(nCell);
    if (day.bPointer)
        FillBox(hdc, {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1}, kMonthPointerFill);
    char szDay[12];
    std::snprintf(szDay, sizeof(szDay), "%d", static_cast<int>(day.nDay));
    DrawLabel(hdc, kFontDay, szDay, MonthDayNumberRect(nCell), day.crInk, DT_CENTER);
    if (day.pszRokuyo != nullptr)
        DrawLabel(hdc, kFontRokuyo, day.pszRokuyo, MonthRokuyoRect(nCell), day.crRokuyo, DT_CENTER);
    if (day.bToday)
        FrameBox(hdc, rc, kMonthTodayFrame, 2);
}

// Draws the whole picture from the view alone.
void Compose(const MonthView &view)
{
    HDC hdc = Month.picture.hdc;
    SetBkMode(hdc, TRANSPARENT);
    FillBox(hdc, {0, 0, kMonthPictureWidth, kMonthPictureHeight}, kMonthPaper);
    FrameBox(hdc, {0, 0, kMonthPictureWidth, kMonthPictureHeight}, kMonthEdge, 1);
    FillBox(hdc, MonthTitleRect(), kMonthBand);
    DrawLabel(hdc, kFontTitle, view.szTitle, MonthTitleRect(), kInk, DT_CENTER);
    DrawButton(hdc, -1, view.bPreviousShown != 0);
    DrawButton(hdc, 1, view.bNextShown != 0);
    for (int nWeekday = 0; nWeekday < 7; ++nWeekday)
        DrawLabel(hdc, kFontRokuyo, kWeekdayHeads[nWeekday], MonthHeaderRect(nWeekday), DayColorFor(nWeekday, 0),
                  DT_CENTER);
    // A rule above each week and under the last, on the pixel row just above the week's cells.
    for (int nWeek = 0; nWeek <= kMonthGridWeeks; ++nWeek) {
        const int32_t y = kMonthGridTop + nWeek * kMonthCellSize;
        FillBox(hdc, {kMonthMargin, y - 1, kMonthPictureWidth - kMonthMargin, y}, kMonthRule);
    }
    for (int i = 0; i < kMonthGridCells; ++i)
        DrawDay(hdc, i, view.aDays[i]);
    for (int i = 0; i < kMonthPointerLines; ++i)
        DrawLabel(hdc, kFontLine, view.aszPointer[i], MonthLineRect(i), kInk, DT_LEFT | DT_END_ELLIPSIS);
    FillBox(hdc, {kMonthMargin, kMonthHolidayTop - 3, kMonthPictureWidth - kMonthMargin, kMonthHolidayTop - 2}, kMonthRule);
    for (int i = 0; i < view.nHolidays; ++i)
        DrawLabel(hdc, kFontLine, view.aszHolidays[i], MonthLineRect(kMonthPointerLines + i), kDayColorRed,
                  DT_LEFT | DT_END_ELLIPSIS);
}

// Makes the view of the state as it is now; draws and shows it only where it changed.
void Refresh()
{
    MonthView view;
    const MonthViewInput in = {Month.nYear,     Month.nMonth,       Month.nTodayYear,      Month.nTodayMonth,
                               Month.nTodayDay, Month.nPointerCell, Settings.bHolidayLaw, Settings.bLunarRokuyo,
                               Settings.b6};
    MakeMonthView(in, &view);
    if (Month.bDrawn && std::memcmp(&view, &Month.drawn, sizeof(view)) == 0)
        return;
    if (!Month.bDrawn || view.nYear != Month.drawn.nYear || view.nMonth != Month.drawn.nMonth) {
        char szText[kMonthWindowTextSize];
        FormatMonthWindowText(view.nYear, view.nMonth, szText);
        SetWindowTextW(Month.hWnd, WideText(szText));
    }
    Compose(view);
    Month.drawn = view;
    Month.bDrawn = true;
    InvalidateRect(Month.hWnd, nullptr, FALSE);
}

void ReadToday(SYSTEMTIME *pst)
{
    ReadLocalTime(pst);
    Month.nTodayYear = pst->wYear, Month.nTodayMonth = pst->wMonth, Month.nTodayDay = pst->wDay;
}

// One shot: each midnight sets the next.
void ArmMidnightTimer(const SYSTEMTIME &st)
{
    SetTimer(Month.hWnd, TIMER_MONTH_MIDNIGHT, MillisecondsToMidnight(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds),
             nullptr);
}

void StepShownMonth(int nDelta)
{
    StepMonth(&Month.nYear, &Month.nMonth, nDelta);
    Refresh();
}

void ShowThisMonth()
{
    Month.nYear = Month.nTodayYear, Month.nMonth = Month.nTodayMonth;
    StepShownMonth(0);
}

// The page's face; an empty one, or one no font can be made of, gives the default face.
bool MakeFonts()
{
    const char *pszFace = TextFaceFor(Settings.szFont);
    for (int i = 0; i < kMonthFontCount; ++i) {
        HFONT hFont = pszFace[0] != '\0' ? CreateTextFont(pszFace, kFontHeights[i]) : nullptr;
        Month.ahFonts[i] = hFont != nullptr ? hFont : CreateTextFont(kDefaultFontFace, kFontHeights[i]);
        if (Month.ahFonts[i] == nullptr)
            return false;
    }
    return true;
}

bool MakePicture()
{
    ScopedGetDC hdc(Month.hWnd);
    return hdc.get() != nullptr &&
           MakeMemoryBitmap(&Month.picture, hdc, CreateCompatibleBitmap(hdc, kMonthPictureWidth, kMonthPictureHeight));
}

void CloseMonth()
{
    if (Month.hWnd == nullptr)
        return;
    Month.bClosing = true;
    DestroyWindow(Month.hWnd);
}

void OnMonthPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (hWnd == Month.hWnd && Month.picture.hdc != nullptr) {
        // Every picture pixel a sharp square block, as the gadget's own.
        SetStretchBltMode(hdc, COLORONCOLOR);
        StretchBlt(hdc, 0, 0, kMonthPictureWidth * Month.nScale, kMonthPictureHeight * Month.nScale,
                   Month.picture.hdc, 0, 0, kMonthPictureWidth, kMonthPictureHeight, SRCCOPY);
    }
    EndPaint(hWnd, &ps);
}

void OnMonthMouseMove(HWND hWnd, LPARAM lParam)
{
    if (!Month.bTrackingLeave) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
        Month.bTrackingLeave = TrackMouseEvent(&tme) != FALSE;
    }
    const PlacePoint pt = {static_cast<short>(LOWORD(lParam)) / Month.nScale,
                           static_cast<short>(HIWORD(lParam)) / Month.nScale};
    int nCell;
    HitTestMonth(pt, &nCell);
    if (nCell != Month.nPointerCell) {
        Month.nPointerCell = nCell;
        Refresh();
    }
}

void OnMonthMouseLeave()
{
    Month.bTrackingLeave = false;
    Month.nPointerCell = -1;
    Refresh();
}

void OnMonthLeftButtonDown(LPARAM lParam)
{
    const PlacePoint pt = {static_cast<short>(LOWORD(lParam)) / Month.nScale,
                           static_cast<short>(HIWORD(lParam)) / Month.nScale};
    int nCell;
    const MonthHit hit = HitTestMonth(pt, &nCell);
    if (hit == kMonthHitPrevious || hit == kMonthHitNext)
        StepShownMonth(hit == kMonthHitPrevious ? -1 : 1);
}

// Towards the user (a negative delta) is the next month; a fine wheel adds up to whole steps.
void OnMonthWheel(WPARAM wParam)
{
    Month.nWheel += GET_WHEEL_DELTA_WPARAM(wParam);
    const int nSteps = Month.nWheel / WHEEL_DELTA;
    Month.nWheel -= nSteps * WHEEL_DELTA;
    if (nSteps != 0)
        StepShownMonth(-nSteps);
}

void OnMonthKeyDown(WPARAM wKey)
{
    switch (wKey) {
    case VK_ESCAPE: CloseMonth(); break;
    case VK_PRIOR: StepShownMonth(-1); break;
    case VK_NEXT: StepShownMonth(1); break;
    case VK_HOME: ShowThisMonth(); break;
    default: break;
    }
}

void OnMonthMidnight(HWND hWnd)
{
    if (hWnd != Month.hWnd)
        return;
    SYSTEMTIME st;
    ReadToday(&st);
    Refresh();
    ArmMidnightTimer(st);
}

// A click anywhere else takes the activation away: the month closes at once. Closed later, from
// the queue, it would go inside the menu that a right press opens next, and Wine ends that menu.
// The time is kept for the tray's click rule.
LRESULT OnMonthActivate(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == WA_INACTIVE && hWnd == Month.hWnd && !Month.bClosing) {
        MonthTray.bClosedByDeactivation = true;
        MonthTray.dwClosedAt = GetTickCount();
        CloseMonth();
        return 0;
    }
    // The default handling gives the window the keyboard focus, which Esc and the keys need.
    return DefWindowProcW(hWnd, WM_ACTIVATE, wParam, lParam);
}

// Frees all the window held: nothing of it outlives it.
void OnMonthDestroy(HWND hWnd)
{
    if (hWnd != Month.hWnd)
        return;
    KillTimer(hWnd, TIMER_MONTH_MIDNIGHT);
    FreeMemoryBitmap(&Month.picture);
    for (HFONT hFont : Month.ahFonts)
        if (hFont != nullptr)
            DeleteObject(hFont);
    Month = MonthCalendarRecord{};
}

LRESULT CALLBACK MonthWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: OnMonthPaint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: OnMonthMouseMove(hWnd, lParam); return 0;
    case WM_MOUSELEAVE: OnMonthMouseLeave(); return 0;
    case WM_LBUTTONDOWN: OnMonthLeftButtonDown(lParam); return 0;
    case WM_MOUSEWHEEL: OnMonthWheel(wParam); return 0;
    case WM_KEYDOWN: OnMonthKeyDown(wParam); return 0;
    case WM_TIMER: OnMonthMidnight(hWnd); return 0;
    case WM_ACTIVATE: return OnMonthActivate(hWnd, wParam, lParam);
    case WM_CLOSE: CloseMonth(); return 0;
    case WM_DESTROY: OnMonthDestroy(hWnd); return 0;
    default: return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
}

bool RegisterMonthClass(const WideText &className)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(AppInfo.hInstance, className, &wc))
        return true;
    wc.lpfnWndProc = MonthWndProc;
    wc.hInstance = AppInfo.hInstance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

void OpenMonth(HWND hOwner)
{
    const WideText className(kMonthClassName);
    if (!RegisterMonthClass(className))
        return;
    MonthTray.bClosedByDeactivation = false;
    const int nScale = nWindowScale > 1 ? nWindowScale : 1;
    HWND hWnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0,
                                kMonthPictureWidth * nScale, kMonthPictureHeight * nScale, hOwner, nullptr,
                                AppInfo.hInstance, nullptr);
    if (hWnd == nullptr)
        return;
    Month.hWnd = hWnd;
    Month.nScale = nScale;
    Month.nPointerCell = -1;
    SYSTEMTIME st;
    ReadToday(&st);
    Month.nYear = Month.nTodayYear, Month.nMonth = Month.nTodayMonth;
    StepMonth(&Month.nYear, &Month.nMonth, 0);
    if (!MakeFonts() || !MakePicture()) {
        CloseMonth();
        return;
    }
    Refresh();
    PlaceBesideWindow(hWnd, hOwner);
    ArmMidnightTimer(st);
    ShowWindow(hWnd, SW_SHOW);
    SetForegroundWindow(hWnd);
    UpdateWindow(hWnd);
}

}  // namespace

void ToggleMonthCalendar(HWND hOwner)
{
    if (Month.hWnd != nullptr)
        CloseMonth();
    else
        OpenMonth(hOwner);
}

void EndMonthCalendar()
{
    CloseMonth();
    MonthTray = MonthTrayRecord{};
}

void OnMonthTrayPress()
{
    MonthTray.bPressFoundMonth =
        TrayPressFindsMonth(Month.hWnd != nullptr, MonthTray.bClosedByDeactivation, MonthTray.dwClosedAt, GetTickCount());
}

void OnMonthTrayRelease(HWND hOwner)
{
    const bool bPressFoundMonth = MonthTray.bPressFoundMonth;
    MonthTray.bPressFoundMonth = false;
    if (bPressFoundMonth)
        CloseMonth();
    else
        ToggleMonthCalendar(hOwner);
}

HWND GetMonthWindow()
{
    return Month.hWnd;
}
