// Blink patches: raw palette indices copied inside the sheet before it is blended.
#include "render/sheet.h"

#include <cstring>

#include "render/blend.h"

namespace {

// Only the third character has its patches on the sheet.
constexpr int kBlinkingCharacter = 2;

}  // namespace

int BlinkPatchFor(int nBlinkStep, int nDrawChara)
{
    if (nDrawChara != kBlinkingCharacter || nBlinkStep < 0 || nBlinkStep >= kBlinkSteps)
        return -1;
    return kPatchOfStep[nBlinkStep];
}

bool ApplyBlinkPatch(uint8_t *pDib, size_t cb, int nPatch)
{
    PixelSource sheet;
    if (nPatch < 0 || nPatch > 2 || !ParsePackedDib(pDib, cb, &sheet) || sheet.nBitCount != 8)
        return false;
    const int32_t rows = sheet.nHeight > 0 ? sheet.nHeight : -sheet.nHeight;
    if (sheet.nWidth < kPatchLeft + kPatchWidth || rows < kPatchTop[2] + kPatchHeight)
        return false;
    const size_t cbRow = static_cast<size_t>(DibRowBytes(sheet.nWidth, 8));
    uint8_t *pPixels = pDib + (sheet.pPixels - pDib);
    auto rowStart = [&](int32_t y) {
        const int32_t stored = sheet.nHeight > 0 ? rows - 1 - y : y;
        return pPixels + static_cast<size_t>(stored) * cbRow;
    };
    for (int32_t y = 0; y < kPatchHeight; ++y)
        std::memmove(rowStart(kEyesTop + y) + kEyesLeft, rowStart(kPatchTop[nPatch] + y) + kPatchLeft, kPatchWidth);
    return true;
}
