// The calendar and clock fonts: made by one recipe and kept, so a paint makes none.
#include "calendar/textfont_win.h"

#include <cstring>

#include "base/wide_win.h"

namespace {

// The page and the overlay use five heights; a few spare slots cost nothing.
struct KeptFont {
    int nHeight;
    HFONT hFont;
};
KeptFont keptFonts[8];
int nKeptFonts;
int nNextSlot;  // when all slots are taken, the one to reuse next
char szKeptFace[256];  // as long as the stored face field

}  // namespace

HFONT CreateTextFont(const char *pszFace, int nHeight)
{
    return CreateFontW(nHeight, 0, 0, 0, FW_HEAVY, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, WideText(pszFace));
}

HFONT GetTextFont(const char *pszFace, int nHeight)
{
    if (std::strncmp(szKeptFace, pszFace, sizeof(szKeptFace)) != 0) {
        ReleaseTextFonts();
        std::strncpy(szKeptFace, pszFace, sizeof(szKeptFace) - 1);
    }
    for (int i = 0; i < nKeptFonts; ++i)
        if (keptFonts[i].nHeight == nHeight)
            return keptFonts[i].hFont;
    HFONT hFont = CreateTextFont(pszFace, nHeight);
    if (!hFont)
        return nullptr;
    int nSlot = nKeptFonts;
    if (nKeptFonts < static_cast<int>(sizeof(keptFonts) / sizeof(keptFonts[0]))) {
        ++nKeptFonts;
    } else {
        nSlot = nNextSlot;
        nNextSlot = (nNextSlot + 1) % nKeptFonts;
        DeleteObject(keptFonts[nSlot].hFont);
    }
    keptFonts[nSlot] = {nHeight, hFont};
    return hFont;
}

void ReleaseTextFonts()
{
    for (int i = 0; i < nKeptFonts; ++i)
        DeleteObject(keptFonts[i].hFont);
    nKeptFonts = 0;
    nNextSlot = 0;
    std::memset(szKeptFace, 0, sizeof(szKeptFace));
}
