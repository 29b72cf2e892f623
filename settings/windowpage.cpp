// The Window page's rules: the font list's faces and which one is selected.
#include "settings/windowpage.h"

#include "base/sjis.h"
#include "settings/settings.h"

namespace {

unsigned char FoldAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

}  // namespace

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
