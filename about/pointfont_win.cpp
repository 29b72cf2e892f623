// Fonts sized in tenths of a point: the height becomes the character height in logical units.
#include "about/pointfont_win.h"

#include <cstdlib>

#include "base/gdi_scope_win.h"

HFONT CreateFontByPoints(HDC hdc, int nPointTenths, LPCWSTR pszFaceName, int nDpi)
{
    LOGFONTW lf = {};
    lf.lfHeight = nPointTenths;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, pszFaceName, LF_FACESIZE);
    return CreateFontByPointsIndirect(hdc, &lf, nDpi);
}

HFONT CreateFontByPointsIndirect(HDC hdc, const LOGFONTW *plf, int nDpi)
{
    if (hdc == nullptr) {
        ScopedGetDC dcScreen(nullptr);
        return CreateFontByPointsIndirect(dcScreen, plf, nDpi);
    }
    LOGFONTW lf = *plf;
    POINT pt[2] = {{0, (nDpi > 0 ? nDpi : GetDeviceCaps(hdc, LOGPIXELSY)) * lf.lfHeight / 720}, {0, 0}};
    DPtoLP(hdc, pt, 2);
    // Negative: the character height, without internal leading.
    lf.lfHeight = -std::abs(pt[0].y - pt[1].y);
    return CreateFontIndirectW(&lf);
}
