// Window placement and dragging on the screen: the monitor layout and the taskbar query,
// kept until the display changes, SetWindowPos and the mouse capture around the pure arithmetic.
#include "app/placement_win.h"

#include <shellapi.h>

#include "app/placement.h"
#include "settings/settings.h"
#include "settings/state.h"

#ifndef _WIN64
static_assert(sizeof(APPBARDATA) == 36, "the taskbar query uses the 36-byte APPBARDATA");
#endif

MonitorLayoutReader pfnReadMonitorLayout = ReadMonitorLayout;

namespace {

// Every paint places the window, and under Wine each monitor query is three round trips to the
// server: the layout is read once and again only when the display or the work area changes.
MonitorLayout layoutKept;
bool bLayoutKept;
// Asked again while no taskbar answers, as a shell still starting gives none yet.
TaskbarAnswer taskbarKept;

}  // namespace

static PlaceRect ToPlaceRect(const RECT &rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

static RECT ToRect(const PlaceRect &rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

static void StoreWindowPosition(LONG x, LONG y)
{
    Settings.nWindowX = x;
    Settings.nWindowY = y;
}

static BOOL CALLBACK AddMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    auto *pLayout = reinterpret_cast<MonitorLayout *>(lParam);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoA(hMonitor, &mi) || IsRectEmpty(&mi.rcMonitor))
        return TRUE;
    const bool bPrimary = (mi.dwFlags & MONITORINFOF_PRIMARY) != 0;
    // A full list still takes the primary, in the last place, before it moves to the front.
    int i = pLayout->nMonitors;
    if (i == kMaxMonitors) {
        if (!bPrimary)
            return TRUE;
        i = kMaxMonitors - 1;
    } else {
        ++pLayout->nMonitors;
    }
    pLayout->aMonitors[i] = {ToPlaceRect(mi.rcMonitor), ToPlaceRect(mi.rcWork)};
    if (bPrimary && i != 0) {
        const MonitorRects first = pLayout->aMonitors[0];
        pLayout->aMonitors[0] = pLayout->aMonitors[i];
        pLayout->aMonitors[i] = first;
    }
    return TRUE;
}

MonitorLayout ReadMonitorLayout()
{
    MonitorLayout layout = {};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&layout));
    if (layout.nMonitors > 0)
        return layout;
    RECT rcWork;
    const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        rcWork = rcScreen;
    layout.nMonitors = 1;
    layout.aMonitors[0] = {ToPlaceRect(rcScreen), ToPlaceRect(rcWork)};
    return layout;
}

static const MonitorLayout &KnownLayout()
{
    if (!bLayoutKept) {
        layoutKept = pfnReadMonitorLayout();
        bLayoutKept = true;
    }
    return layoutKept;
}

static TaskbarAnswer TaskbarIfAway()
{
    if (!Settings.bAwayTaskBar)
        return {};
    if (taskbarKept.nFound == 0) {
        APPBARDATA abd = {};
        abd.cbSize = sizeof(abd);
        taskbarKept.nFound = SHAppBarMessage(ABM_GETTASKBARPOS, &abd);
        taskbarKept.rc = ToPlaceRect(abd.rc);
    }
    return taskbarKept;
}

static PlaceRect MoveAreaFor(const PlaceRect &rcWindow)
{
    const MonitorLayout &layout = KnownLayout();
    return MoveAreaOn(layout, MonitorForPlacement(Settings, layout, rcWindow), Settings.bAwayTaskBar,
                      TaskbarIfAway());
}

RECT CalcWindowRect(HWND)
{
    // Outside the corner modes the area plays no part: this is the window at the stored position.
    const PlaceRect rcStored = CalcPlacementRect(Settings, {}, nWindowScale);
    // The scale is settled here, with the size: it is the largest the window's monitor holds.
    const MonitorLayout &layout = KnownLayout();
    const int iMonitor = MonitorForPlacement(Settings, layout, rcStored);
    nWindowScale = WindowScale(nWindowDpi, CalcWindowSize(Settings.bStatus, Settings.nCalendarPos),
                               layout.aMonitors[iMonitor].rcMonitor);
    return ToRect(CalcPlacementRect(Settings, MoveAreaFor(rcStored), nWindowScale));
}

void FitRectToArea(HWND, RECT *prc)
{
    const PlaceRect rc = ToPlaceRect(*prc);
    *prc = ToRect(FitRectIntoArea(rc, MoveAreaFor(rc)));
}

void MoveWindowToRect(HWND hWnd, const RECT *prc)
{
    // Every paint places the window: a move to where it already stands would still cost
    // a round trip to the window server each time.
    RECT rcNow;
    if (GetWindowRect(hWnd, &rcNow) && EqualRect(&rcNow, prc))
        return;
    SetWindowPos(hWnd, nullptr, prc->left, prc->top, prc->right - prc->left, prc->bottom - prc->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceWindow(HWND hWnd)
{
    RECT rc = CalcWindowRect(hWnd);
    FitRectToArea(hWnd, &rc);
    MoveWindowToRect(hWnd, &rc);
}

void PlaceWindowOnNewLayout(HWND hWnd)
{
    bLayoutKept = false;
    taskbarKept = {};
    PlaceWindow(hWnd);
}

PlaceRect WindowMonitorRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    const MonitorLayout &layout = KnownLayout();
    return layout.aMonitors[NearestMonitor(layout, ToPlaceRect(rc))].rcMonitor;
}

void DragStart(HWND hWnd, LPARAM lParam)
{
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    ptDragStart = {rcWindow.left, rcWindow.top};
    POINT pt = {LOWORD(lParam), HIWORD(lParam)};
    ClientToScreen(hWnd, &pt);
    if (Settings.bFix || Settings.nWindowPos != kWindowPosFree)
        return;
    if (!PtInRect(&rcWindow, pt))
        return;
    bDragging = 1;
    ptDragOffset = {pt.x - rcWindow.left, pt.y - rcWindow.top};
    SetCapture(hWnd);
}

void DragStep(HWND hWnd)
{
    if (!bDragging)
        return;
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    POINT ptCursor;
    GetCursorPos(&ptCursor);
    const PlacePoint pos =
        DragPositionOnLayout(KnownLayout(), Settings.bAwayTaskBar, TaskbarIfAway(), {ptCursor.x, ptCursor.y},
                             {ptDragOffset.x, ptDragOffset.y},
                             {rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top});
    SetWindowPos(hWnd, nullptr, pos.x, pos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    StoreWindowPosition(pos.x, pos.y);
}

// Stores where the window stands and pins it there.
static void StoreCurrentPosition(HWND hWnd)
{
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    StoreWindowPosition(rcWindow.left, rcWindow.top);
    SetWindowPos(hWnd, nullptr, rcWindow.left, rcWindow.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void DragEnd(HWND hWnd)
{
    if (!bDragging)
        return;
    // Cleared before the release, whose WM_CAPTURECHANGED must find no drag.
    bDragging = 0;
    ReleaseCapture();
    StoreCurrentPosition(hWnd);
}

void DragCancel(HWND hWnd)
{
    if (!bDragging)
        return;
    bDragging = 0;
    ReleaseCapture();
    StoreWindowPosition(ptDragStart.x, ptDragStart.y);
    SetWindowPos(hWnd, nullptr, ptDragStart.x, ptDragStart.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void DragCaptureLost(HWND hWnd, HWND hWndNew)
{
    if (!bDragging || hWndNew == hWnd)
        return;
    // The capture is someone else's now: nothing to release.
    bDragging = 0;
    StoreCurrentPosition(hWnd);
}
