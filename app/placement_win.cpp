// Window placement: not yet present beyond sizing the window at the stored
// position; corner modes, the move area and dragging come later.
#include "app/placement_win.h"

#include "settings/settings.h"

RECT GetAreaBesideTaskbar()
{
    return GetMoveArea();
}

RECT GetMoveArea()
{
    RECT rc = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return rc;
}

RECT CalcWindowRect(HWND)
{
    int w = 120, h = 160;
    if (Settings.bStatus)
        (Settings.nCalendarPos & 1) ? w = 240 : h = 320;
    RECT rc = {Settings.nWindowX, Settings.nWindowY, Settings.nWindowX + w, Settings.nWindowY + h};
    return rc;
}

void FitRectToArea(HWND, RECT *) {}

void MoveWindowToRect(HWND hWnd, const RECT *prc)
{
    SetWindowPos(hWnd, nullptr, prc->left, prc->top, prc->right - prc->left, prc->bottom - prc->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceWindow(HWND hWnd)
{
    RECT rc = CalcWindowRect(hWnd);
    FitRectToArea(hWnd, &rc);
    MoveWindowToRect(hWnd, &rc);
}

void DragStart(HWND, LPARAM) {}
void DragStep(HWND) {}
void DragEnd(HWND) {}
void DragCancel(HWND) {}
