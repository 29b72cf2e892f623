// The time signal's balloon window: made at each signal, drawn from its own window text, gone
// after its timer or a click, so nothing of it runs between signals.
#include "chime/balloon_win.h"

#include "base/appinfo_win.h"
#include "base/dialog_place_win.h"
#include "base/gdi_scope_win.h"
#include "base/layout.h"
#include "base/wide_win.h"
#include "calendar/textfont_win.h"
#include "chime/balloon.h"
#include "chime/signal_rules.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

constexpr COLORREF kBalloonInk = RGB(0, 0, 0);
// The brown of the panel's frame, so the outline shows on a dark desktop too.
constexpr COLORREF kBalloonFrame = RGB(128, 80, 40);
constexpr COLORREF kBalloonPaper = RGB(255, 255, 240);

HWND hBalloon;
// The shape and font of the balloon shown; both belong to its window's life.
BalloonShape shape;
int32_t nShapeScale = 1;
HFONT hBalloonFont;

// The body's rounded box and the tail, as one region in window coordinates.
HRGN MakeBalloonRegion()
{
    const int32_t nCorner = kBalloonCorner * nShapeScale;
    const PlaceRect &b = shape.rcBody;
    HRGN hRgn = CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, nCorner, nCorner);
    POINT apt[3];
    for (int i = 0; i < 3; ++i)
        apt[i] = {shape.aptTail[i].x, shape.aptTail[i].y};
    ScopedGdiObject<HRGN> hTail(CreatePolygonRgn(apt, 3, WINDING));
    if (hRgn && hTail)
        CombineRgn(hRgn, hRgn, hTail, RGN_OR);
    return hRgn;
}

void PaintBalloon(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    {
        ScopedGdiObject<HRGN> hRgn(MakeBalloonRegion());
        ScopedGdiObject<HBRUSH> hPaper(CreateSolidBrush(kBalloonPaper));
        ScopedGdiObject<HBRUSH> hFrame(CreateSolidBrush(kBalloonFrame));
        FillRgn(hdc, hRgn, hPaper);
        FrameRgn(hdc, hRgn, hFrame, nShapeScale, nShapeScale);
        WCHAR szText[64];
        const int cch = GetWindowTextW(hWnd, szText, ARRAYSIZE(szText));
        ScopedSelectObject selectFont(hdc, hBalloonFont);
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, kBalloonInk);
        RECT rc = {shape.rcBody.left, shape.rcBody.top, shape.rcBody.right, shape.rcBody.bottom};
        DrawTextW(hdc, szText, cch, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(hWnd, &ps);
}

void OnBalloonGone(HWND hWnd)
{
    if (hWnd == hBalloon)
        hBalloon = nullptr;
    if (hBalloonFont)
        DeleteObject(hBalloonFont);
    hBalloonFont = nullptr;
}

LRESULT CALLBACK BalloonWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: PaintBalloon(hWnd); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: DestroyWindow(hWnd); return 0;
    case WM_TIMER:
        if (wParam == kBalloonTimerId)
            DestroyWindow(hWnd);
        return 0;
    case WM_NCDESTROY: OnBalloonGone(hWnd); return 0;
    default: return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
}

bool RegisterBalloonClass()
{
    static ATOM atom;
    if (atom)
        return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = BalloonWndProc;
    wc.hInstance = AppInfo.hInstance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kBalloonClassName;
    atom = RegisterClassExW(&wc);
    return atom != 0;
}

// The character panel on screen, from the gadget's window and the layout it shows at its scale.
PlaceRect CharacterOnScreen(const RECT &rcGadget)
{
    const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    const int32_t x = rcGadget.left + layout.xPanel * nWindowScale, y = rcGadget.top + layout.yPanel * nWindowScale;
    return {x, y, x + kPanelWidth * nWindowScale, y + kPanelHeight * nWindowScale};
}

}  // namespace

void ShowTimeBalloon(HWND hWndGadget, int nHour, int nMinute)
{
    RECT rcGadget;
    if (hBalloon)
        DestroyWindow(hBalloon);
    if (!hWndGadget || !GetWindowRect(hWndGadget, &rcGadget) || !RegisterBalloonClass())
        return;
    char szText[32];
    FormatSignalText(nHour, nMinute, Settings.b24 != 0, szText, sizeof(szText));
    const WideText text(szText);
    nShapeScale = nWindowScale < 1 ? 1 : nWindowScale;
    hBalloonFont = CreateTextFont(TextFaceFor(Settings.szFont), kBalloonFontHeight * nShapeScale);
    SIZE size = {};
    {
        ScopedGetDC hdc(nullptr);
        ScopedSelectObject selectFont(hdc, hBalloonFont);
        GetTextExtentPoint32W(hdc, text, lstrlenW(text), &size);
    }
    const RECT rcWork = GetWorkAreaNear(hWndGadget);
    shape = PlaceBalloon(CharacterOnScreen(rcGadget), {rcGadget.left, rcGadget.top, rcGadget.right, rcGadget.bottom},
                         {size.cx, size.cy}, nShapeScale, {rcWork.left, rcWork.top, rcWork.right, rcWork.bottom});
    const PlaceRect &rc = shape.rcWindow;
    // Owned by the gadget, so it goes when the gadget goes; topmost, so no window hides what it says.
    hBalloon = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kBalloonClassName, text, WS_POPUP,
                               rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hWndGadget, nullptr,
                               AppInfo.hInstance, nullptr);
    if (!hBalloon) {
        DeleteObject(hBalloonFont);
        hBalloonFont = nullptr;
        return;
    }
    SetWindowRgn(hBalloon, MakeBalloonRegion(), FALSE);
    ShowWindow(hBalloon, SW_SHOWNOACTIVATE);
    SetTimer(hBalloon, kBalloonTimerId, kBalloonShowMs, nullptr);
}
