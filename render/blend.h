// Keyed copy and percentage blend of 8- or 24-bit DIB pixels onto a 24-bit top-down image.
#pragma once

#include <cstddef>
#include <cstdint>

// Key colours, compared as blue + 256 * green + 65536 * red.
constexpr uint32_t kCharacterKey = 0x000000;
constexpr uint32_t kOverlayKey = 0x808080;

// A source image as a DIB describes it. Rows are padded to 4 bytes; a positive
// height means the rows are stored bottom-up, zero or negative top-down.
struct PixelSource {
    const uint8_t *pPixels;
    size_t cbPixels;
    int32_t nWidth;
    int32_t nHeight;
    int32_t nBitCount;           // 8 (palette) or 24
    const uint8_t *pColorTable;  // RGBQUAD entries: blue, green, red, unused
    uint32_t nColors;            // entries in the table; an index past them reads as black
};

// A 24-bit image whose rows run top-down, nStride bytes apart.
struct PixelTarget {
    uint8_t *pPixels;
    size_t cbPixels;
    int32_t nWidth;
    int32_t nHeight;
    int32_t nStride;
};

struct BlitRect {
    int32_t nDestX;
    int32_t nDestY;
    int32_t nWidth;
    int32_t nHeight;
    int32_t nSourceX;
    int32_t nSourceY;
};

// Bytes in one stored row of a DIB of this width and depth (0 when it cannot be one).
uint64_t DibRowBytes(int64_t nWidth, int32_t nBitCount);

// Mixes each source pixel of the rectangle whose colour differs from the key with
// the destination by the transparency t, a percentage 0..100 (the share of the
// destination that shows through): every channel becomes s * (100 - t) / 100 +
// d * t / 100, each quotient truncated by itself; at 0 the pixel is copied as it
// is. Returns false, touching nothing, when t lies outside 0..100 (the settings
// are brought into range when they are loaded), when the rectangle does not lie
// wholly inside both images, or when an image is not one this code reads.
bool BlendPixels(const PixelTarget &dst, const BlitRect &rc, const PixelSource &src, uint32_t key,
                 int32_t nTransparency);

// Reads the header and colour table of a DIB from the cbBlock bytes at pDib: all
// of the source description but its pixels (pPixels stays null, cbPixels is what
// the rows need). *pcbHeader receives the bytes of header and table. False unless
// it is an uncompressed 8- or 24-bit DIB whose table lies inside the block.
bool ReadDibHeader(const uint8_t *pDib, size_t cbBlock, PixelSource *pSource, size_t *pcbHeader);

// Reads a packed DIB (header, colour table, rows) of cb bytes into a source
// description. False unless ReadDibHeader accepts it and its rows lie inside the block.
bool ParsePackedDib(const uint8_t *pDib, size_t cb, PixelSource *pSource);
