// Rules of the page controls that need no window: what a percentage box may hold and which list
// choices may be stored.
#pragma once

#include <cstdint>

// Reads the text of a percentage box. Empty text reads as 0. Anything else must
// be decimal digits (leading blanks allowed) worth 0 to 100; otherwise false,
// and *pnValue is left alone.
bool ReadPercentText(const char *pszText, int32_t *pnValue);

// A list answers -1 when nothing is selected; only an entry of the list may be stored.
bool IsListChoice(long nSel, int nCount);
