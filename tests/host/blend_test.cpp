// Keyed copy and blend over raw DIB pixels: the arithmetic, the keys, both row orders, and bad rectangles.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "render/blend.h"

namespace {

struct Target {
    explicit Target(int32_t w, int32_t h, uint8_t fill = 0) : pixels(static_cast<size_t>(Stride(w)) * h, fill), w(w), h(h) {}
    static int32_t Stride(int32_t w) { return (w * 3 + 3) & ~3; }
    PixelTarget View() { return {pixels.data(), pixels.size(), w, h, Stride(w)}; }
    const uint8_t *At(int32_t x, int32_t y) const { return &pixels[static_cast<size_t>(y) * Stride(w) + x * 3]; }
    std::vector<uint8_t> pixels;
    int32_t w, h;
};

// A source image given as it is seen (top row first), stored in either order with padded rows.
struct Source {
    Source(int32_t w, int32_t h, int32_t bits, bool bottomUp) : w(w), h(h), bits(bits), bottomUp(bottomUp)
    {
        row = static_cast<size_t>(DibRowBytes(w, bits));
        pixels.assign(row * h, 0xEE);  // padding poison: a pixel read from it would show
    }
    uint8_t *Pixel(int32_t x, int32_t y)
    {
        const int32_t stored = bottomUp ? h - 1 - y : y;
        return &pixels[stored * row + static_cast<size_t>(x) * bits / 8];
    }
    PixelSource View() const
    {
        return {pixels.data(), pixels.size(), w, bottomUp ? h : -h, bits, palette.data(),
                static_cast<uint32_t>(palette.size() / 4)};
    }
    int32_t w, h, bits;
    bool bottomUp;
    size_t row;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> palette;
};

constexpr uint32_t kNoKey = 0xFFFFFFFF;  // never equal to a 24-bit colour

TEST(BlendArithmetic, EveryChannelPairAndTransparencyMatchesTruncatedTerms)
{
    // Source channels (s, 255 - s, s) against destination (d, d, 255 - d): all 65536 pairs per channel.
    Source src(256, 256, 24, false);
    for (int32_t y = 0; y < 256; ++y)
        for (int32_t x = 0; x < 256; ++x) {
            uint8_t *p = src.Pixel(x, y);
            p[0] = static_cast<uint8_t>(x), p[1] = static_cast<uint8_t>(255 - x), p[2] = static_cast<uint8_t>(x);
        }
    auto expected = [](int s, int d, int t) { return s * (100 - t) / 100 + d * t / 100; };
    for (int t = 0; t <= 100; ++t) {
        Target dst(256, 256);
        for (int32_t y = 0; y < 256; ++y)
            for (int32_t x = 0; x < 256; ++x) {
                uint8_t *p = &dst.pixels[static_cast<size_t>(y) * Target::Stride(256) + x * 3];
                p[0] = static_cast<uint8_t>(y), p[1] = static_cast<uint8_t>(y), p[2] = static_cast<uint8_t>(255 - y);
            }
        ASSERT_TRUE(BlendPixels(dst.View(), {0, 0, 256, 256, 0, 0}, src.View(), kNoKey, t));
        for (int s = 0; s < 256; ++s)
            for (int d = 0; d < 256; ++d) {
                const uint8_t *p = dst.At(s, d);
                ASSERT_EQ(p[0], expected(s, d, t)) << "s " << s << " d " << d << " t " << t;
                ASSERT_EQ(p[1], expected(255 - s, d, t)) << "s " << s << " d " << d << " t " << t;
                ASSERT_EQ(p[2], expected(s, 255 - d, t)) << "s " << s << " d " << d << " t " << t;
            }
    }
}

TEST(BlendArithmetic, WhiteOnWhiteAtFiftyIs254)
{
    Source src(1, 1, 24, true);
    std::memset(src.Pixel(0, 0), 255, 3);
    Target dst(1, 1, 255);
    ASSERT_TRUE(BlendPixels(dst.View(), {0, 0, 1, 1, 0, 0}, src.View(), kCharacterKey, 50));
    EXPECT_EQ(dst.At(0, 0)[0], 254);
    EXPECT_EQ(dst.At(0, 0)[1], 254);
    EXPECT_EQ(dst.At(0, 0)[2], 254);
}

TEST(BlendArithmetic, OutOfRangeTransparencyIsClamped)
{
    Source src(1, 1, 24, true);
    src.Pixel(0, 0)[0] = 200, src.Pixel(0, 0)[1] = 10, src.Pixel(0, 0)[2] = 30;
    struct Case {
        int32_t t;
        uint8_t blue;
    } cases[] = {{-1, 200}, {INT_MIN, 200}, {101, 50}, {INT_MAX, 50}};
    for (const Case &c : cases) {
        Target dst(1, 1, 50);
        ASSERT_TRUE(BlendPixels(dst.View(), {0, 0, 1, 1, 0, 0}, src.View(), kNoKey, c.t));
        EXPECT_EQ(dst.At(0, 0)[0], c.blue) << c.t;
    }
}

TEST(BlendKeys, KeyPixelsNeverChangeTheDestination)
{
    // 8-bit: palette entry 1 is pure black, the character's key; 24-bit: the overlay's grey.
    Source sheet(2, 1, 8, true);
    sheet.palette = {9, 9, 9, 0, 0, 0, 0, 0};
    sheet.Pixel(0, 0)[0] = 0, sheet.Pixel(1, 0)[0] = 1;
    Source layer(2, 1, 24, false);
    std::memset(layer.Pixel(0, 0), 7, 3);
    std::memset(layer.Pixel(1, 0), 128, 3);
    for (int t : {0, 1, 50, 99, 100, -5, 250}) {
        Target a(2, 1, 77), b(2, 1, 77);
        ASSERT_TRUE(BlendPixels(a.View(), {0, 0, 2, 1, 0, 0}, sheet.View(), kCharacterKey, t));
        ASSERT_TRUE(BlendPixels(b.View(), {0, 0, 2, 1, 0, 0}, layer.View(), kOverlayKey, t));
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(a.At(1, 0)[c], 77) << t;
            EXPECT_EQ(b.At(1, 0)[c], 77) << t;
        }
    }
}

