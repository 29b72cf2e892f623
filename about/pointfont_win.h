// Fonts sized in tenths of a point for a device context.
#pragma once

#include <windows.h>

// Height in tenths of a point, DEFAULT_CHARSET, the face; every other field 0.
HFONT CreateFontByPoints(HDC hdc, int nPointTenths, LPCSTR pszFaceName);
// As the record says, its lfHeight in tenths of a point; without a context, the screen's.
HFONT CreateFontByPointsIndirect(HDC hdc, const LOGFONTA *plf);
