// Rules of the Clock and Chara pages that need no window: the percentage text,
// Shift-JIS path cutting and the folder of a picked file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/sjis.h"

// Reads the text of a percentage box. Empty text reads as 0. Anything else must
// be decimal digits (leading blanks allowed) worth 0 to 100; otherwise false,
// and *pnValue is left alone.
bool ReadPercentText(const char *pszText, int32_t *pnValue);


// Copies pszSrc into a buffer of cbDest bytes (at least 1), always terminated,
// cutting before any character that does not fit whole.
void CopyPathCut(char *pszDest, size_t cbDest, const char *pszSrc);

// The folder of a full file path into a buffer of cbDest bytes: everything
// before the last backslash, keeping it for a drive root ("C:\"). A backslash
// that is the second byte of a character does not count. Empty when there is
// no folder part; cut on a character boundary when too long.
void FolderOfFile(char *pszDest, size_t cbDest, const char *pszPath);
