// Pure parts of the staff credits: the credit rows and where they stand, and the arithmetic of
// the diagonal reveal.
#pragma once

#include "about/about_strings.h"

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
