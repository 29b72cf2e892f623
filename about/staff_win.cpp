// The staff credits box: the credits drawn once off-screen, revealed a seventh at a time, one
// pass per paint; OK appears when the reveal is complete.
#include "about/staff_win.h"

#include <cstdlib>

#include "about/staff.h"
#include "about/pointfont_win.h"
#include "base/dialog_place_win.h"
#include "base/dpi_win.h"
#include "base/gdi_scope_win.h"
#include "base/wide_win.h"
#include "res/resource.h"

StaffBoxState StaffBox;
StaffTimerStarter pfnStartStaffTimer = SetTimer;

// The system first puts the box at its owner's client origin; these offsets centre it over the owner.
static void CentreOverOwner(HWND hDlg)
{
    HWND hOwner = GetParent(hDlg);
    if (hOwner == nullptr)
        return;
    RECT rcBox, rcOwner;
    GetWindowRect(hDlg, &rcBox);
    GetWindowRect(hOwner, &rcOwner);
    const int x = rcBox.left + ((rcOwner.right - rcOwner.left) - (rcBox.right - rcBox.left)) / 2;
    const int y = rcBox.top + ((rcOwner.bottom - rcOwner.top) - (rcBox.bottom - rcBox.top)) / 2;
    SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

// At the box's own DPI, so the credits match the box the system scaled.
static void DrawCredits(HDC hdc, int cxClient, int nDpi)
{
    ScopedGdiObject<HFONT> font(CreateFontByPoints(hdc, 90, L"ＭＳ Ｐゴシック", nDpi));
    LOGFONTW lf = {};
    GetObjectW(font, sizeof(lf), &lf);
    ScopedSelectObject selectFont(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    CreditLine lines[kMaxCreditLines];
    const int nLines = LayOutCredits(std::abs(static_cast<int>(lf.lfHeight)), lines, kMaxCreditLines, nDpi);
    const int xLeft = CreditScaled(kCreditLeftX, nDpi);
    const int xRight = CreditRightX(cxClient, nDpi);
    for (int i = 0; i < nLines; ++i) {
        const WideText left(lines[i].pszLeft), right(lines[i].pszRight);
        TextOutW(hdc, xLeft, lines[i].y, left, lstrlenW(left));
        TextOutW(hdc, xRight, lines[i].y, right, lstrlenW(right));
    }
}

// 1 when the credits are drawn; on failure nothing is kept.
static int BuildStaffPicture(HWND hDlg)
{
    RECT rc;
    GetClientRect(hDlg, &rc);
    {
        ScopedGetDC dcBox(hDlg);
        if (!MakeMemoryBitmap(&StaffBox.credits, dcBox, CreateCompatibleBitmap(dcBox, rc.right, rc.bottom)))
            return 0;
    }
    FillRect(StaffBox.credits.hdc, &rc, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    DrawCredits(StaffBox.credits.hdc, rc.right, GetWindowDpi(hDlg));
    return 1;
}

static void FinishReveal(HWND hDlg)
{
    StaffBox.nPass = kRevealPasses;
    ShowWindow(GetDlgItem(hDlg, IDOK), SW_SHOW);
    if (StaffBox.uTimer != 0) {
        KillTimer(hDlg, StaffBox.uTimer);
        StaffBox.uTimer = 0;
    }
}

// Every opening starts from nothing, and the credits exist before the first tick can paint.
static INT_PTR OnInitStaff(HWND hDlg)
{
    FreeMemoryBitmap(&StaffBox.credits);
    StaffBox.uTimer = 0;
    StaffBox.nPass = 0;
    CentreOverOwner(hDlg);
    KeepInsideWorkArea(hDlg, GetParent(hDlg));
    if (BuildStaffPicture(hDlg))
        StaffBox.uTimer = pfnStartStaffTimer(hDlg, TIMER_STAFF, 10, nullptr);
    // Without a timer (or the credits) there is no reveal: the box is complete at once.
    if (StaffBox.uTimer == 0)
        FinishReveal(hDlg);
    return TRUE;
}

void PaintStaffReveal(HWND hDlg, HDC hdc)
{
    if (StaffBox.credits.hdc == nullptr)
        return;
    RECT rc;
    GetClientRect(hDlg, &rc);
    if (StaffBox.nPass >= kRevealPasses) {
        BitBlt(hdc, 0, 0, rc.right, rc.bottom, StaffBox.credits.hdc, 0, 0, SRCCOPY);
        return;
    }
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = RevealFirstColumn(y, StaffBox.nPass); x < rc.right; x += kRevealPasses)
            SetPixel(hdc, x, y, GetPixel(StaffBox.credits.hdc, x, y));
    if (++StaffBox.nPass == kRevealPasses)
        FinishReveal(hDlg);
}

static void OnStaffPaint(HWND hDlg)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hDlg, &ps);
    PaintStaffReveal(hDlg, hdc);
    EndPaint(hDlg, &ps);
}

static void OnStaffDestroy(HWND hDlg)
{
    FreeMemoryBitmap(&StaffBox.credits);
    if (StaffBox.uTimer != 0) {
        KillTimer(hDlg, StaffBox.uTimer);
        StaffBox.uTimer = 0;
    }
}

INT_PTR CALLBACK StaffDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitStaff(hDlg);
    case WM_PAINT: OnStaffPaint(hDlg); return FALSE;
    case WM_TIMER:
        InvalidateRect(hDlg, nullptr, FALSE);
        UpdateWindow(hDlg);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, 1);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY: OnStaffDestroy(hDlg); return FALSE;
    default: return FALSE;
    }
}
