// Keyed copy and percentage blend over raw DIB pixels, with every rectangle checked
// against both buffers before a byte is touched.
#include "render/blend.h"

#include <cstring>

namespace {

struct Palette {
    uint8_t bgr[256][3];
    bool key[256];
};

// Everything a rectangle may touch must lie inside both buffers.
bool RectFits(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint64_t *pcbSourceRow)
{
    if (rc.nWidth <= 0 || rc.nHeight <= 0)
        return false;
    if (rc.nDestX < 0 || rc.nDestY < 0 || rc.nSourceX < 0 || rc.nSourceY < 0)
        return false;
    if (!dst.pPixels || dst.nWidth <= 0 || dst.nHeight <= 0 || dst.nStride <= 0)
        return false;
    if (static_cast<int64_t>(dst.nStride) < static_cast<int64_t>(dst.nWidth) * 3)
        return false;
    const int64_t destRight = static_cast<int64_t>(rc.nDestX) + rc.nWidth;
    const int64_t destBottom = static_cast<int64_t>(rc.nDestY) + rc.nHeight;
    if (destRight > dst.nWidth || destBottom > dst.nHeight)
        return false;
    const uint64_t destNeeded = static_cast<uint64_t>(destBottom - 1) * static_cast<uint64_t>(dst.nStride) +
                                static_cast<uint64_t>(destRight) * 3;
    if (destNeeded > dst.cbPixels)
        return false;

    if (!src.pPixels || (src.nBitCount != 8 && src.nBitCount != 24))
        return false;
    if (src.nBitCount == 8 && !src.pColorTable && src.nColors != 0)
        return false;
    const uint64_t cbRow = DibRowBytes(src.nWidth, src.nBitCount);
    if (cbRow == 0)
        return false;
    const int64_t rows = src.nHeight > 0 ? static_cast<int64_t>(src.nHeight) : -static_cast<int64_t>(src.nHeight);
    const int64_t sourceRight = static_cast<int64_t>(rc.nSourceX) + rc.nWidth;
    const int64_t sourceBottom = static_cast<int64_t>(rc.nSourceY) + rc.nHeight;
    if (sourceRight > src.nWidth || sourceBottom > rows)
        return false;
    // The farthest row from the start: the rectangle's top for bottom-up storage, its bottom for top-down.
    const int64_t lastRow = src.nHeight > 0 ? src.nHeight - rc.nSourceY - 1 : sourceBottom - 1;
    const uint64_t sourceNeeded =
        static_cast<uint64_t>(lastRow) * cbRow + static_cast<uint64_t>(sourceRight) * (src.nBitCount / 8);
    if (sourceNeeded > src.cbPixels)
        return false;
    *pcbSourceRow = cbRow;
    return true;
}

void LoadPalette(const PixelSource &src, uint32_t key, Palette *pPal)
{
    std::memset(pPal, 0, sizeof(*pPal));
    const uint32_t count = src.nColors < 256 ? src.nColors : 256;
    for (uint32_t i = 0; i < count; ++i)
        std::memcpy(pPal->bgr[i], src.pColorTable + 4 * i, 3);
    for (int i = 0; i < 256; ++i)
        pPal->key[i] = static_cast<uint32_t>(pPal->bgr[i][0] | pPal->bgr[i][1] << 8 | pPal->bgr[i][2] << 16) == key;
}

// Walks the rectangle row by row; put(dest, sourceBgr) handles one non-key pixel.
template <typename Put>
void ForEachPixel(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint32_t key,
                  uint64_t cbSourceRow, Put put)
{
    const ptrdiff_t sourceStep = src.nHeight > 0 ? -static_cast<ptrdiff_t>(cbSourceRow)
                                                 : static_cast<ptrdiff_t>(cbSourceRow);
    const size_t firstRow = src.nHeight > 0 ? static_cast<size_t>(src.nHeight - rc.nSourceY - 1)
                                            : static_cast<size_t>(rc.nSourceY);
    const uint8_t *pSourceRow = src.pPixels + firstRow * cbSourceRow;
    uint8_t *pDestRow = dst.pPixels + static_cast<size_t>(rc.nDestY) * dst.nStride + static_cast<size_t>(rc.nDestX) * 3;

    if (src.nBitCount == 8) {
        Palette pal;
        LoadPalette(src, key, &pal);
        for (int32_t y = 0; y < rc.nHeight; ++y) {
            const uint8_t *s = pSourceRow + rc.nSourceX;
            uint8_t *d = pDestRow;
            for (int32_t x = 0; x < rc.nWidth; ++x, ++s, d += 3)
                if (!pal.key[*s])
                    put(d, pal.bgr[*s]);
            if (y + 1 < rc.nHeight)
                pSourceRow += sourceStep;
            pDestRow += dst.nStride;
        }
    } else {
        for (int32_t y = 0; y < rc.nHeight; ++y) {
            const uint8_t *s = pSourceRow + static_cast<size_t>(rc.nSourceX) * 3;
            uint8_t *d = pDestRow;
            for (int32_t x = 0; x < rc.nWidth; ++x, s += 3, d += 3)
                if (static_cast<uint32_t>(s[0] | s[1] << 8 | s[2] << 16) != key)
                    put(d, s);
            // Never step the pointer past the last row: before the buffer is undefined.
            if (y + 1 < rc.nHeight)
                pSourceRow += sourceStep;
            pDestRow += dst.nStride;
        }
    }
}

uint32_t ReadLe32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

uint64_t DibRowBytes(int64_t nWidth, int32_t nBitCount)
{
    if (nWidth <= 0 || (nBitCount != 8 && nBitCount != 24))
        return 0;
    const uint64_t bytes = static_cast<uint64_t>(nWidth) * static_cast<uint64_t>(nBitCount / 8);
    return (bytes + 3) & ~static_cast<uint64_t>(3);
}

bool CopyPixelsKeyed(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint32_t key)
{
    uint64_t cbRow;
    if (!RectFits(dst, rc, src, &cbRow))
        return false;
    ForEachPixel(dst, rc, src, key, cbRow, [](uint8_t *d, const uint8_t *s) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
    });
    return true;
}

