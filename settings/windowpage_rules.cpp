// The Window page's rules: the calendar shift, storable choices, the font list's faces and selection.
#include "settings/windowpage_rules.h"

#include "base/sjis.h"
#include "settings/settings.h"

namespace {

// Stored positions may hold anything; wrap as 32-bit Windows arithmetic does.
int32_t AddWrapped(int32_t value, int32_t delta)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

// With the page above (0) or to the left (3) the window's origin is the page's, not the character's.
void ShiftForPage(SettingsRecord *pRec, int32_t sign)
{
    if (pRec->nCalendarPos == 0)
        pRec->nWindowY = AddWrapped(pRec->nWindowY, sign * 160);
    else if (pRec->nCalendarPos == 3)
        pRec->nWindowX = AddWrapped(pRec->nWindowX, sign * 120);
}

unsigned char FoldAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

}  // namespace

void MoveCalendarPage(SettingsRecord *pRec, int32_t nPos)
{
    if (pRec->bStatus)
        ShiftForPage(pRec, 1);
    pRec->nCalendarPos = nPos;
    if (pRec->bStatus)
        ShiftForPage(pRec, -1);
}

bool FaceBeginsWith(const char *pszText, const char *pszStart)
{
    const unsigned char *t = reinterpret_cast<const unsigned char *>(pszText);
    const unsigned char *s = reinterpret_cast<const unsigned char *>(pszStart);
    while (*s) {
        if (IsShiftJisLeadByte(*s)) {
            // A trail byte is compared exactly: 0x83 0x41 and 0x83 0x61 are different letters.
            if (t[0] != s[0] || s[1] == 0 || t[1] != s[1])
                return false;
            t += 2;
            s += 2;
        } else {
            if (FoldAscii(*t) != FoldAscii(*s))
                return false;
            ++t;
            ++s;
        }
    }
    return true;
}

bool IsListChoice(long nSel, int nCount)
{
    return nSel >= 0 && nSel < nCount;
}

bool FitsFaceField(long nLength)
{
    return nLength > 0 && nLength < static_cast<long>(sizeof(SettingsRecord::szFont));
}

bool IsListedFace(unsigned long dwFontType, const char *pszFace)
{
    return (dwFontType & kTrueTypeFontBit) != 0 && pszFace[0] != '\0' && pszFace[0] != '@';
}

bool SameFaceName(const char *pszA, const char *pszB)
{
    return FaceBeginsWith(pszA, pszB) && FaceBeginsWith(pszB, pszA);
}
