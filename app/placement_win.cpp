// Window placement and dragging on the screen: the taskbar query, SetWindowPos
// and the mouse capture around the pure rectangle arithmetic.
#include "app/placement_win.h"

#include <shellapi.h>

#include "app/placement.h"
#include "settings/settings.h"
#include "settings/state.h"

#ifndef _WIN64
static_assert(sizeof(APPBARDATA) == 36, "the taskbar query uses the 36-byte APPBARDATA");
#endif

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

RECT GetAreaBesideTaskbar()
{
    APPBARDATA abd = {};
    abd.cbSize = sizeof(abd);
    const UINT_PTR nFound = SHAppBarMessage(ABM_GETTASKBARPOS, &abd);
    return ToRect(AreaBesideTaskbar(nFound, ToPlaceRect(abd.rc), GetSystemMetrics(SM_CXSCREEN),
                                    GetSystemMetrics(SM_CYSCREEN)));
}

RECT GetMoveArea()
{
    if (Settings.bAwayTaskBar)
        return GetAreaBesideTaskbar();
    RECT rc = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return rc;
}

RECT CalcWindowRect(HWND)
{
    return ToRect(CalcPlacementRect(Settings, ToPlaceRect(GetMoveArea())));
}

void FitRectToArea(HWND, RECT *prc)
{
    *prc = ToRect(FitRectIntoArea(ToPlaceRect(*prc), ToPlaceRect(GetMoveArea())));
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
    const RECT rcArea = GetMoveArea();
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    POINT ptCursor;
    GetCursorPos(&ptCursor);
    const PlacePoint pos = ClampDragPosition({ptCursor.x, ptCursor.y}, {ptDragOffset.x, ptDragOffset.y},
                                             rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top,
                                             ToPlaceRect(rcArea));
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
