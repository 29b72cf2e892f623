// Window painting: not yet present beyond filling the client area, so the
// window is never left unpainted.
#include "render/paint_win.h"

#include "chime/chime_win.h"

void PaintWindow(HWND hWnd, HDC hdc)
{
    CheckTimeSignal();
    RECT rc;
    GetClientRect(hWnd, &rc);
    FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}