TEST(BlendKeys, TransparencyZeroIsTheKeyedCopy)
{
    Source src(7, 5, 24, true);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x) {
            uint8_t *p = src.Pixel(x, y);
            p[0] = static_cast<uint8_t>(x * 30), p[1] = static_cast<uint8_t>(y * 40), p[2] = (x + y) % 3 ? 5 : 0;
            if (x == y)
                std::memset(p, 0, 3);  // key pixels on the diagonal
        }
    Target blended(9, 6, 33), copied(9, 6, 33);
    ASSERT_TRUE(BlendPixels(blended.View(), {1, 1, 7, 5, 0, 0}, src.View(), kCharacterKey, 0));
    ASSERT_TRUE(CopyPixelsKeyed(copied.View(), {1, 1, 7, 5, 0, 0}, src.View(), kCharacterKey));
    EXPECT_EQ(blended.pixels, copied.pixels);
    EXPECT_EQ(copied.At(2, 2)[0], 33);  // the diagonal key pixel at source (1, 1)
    EXPECT_EQ(copied.At(3, 1)[0], 60);  // source (2, 0)
}

// The picture seen is the same whichever way the rows are stored: source (x, y) has
// palette index 10 y + x (8 bits) or bytes (x, y, 1) (24 bits). Width 5 pads every row.
class SourceAddressing : public testing::TestWithParam<std::tuple<int32_t, bool>> {};

