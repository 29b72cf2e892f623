// Keyed copy and percentage blend over raw DIB pixels, with every rectangle checked
// against both buffers before a byte is touched.
#include "render/blend.h"

#include <cstring>

namespace {

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

// floor(v * p / 100) for v 0..255 and p 0..99 is (v * ceil(p * 65536 / 100)) >> 16: the
// multiplier lies less than 1/65536 above p / 100, so v * p / 100 gains under 255/65536,
// too little to reach the next integer from a fraction of at most 99/100.
uint16_t TermMultiplier(int32_t p)
{
    return static_cast<uint16_t>((p * 65536 + 99) / 100);
}

inline uint8_t Term(uint8_t v, uint16_t mul)
{
    return static_cast<uint8_t>((static_cast<uint32_t>(static_cast<uint16_t>(v)) * mul) >> 16);
}

// A row is worked through in segments: a scalar pass lays the segment out as 24-bit
// source terms (or a key mask), then a pass that the compiler vectorises mixes it with
// the destination 16 bytes at a time. The mixing passes stay out of line: inlined,
// the compiler no longer sees the multiply-high in them.
constexpr int32_t kSegment = 128;
constexpr int kBlock = 16;

// A source term is at most 255 * 99 / 100 = 252, so 255 can mark the bytes of a key pixel.
constexpr uint8_t kKeyMark = 0xFF;

// d = s + d * t / 100 wherever s is not the key mark.
__attribute__((noinline)) void MixTerms(uint8_t *__restrict d, const uint8_t *__restrict s, int n, uint16_t mulDest)
{
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        uint8_t *bd = d + i;
        const uint8_t *bs = s + i;
        for (int j = 0; j < kBlock; ++j)
            bd[j] = bs[j] == kKeyMark ? bd[j] : static_cast<uint8_t>(bs[j] + Term(bd[j], mulDest));
    }
    for (; i < n; ++i)
        if (s[i] != kKeyMark)
            d[i] = static_cast<uint8_t>(s[i] + Term(d[i], mulDest));
}

// d = s * (100 - t) / 100 + d * t / 100 over raw 24-bit source bytes, wherever key is 0.
__attribute__((noinline)) void MixRaw(uint8_t *__restrict d, const uint8_t *__restrict s,
                                      const uint8_t *__restrict key, int n, uint16_t mulSource, uint16_t mulDest)
{
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        uint8_t *bd = d + i;
        const uint8_t *bs = s + i, *bk = key + i;
        for (int j = 0; j < kBlock; ++j) {
            const uint8_t mixed = static_cast<uint8_t>(Term(bs[j], mulSource) + Term(bd[j], mulDest));
            bd[j] = static_cast<uint8_t>((mixed & ~bk[j]) | (bd[j] & bk[j]));
        }
    }
    for (; i < n; ++i)
        if (!key[i])
            d[i] = static_cast<uint8_t>(Term(s[i], mulSource) + Term(d[i], mulDest));
}

// d = s wherever key is 0: the keyed copy.
void CopyUnkeyed(uint8_t *__restrict d, const uint8_t *__restrict s, const uint8_t *__restrict key, int n)
{
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        uint8_t *bd = d + i;
        const uint8_t *bs = s + i, *bk = key + i;
        for (int j = 0; j < kBlock; ++j)
            bd[j] = static_cast<uint8_t>((bs[j] & ~bk[j]) | (bd[j] & bk[j]));
    }
    for (; i < n; ++i)
        if (!key[i])
            d[i] = s[i];
}