bool BlendPixels(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint32_t key,
                 int32_t nTransparency)
{
    const int32_t t = nTransparency < 0 ? 0 : nTransparency > 100 ? 100 : nTransparency;
    if (t == 0)
        return CopyPixelsKeyed(dst, rc, src, key);
    uint64_t cbRow;
    if (!RectFits(dst, rc, src, &cbRow))
        return false;
    // The two truncated terms of every channel value, worked out once per call.
    uint8_t sourceTerm[256];
    uint8_t destTerm[256];
    for (int v = 0; v < 256; ++v) {
        sourceTerm[v] = static_cast<uint8_t>(v * (100 - t) / 100);
        destTerm[v] = static_cast<uint8_t>(v * t / 100);
    }
    ForEachPixel(dst, rc, src, key, cbRow, [&](uint8_t *d, const uint8_t *s) {
        d[0] = static_cast<uint8_t>(sourceTerm[s[0]] + destTerm[d[0]]);
        d[1] = static_cast<uint8_t>(sourceTerm[s[1]] + destTerm[d[1]]);
        d[2] = static_cast<uint8_t>(sourceTerm[s[2]] + destTerm[d[2]]);
    });
    return true;
}

bool ParsePackedDib(const uint8_t *pDib, size_t cb, PixelSource *pSource)
{
    constexpr size_t kHeaderSize = 40;
    if (!pDib || cb < kHeaderSize)
        return false;
    const uint32_t biSize = ReadLe32(pDib);
    const int32_t biWidth = static_cast<int32_t>(ReadLe32(pDib + 4));
    const int32_t biHeight = static_cast<int32_t>(ReadLe32(pDib + 8));
    const uint16_t biBitCount = static_cast<uint16_t>(pDib[14] | pDib[15] << 8);
    const uint32_t biCompression = ReadLe32(pDib + 16);
    const uint32_t biClrUsed = ReadLe32(pDib + 32);
    if (biSize < kHeaderSize || biSize > cb || biCompression != 0)
        return false;
    if (biBitCount != 8 && biBitCount != 24)
        return false;
    const uint64_t colors = biClrUsed != 0 ? biClrUsed : biBitCount == 8 ? 256 : 0;
    // 64-bit sums: a hostile biClrUsed must not wrap a 32-bit size_t.
    const uint64_t tableEnd = static_cast<uint64_t>(biSize) + colors * 4;
    const uint64_t cbRow = DibRowBytes(biWidth, biBitCount);
    const int64_t rows = biHeight > 0 ? static_cast<int64_t>(biHeight) : -static_cast<int64_t>(biHeight);
    if (cbRow == 0 || rows == 0 || tableEnd > cb)
        return false;
    if (cbRow * static_cast<uint64_t>(rows) > cb - tableEnd)
        return false;
    pSource->pColorTable = pDib + biSize;
    pSource->nColors = static_cast<uint32_t>(colors);
    pSource->pPixels = pDib + tableEnd;
    pSource->cbPixels = static_cast<size_t>(cbRow * static_cast<uint64_t>(rows));
    pSource->nWidth = biWidth;
    pSource->nHeight = biHeight;
    pSource->nBitCount = biBitCount;
    return true;
}
