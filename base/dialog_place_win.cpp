// Dialog placement on screen: the monitor's work area around the pure rules, and a CBT hook
// that places a dialog made by the system once its size is final and before it is seen.
#include "base/dialog_place_win.h"

#include "base/dialog_place.h"

// One at a time per thread; an inner one (the open-file dialog over the sheet) stacks on the outer.
static PlaceOnActivation *pActivePlacer;

static PlaceRect ToPlaceRect(const RECT &rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

RECT GetWorkAreaNear(HWND hWnd)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoA(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi))
        return mi.rcWork;
    RECT rc;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0))
        rc = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return rc;
}

static void MoveTo(HWND hDlg, const PlaceRect &rc)
{
    SetWindowPos(hDlg, nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceBesideWindow(HWND hDlg, HWND hAnchor)
{
    RECT rcDlg, rcAnchor;
    if (!hAnchor || !GetWindowRect(hDlg, &rcDlg) || !GetWindowRect(hAnchor, &rcAnchor))
        return;
    const PlacePoint size = {rcDlg.right - rcDlg.left, rcDlg.bottom - rcDlg.top};
    MoveTo(hDlg, PlaceBeside(ToPlaceRect(rcAnchor), size, ToPlaceRect(GetWorkAreaNear(hAnchor))));
}

void KeepInsideWorkArea(HWND hDlg, HWND hOwner)
{
    RECT rcDlg;
    if (!hOwner || !GetWindowRect(hDlg, &rcDlg))
        return;
    MoveTo(hDlg, KeepInside(ToPlaceRect(rcDlg), ToPlaceRect(GetWorkAreaNear(hOwner))));
}

PlaceOnActivation::PlaceOnActivation(HWND hOwner, Placer place)
    : hOwner_(hOwner), place_(place), hHook_(nullptr), pOuter_(pActivePlacer)
{
    pActivePlacer = this;
    hHook_ = SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
}

PlaceOnActivation::~PlaceOnActivation()
{
    if (hHook_)
        UnhookWindowsHookEx(hHook_);
    pActivePlacer = pOuter_;
}

LRESULT CALLBACK PlaceOnActivation::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    PlaceOnActivation *self = pActivePlacer;
    if (nCode != HCBT_ACTIVATE || !self || !self->hHook_)
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (GetWindow(hWnd, GW_OWNER) != GetAncestor(self->hOwner_, GA_ROOT))
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    const LRESULT lResult = CallNextHookEx(nullptr, nCode, wParam, lParam);
    // Once: a later activation (the user coming back to the dialog) leaves it where it is.
    UnhookWindowsHookEx(self->hHook_);
    self->hHook_ = nullptr;
    self->place_(hWnd, self->hOwner_);
    return lResult;
}
