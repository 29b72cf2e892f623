// Rules of the Window page that need no platform call: which faces the font list shows and which
// it selects.
#pragma once

#include <cstdint>

// TRUETYPE_FONTTYPE in the enumeration's font type bits.
constexpr unsigned long kTrueTypeFontBit = 4;

// A face name of 1 to 255 characters fits the 256-byte face field.
bool FitsFaceField(long nLength);

// Scalable faces only, and no vertical-writing variants (named with a leading '@').
bool IsListedFace(unsigned long dwFontType, const char *pszFace);

// Shift-JIS text compared with ASCII letters folded; two-byte characters compare as they are.
bool FaceBeginsWith(const char *pszText, const char *pszStart);
bool SameFaceName(const char *pszA, const char *pszB);

// The list item to select for the stored face: the item of that very name; else
// the first item that begins with it, searching from item 1 round to item 0; else
// item 0. itemText(i) gives the text of item i.
template <typename ItemText>
int FindFontItem(int nItems, ItemText itemText, const char *pszFace)
{
    for (int i = 0; i < nItems; ++i)
        if (SameFaceName(itemText(i), pszFace))
            return i;
    for (int n = 1; n <= nItems; ++n)
        if (FaceBeginsWith(itemText(n % nItems), pszFace))
            return n % nItems;
    return 0;
}
