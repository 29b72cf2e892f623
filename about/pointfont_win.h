// Fonts sized in tenths of a point for a device context.
#pragma once

#include <windows.h>

// Height in tenths of a point, DEFAULT_CHARSET, the face; every other field 0. nDpi is the
// resolution the points are for; 0 takes the context's.
HFONT CreateFontByPoints(HDC hdc, int nPointTenths, LPCWSTR pszFaceName, int nDpi = 0);
// As the record says, its lfHeight in tenths of a point; without a context, the screen's.
HFONT CreateFontByPointsIndirect(HDC hdc, const LOGFONTW *plf, int nDpi = 0);
