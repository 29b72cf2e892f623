// Rules of the Window page that need no platform call: the calendar shift,
// which list choices may be stored, which faces the font list shows and which it selects.
#pragma once

#include <cstdint>

struct SettingsRecord;

// TRUETYPE_FONTTYPE in the enumeration's font type bits.
constexpr unsigned long kTrueTypeFontBit = 4;

// Sets the calendar position; while the page is shown, the stored origin moves
// so that the character panel keeps its place on screen at display scale nScale.
void MoveCalendarPage(SettingsRecord *pRec, int32_t nPos, int32_t nScale = 1);

// A list answers -1 when nothing is selected; only an entry of the list may be stored.
bool IsListChoice(long nSel, int nCount);

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
