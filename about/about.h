// Pure parts of the About box: the path of url.dll, built without ever writing past its buffer.
#pragma once

#include <cstddef>

#include "about/about_strings.h"
#include "base/sjis.h"

// Whether a byte opens a double-byte character of the current code page.
using LeadByteTest = bool (*)(unsigned char);

// Appends a backslash to a non-empty path whose last character is not one; a 0x5C
// that is the second byte of a double-byte character is no separator. Returns 0,
// changing nothing, when the backslash and its terminator do not fit in cbPath.
int AppendBackslash(char *pszPath, size_t cbPath, LeadByteTest isLeadByte = IsShiftJisLeadByte);

// Turns the system directory that GetSystemDirectoryA left in pszPath (cchResult
// its result) into the path of url.dll. Returns 0, for "not present", when the
// read failed or the whole path would not fit in cbPath; nothing is written past it.
int MakeUrlDllPath(char *pszPath, size_t cbPath, unsigned int cchResult,
                   LeadByteTest isLeadByte = IsShiftJisLeadByte);
