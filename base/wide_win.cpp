// Shift-JIS to UTF-16 and back by code page 932.
#include "base/wide_win.h"

WideText::WideText(const char *psz)
{
    sz_[0] = L'\0';
    if (!psz)
        return;
    const int cch = MultiByteToWideChar(kShiftJisCodePage, 0, psz, -1, sz_, ARRAYSIZE(sz_));
    // Too long: the part that fit, cut at the buffer's end.
    if (cch == 0)
        sz_[ARRAYSIZE(sz_) - 1] = L'\0';
}

bool ToShiftJis(LPCWSTR pszWide, char *psz, int cb)
{
    if (cb <= 0)
        return false;
    psz[0] = '\0';
    BOOL bDefaultUsed = FALSE;
    const int cbWritten =
        WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, pszWide, -1, psz, cb, nullptr, &bDefaultUsed);
    if (cbWritten == 0 || bDefaultUsed) {
        psz[0] = '\0';
        return false;
    }
    return true;
}