TEST_P(SourceAddressing, RectangleComesFromThePictureAsSeen)
{
    const auto [bits, bottomUp] = GetParam();
    Source src(5, 4, bits, bottomUp);
    for (int i = 0; i < 64; ++i)
        src.palette.insert(src.palette.end(), {static_cast<uint8_t>(i), static_cast<uint8_t>(100 + i), 1, 0});
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 5; ++x) {
            uint8_t *p = src.Pixel(x, y);
            if (bits == 8)
                p[0] = static_cast<uint8_t>(10 * y + x);
            else
                p[0] = static_cast<uint8_t>(10 * y + x), p[1] = static_cast<uint8_t>(100 + 10 * y + x), p[2] = 1;
        }
    Target dst(6, 4, 0);
    ASSERT_TRUE(CopyPixelsKeyed(dst.View(), {2, 1, 3, 2, 1, 2}, src.View(), kCharacterKey));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 6; ++x) {
            const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
            const int index = inside ? 10 * (y - 1 + 2) + (x - 2 + 1) : -1;
            const uint8_t *p = dst.At(x, y);
            EXPECT_EQ(p[0], inside ? index : 0) << x << "," << y;
            EXPECT_EQ(p[1], inside ? 100 + index : 0) << x << "," << y;
            EXPECT_EQ(p[2], inside ? 1 : 0) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(EightAndTwentyFourBits, SourceAddressing,
                         testing::Combine(testing::Values(8, 24), testing::Bool()));

TEST(SourceAddressing, IndexPastThePaletteReadsAsBlack)
{
    Source src(2, 1, 8, false);
    src.palette = {50, 60, 70, 0};
    src.Pixel(0, 0)[0] = 0, src.Pixel(1, 0)[0] = 200;
    Target dst(2, 1, 99);
    ASSERT_TRUE(CopyPixelsKeyed(dst.View(), {0, 0, 2, 1, 0, 0}, src.View(), kOverlayKey));
    EXPECT_EQ(dst.At(0, 0)[2], 70);
    EXPECT_EQ(dst.At(1, 0)[0], 0);
    EXPECT_EQ(dst.At(1, 0)[2], 0);
}

TEST(BadRectangles, DoNothingAndStayInsideTheBuffers)
{
    struct Case {
        const char *what;
        BlitRect rc;
        int32_t sourceBits = 24;
        size_t sourceShort = 0;  // bytes cut off the source buffer
        size_t destShort = 0;
    } cases[] = {
        {"zero width", {0, 0, 0, 2, 0, 0}},
        {"negative height", {0, 0, 2, -1, 0, 0}},
        {"negative destination x", {-1, 0, 2, 2, 0, 0}},
        {"negative source y", {0, 0, 2, 2, 0, -1}},
        {"past the destination's right", {3, 0, 2, 2, 0, 0}},
        {"past the destination's bottom", {0, 3, 2, 2, 0, 0}},
        {"past the source's right", {0, 0, 2, 2, 3, 0}},
        {"past the source's bottom", {0, 0, 2, 2, 0, 3}},
        {"overflowing sums", {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX}},
        {"overflowing width", {1, 0, INT_MAX, 1, 0, 0}},
        {"four-bit source", {0, 0, 1, 1, 0, 0}, 4},
        {"32-bit source", {0, 0, 1, 1, 0, 0}, 32},
        {"source buffer short of its rows", {0, 0, 4, 4, 0, 0}, 24, 1},
        {"destination buffer short of its rows", {0, 0, 4, 4, 0, 0}, 24, 0, 1},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> srcPixels(static_cast<size_t>(DibRowBytes(4, 24)) * 4 - c.sourceShort, 0x11);
        std::vector<uint8_t> dstPixels(static_cast<size_t>(Target::Stride(4)) * 4 - c.destShort, 0x22);
        const PixelSource src = {srcPixels.data(), srcPixels.size(), 4, 4, c.sourceBits, nullptr, 0};
        const PixelTarget dst = {dstPixels.data(), dstPixels.size(), 4, 4, Target::Stride(4)};
        EXPECT_FALSE(BlendPixels(dst, c.rc, src, kNoKey, 40)) << c.what;
        EXPECT_FALSE(CopyPixelsKeyed(dst, c.rc, src, kNoKey)) << c.what;
        EXPECT_EQ(dstPixels, std::vector<uint8_t>(dstPixels.size(), 0x22)) << c.what;
    }
}

TEST(BadRectangles, ExactFitAtTheFarCornerIsDrawn)
{
    // Bottom-up source: the rectangle's top row is the last one stored, the buffer's end.
    Source src(3, 3, 24, true);
    std::memset(src.Pixel(2, 0), 200, 3);
    src.pixels.resize(src.row * 2 + 9);  // cut the padding after the last pixel
    Target dst(3, 3, 0);
    dst.pixels.resize(static_cast<size_t>(Target::Stride(3)) * 2 + 9);
    ASSERT_TRUE(CopyPixelsKeyed(dst.View(), {2, 2, 1, 1, 2, 0}, src.View(), kNoKey));
    EXPECT_EQ(dst.At(2, 2)[0], 200);
}

std::vector<uint8_t> PackedDib(int32_t w, int32_t h, uint16_t bits, uint32_t clrUsed, uint32_t compression = 0)
{
    std::vector<uint8_t> dib(40, 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&dib[at], &v, 4); };
    put32(0, 40), put32(4, static_cast<uint32_t>(w)), put32(8, static_cast<uint32_t>(h));
    dib[12] = 1, dib[14] = static_cast<uint8_t>(bits), put32(16, compression), put32(32, clrUsed);
    const uint64_t colors = clrUsed ? clrUsed : bits == 8 ? 256 : 0;
    if (colors < 1024)
        dib.resize(dib.size() + colors * 4 + DibRowBytes(w, bits) * static_cast<uint64_t>(h < 0 ? -h : h), 0);
    return dib;
}

TEST(PackedDib, SheetHeaderGivesTableAndRows)
{
    std::vector<uint8_t> dib = PackedDib(240, 160, 8, 33);
    PixelSource src;
    ASSERT_TRUE(ParsePackedDib(dib.data(), dib.size(), &src));
    EXPECT_EQ(src.nColors, 33u);
    EXPECT_EQ(src.pColorTable - dib.data(), 40);
    EXPECT_EQ(src.pPixels - dib.data(), 40 + 33 * 4);
    EXPECT_EQ(src.cbPixels, 240u * 160u);
    EXPECT_EQ(src.nHeight, 160);
}

TEST(PackedDib, RefusesWhatDoesNotFitOrIsNotReadable)
{
    std::vector<uint8_t> truncated = PackedDib(240, 160, 8, 33);
    truncated.pop_back();
    std::vector<uint8_t> hugeTable = PackedDib(4, 4, 8, 0xFFFFFFFF);
    std::vector<uint8_t> noRows = PackedDib(4, 0, 8, 2);
    std::vector<uint8_t> compressed = PackedDib(4, 4, 8, 2, 1);
    std::vector<uint8_t> fourBits = PackedDib(8, 4, 4, 2);
    std::vector<uint8_t> bigHeader = PackedDib(4, 4, 24, 0);
    bigHeader[0] = 0xFF;
    PixelSource src;
    for (const std::vector<uint8_t> *dib : {&truncated, &hugeTable, &noRows, &compressed, &fourBits, &bigHeader})
        EXPECT_FALSE(ParsePackedDib(dib->data(), dib->size(), &src));
    EXPECT_FALSE(ParsePackedDib(truncated.data(), 39, &src));
}

}  // namespace
