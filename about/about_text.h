// Pure parts of the About box and the staff credits: the url.dll path, the
// credit rows and where they stand, and the arithmetic of the diagonal reveal.
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

// The credits, two columns; the left column's null entry ends the table.
struct CreditRow {
    const char *pszLeft;
    const char *pszRight;
};
extern const CreditRow StaffCredits[];

// A row as drawn: its two texts and its top.
struct CreditLine {
    const char *pszLeft;
    const char *pszRight;
    int y;
};
// The margins at 96 DPI; the box scales them with its DPI, as its font and size scale.
constexpr int kCreditTop = 10;
constexpr int kCreditLeftX = 20;
constexpr int kMaxCreditLines = 16;
// A length of 96 DPI at nDpi.
int CreditScaled(int nLength, int nDpi);
// Lays out the rows that draw, from the top margin at nDpi; a row opening with a tab only
// adds half a line. Returns how many lines it filled in (at most nMaxLines).
int LayOutCredits(int nLineHeight, CreditLine *pLines, int nMaxLines, int nDpi = 96);
// The second column starts at 40 % of the client width, plus the margin at nDpi.
int CreditRightX(int cxClient, int nDpi = 96);

// The reveal: pass n copies the pixels with (x - y) mod 7 == n; seven passes copy all.
constexpr int kRevealPasses = 7;
// First column that pass n copies in row y; the next ones follow every kRevealPasses.
int RevealFirstColumn(int y, int nPass);
// Whether pixel (x, y) has been copied once nPassesDone passes are drawn.
bool IsRevealed(int x, int y, int nPassesDone);
