// The staff credits, where their rows stand, and the reveal's arithmetic.
#include "about/staff.h"

// Names and handles are made up.
const CreditRow StaffCredits[] = {
    {ABOUT_PRODUCT_NAME "  " ABOUT_VERSION, " "},
    {" ", " "},
    {"            Graphic", "Sayo Kirinashi"},
    {"            Program", "Ren Otsugawa (rennet)"},
    {"\t", "\t"},
    {"            Thanks", "Mabel Quorn (quornbread)"},
    {" ", "Tessaly Vink"},
    {" ", " "},
    {"     " ABOUT_NOTICE, " "},
    {nullptr, nullptr},
};

int CreditScaled(int nLength, int nDpi)
{
    return static_cast<int>(static_cast<long long>(nLength) * (nDpi > 0 ? nDpi : 96) / 96);
}

int LayOutCredits(int nLineHeight, CreditLine *pLines, int nMaxLines, int nDpi)
{
    int nLines = 0;
    int y = CreditScaled(kCreditTop, nDpi);
    for (const CreditRow *pRow = StaffCredits; pRow->pszLeft != nullptr; ++pRow) {
        if (pRow->pszLeft[0] == '\t') {
            y += nLineHeight / 2;
            continue;
        }
        if (nLines == nMaxLines)
            break;
        pLines[nLines++] = {pRow->pszLeft, pRow->pszRight, y};
        y += nLineHeight;
    }
    return nLines;
}

int CreditRightX(int cxClient, int nDpi)
{
    return CreditScaled(kCreditLeftX, nDpi) + cxClient * 40 / 100;
}

int RevealFirstColumn(int y, int nPass)
{
    return (y + nPass) % kRevealPasses;
}

bool IsRevealed(int x, int y, int nPassesDone)
{
    const int nStripe = ((x - y) % kRevealPasses + kRevealPasses) % kRevealPasses;
    return nStripe < nPassesDone;
}
