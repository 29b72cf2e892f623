// Rules of the Clock page that need no window: Shift-JIS path cutting and the folder of a picked file.
#pragma once

#include <cstddef>

#include "base/sjis.h"

// Copies pszSrc into a buffer of cbDest bytes (at least 1), always terminated,
// cutting before any character that does not fit whole.
void CopyPathCut(char *pszDest, size_t cbDest, const char *pszSrc);

// The folder of a full file path into a buffer of cbDest bytes: everything
// before the last backslash, keeping it for a drive root ("C:\"). A backslash
// that is the second byte of a character does not count. Empty when there is
// no folder part; cut on a character boundary when too long.
void FolderOfFile(char *pszDest, size_t cbDest, const char *pszPath);