// True when the n bytes at a and b are equal.
bool SameBytes(const uint8_t *a, const uint8_t *b, int n)
{
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        const uint8_t *ba = a + i, *bb = b + i;
        uint8_t diff = 0;
        for (int j = 0; j < kBlock; ++j)
            diff |= ba[j] ^ bb[j];
        if (diff)
            return false;
    }
    for (; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// Per palette entry, once per call: at transparency 0 the colour and whether it is
// the key; above, its source term, or the key mark for the key. Indexes past the
// table read as black.
struct PaletteTerms {
    uint32_t source[256];
    uint32_t key[256];
};

void PreparePalette(const PixelSource &src, uint32_t key, int32_t nTransparency, PaletteTerms *pTerms)
{
    const uint32_t count = src.nColors < 256 ? src.nColors : 256;
    const uint16_t mul = TermMultiplier(100 - nTransparency);
    for (uint32_t i = 0; i < 256; ++i) {
        const uint8_t b = i < count ? src.pColorTable[4 * i] : 0;
        const uint8_t g = i < count ? src.pColorTable[4 * i + 1] : 0;
        const uint8_t r = i < count ? src.pColorTable[4 * i + 2] : 0;
        const uint32_t colour = b | g << 8 | static_cast<uint32_t>(r) << 16;
        const bool isKey = colour == key;
        pTerms->key[i] = isKey ? 0xFFFFFFFF : 0;
        if (nTransparency == 0)
            pTerms->source[i] = colour;
        else
            pTerms->source[i] = isKey ? 0xFFFFFFFF
                                      : Term(b, mul) | Term(g, mul) << 8 | static_cast<uint32_t>(Term(r, mul)) << 16;
    }
}

// Blends (or, at transparency 0, copies) every non-key pixel of the rectangle.
void MixRectangle(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint32_t key,
                  uint64_t cbSourceRow, int32_t nTransparency)
{
    const ptrdiff_t sourceStep = src.nHeight > 0 ? -static_cast<ptrdiff_t>(cbSourceRow)
                                                 : static_cast<ptrdiff_t>(cbSourceRow);
    const size_t firstRow = src.nHeight > 0 ? static_cast<size_t>(src.nHeight - rc.nSourceY - 1)
                                            : static_cast<size_t>(rc.nSourceY);
    const uint8_t *pSourceRow = src.pPixels + firstRow * cbSourceRow;
    uint8_t *pDestRow = dst.pPixels + static_cast<size_t>(rc.nDestY) * dst.nStride + static_cast<size_t>(rc.nDestX) * 3;
    const uint16_t mulSource = TermMultiplier(100 - nTransparency);
    const uint16_t mulDest = TermMultiplier(nTransparency);
    const bool eightBit = src.nBitCount == 8;
    PaletteTerms terms;
    // The key colour along a segment, to pass over wholly keyed 24-bit stretches at once.
    uint8_t keyRow[kSegment * 3];
    if (eightBit)
        PreparePalette(src, key, nTransparency, &terms);
    else
        for (int i = 0; i < kSegment * 3; ++i)
            keyRow[i] = static_cast<uint8_t>(key >> (8 * (i % 3)));

    // +1: each pixel is written as 4 bytes, the last one spilling over.
    uint8_t source[kSegment * 3 + 1];
    uint8_t mask[kSegment * 3 + 1];
    for (int32_t y = 0; y < rc.nHeight; ++y) {
        for (int32_t x0 = 0; x0 < rc.nWidth; x0 += kSegment) {
            const int32_t n = rc.nWidth - x0 < kSegment ? rc.nWidth - x0 : kSegment;
            uint8_t *d = pDestRow + static_cast<size_t>(x0) * 3;
            if (eightBit) {
                const uint8_t *s = pSourceRow + rc.nSourceX + x0;
                for (int32_t x = 0; x < n; ++x)
                    std::memcpy(source + 3 * x, &terms.source[s[x]], 4);
                if (nTransparency != 0) {
                    MixTerms(d, source, 3 * n, mulDest);
                    continue;
                }
                for (int32_t x = 0; x < n; ++x)
                    std::memcpy(mask + 3 * x, &terms.key[s[x]], 4);
                CopyUnkeyed(d, source, mask, 3 * n);
                continue;
            }
            const uint8_t *s = pSourceRow + (static_cast<size_t>(rc.nSourceX) + x0) * 3;
            if (SameBytes(s, keyRow, 3 * n))
                continue;
            for (int32_t x = 0; x < n; ++x) {
                const uint32_t colour = s[3 * x] | s[3 * x + 1] << 8 | static_cast<uint32_t>(s[3 * x + 2]) << 16;
                const uint32_t keyed = colour == key ? 0xFFFFFFFF : 0;
                std::memcpy(mask + 3 * x, &keyed, 4);
            }
            if (nTransparency == 0)
                CopyUnkeyed(d, s, mask, 3 * n);
            else
                MixRaw(d, s, mask, 3 * n, mulSource, mulDest);
        }
        // Never step the pointer past the last row: before the buffer is undefined.
        if (y + 1 < rc.nHeight)
            pSourceRow += sourceStep;
        pDestRow += dst.nStride;
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

bool BlendPixels(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint32_t key,
                 int32_t nTransparency)
{
    uint64_t cbRow;
    if (nTransparency < 0 || nTransparency > 100 || !RectFits(dst, rc, src, &cbRow))
        return false;
    // At 100 every channel is 0 + d * 100 / 100: the destination as it is.
    if (nTransparency < 100)
        MixRectangle(dst, rc, src, key, cbRow, nTransparency);
    return true;
}

bool ReadDibHeader(const uint8_t *pDib, size_t cbBlock, PixelSource *pSource, size_t *pcbHeader)
{
    constexpr size_t kHeaderSize = 40;
    if (!pDib || cbBlock < kHeaderSize)
        return false;
    const uint32_t biSize = ReadLe32(pDib);
    const int32_t biWidth = static_cast<int32_t>(ReadLe32(pDib + 4));
    const int32_t biHeight = static_cast<int32_t>(ReadLe32(pDib + 8));
    const uint16_t biBitCount = static_cast<uint16_t>(pDib[14] | pDib[15] << 8);
    const uint32_t biCompression = ReadLe32(pDib + 16);
    const uint32_t biClrUsed = ReadLe32(pDib + 32);
    if (biSize < kHeaderSize || biSize > cbBlock || biCompression != 0)
        return false;
    if (biBitCount != 8 && biBitCount != 24)
        return false;
    const uint64_t colors = biClrUsed != 0 ? biClrUsed : biBitCount == 8 ? 256 : 0;
    // 64-bit sums: a hostile biClrUsed or height must not wrap a 32-bit size_t.
    const uint64_t tableEnd = static_cast<uint64_t>(biSize) + colors * 4;
    const uint64_t cbRow = DibRowBytes(biWidth, biBitCount);
    const uint64_t rows = biHeight > 0 ? static_cast<uint64_t>(biHeight)
                                       : static_cast<uint64_t>(-static_cast<int64_t>(biHeight));
    if (cbRow == 0 || rows == 0 || tableEnd > cbBlock || cbRow * rows > SIZE_MAX)
        return false;
    pSource->pColorTable = pDib + biSize;
    pSource->nColors = static_cast<uint32_t>(colors);
    pSource->pPixels = nullptr;
    pSource->cbPixels = static_cast<size_t>(cbRow * rows);
    pSource->nWidth = biWidth;
    pSource->nHeight = biHeight;
    pSource->nBitCount = biBitCount;
    *pcbHeader = static_cast<size_t>(tableEnd);
    return true;
}

bool ParsePackedDib(const uint8_t *pDib, size_t cb, PixelSource *pSource)
{
    size_t cbHeader;
    if (!ReadDibHeader(pDib, cb, pSource, &cbHeader) || pSource->cbPixels > cb - cbHeader)
        return false;
    pSource->pPixels = pDib + cbHeader;
    return true;
}
