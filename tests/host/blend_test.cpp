// Keyed copy and blend over raw DIB pixels: the arithmetic, the keys, both row orders, and bad rectangles.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "render/blend.h"

namespace {

// An image given as it is seen (top row first), stored in either row order with padded rows.
struct Image {
    Image(int32_t w, int32_t h, int32_t bits = 24, bool bottomUp = false, uint8_t fill = 0)
        : w(w), h(h), bits(bits), bottomUp(bottomUp), row(size_t((w * bits / 8 + 3) & ~3)), pixels(row * h, fill) {}
    uint8_t *At(int32_t x, int32_t y) { return &pixels[(bottomUp ? h - 1 - y : y) * row + size_t(x) * bits / 8]; }
    // Colours as blue + 256 green + 65536 red; an 8-bit pixel takes the low byte.
    uint32_t Bgr(int32_t x, int32_t y) { return At(x, y)[0] | At(x, y)[1] << 8 | At(x, y)[2] << 16; }
    void Put(int32_t x, int32_t y, uint32_t bgr) { std::memcpy(At(x, y), &bgr, bits / 8); }
    PixelSource Source() const
    {
        return {pixels.data(), pixels.size(), w, bottomUp ? h : -h, bits, palette.data(), uint32_t(palette.size() / 4)};
    }
    PixelTarget Target() { return {pixels.data(), pixels.size(), w, h, int32_t(row)}; }
    int32_t w, h, bits, bottomUp;
    size_t row;
    std::vector<uint8_t> pixels, palette;
};

constexpr uint32_t kNoKey = 0xFFFFFFFF;  // never equal to a 24-bit colour

TEST(Blend, EveryChannelPairAtEveryTransparencyTruncatesEachTerm)
{
    auto mix = [](int s, int d, int t) { return uint32_t(s * (100 - t) / 100 + d * t / 100); };
    Image src(256, 1), dst(256, 1);
    for (int s = 0; s < 256; ++s)  // every channel its own values, so a swap shows
        src.Put(s, 0, s | (255 - s) << 8 | (s ^ 0x55) << 16);
    for (int t = 0; t <= 100; ++t)
        for (int d = 0; d < 256; ++d) {
            for (int x = 0; x < 256; ++x)
                dst.Put(x, 0, d | (d ^ 0x55) << 8 | (255 - d) << 16);
            ASSERT_TRUE(BlendPixels(dst.Target(), {0, 0, 256, 1, 0, 0}, src.Source(), kNoKey, t));
            for (int s = 0; s < 256; ++s) {
                const uint32_t want = mix(s, d, t) | mix(255 - s, d ^ 0x55, t) << 8 | mix(s ^ 0x55, 255 - d, t) << 16;
                ASSERT_EQ(dst.Bgr(s, 0), want) << s << " " << d << " " << t;
            }
        }
}

TEST(Blend, PaletteSourcesMixByTheSameFormulaAtEveryTransparency)
{
    // Index i is the colour (i, 255 - i, i ^ 0x55); no entry is the key.
    auto mix = [](int s, int d, int t) { return uint32_t(s * (100 - t) / 100 + d * t / 100); };
    Image src(256, 1, 8, true), dst(256, 1);
    for (int i = 0; i < 256; ++i) {
        src.Put(i, 0, uint32_t(i));
        src.palette.insert(src.palette.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i ^ 0x55), 0});
    }
    for (int t = 1; t < 100; ++t)
        for (int d : {0, 1, 99, 128, 254, 255}) {
            for (int x = 0; x < 256; ++x)
                dst.Put(x, 0, uint32_t(d * 0x010101));
            ASSERT_TRUE(BlendPixels(dst.Target(), {0, 0, 256, 1, 0, 0}, src.Source(), kNoKey, t));
            for (int i = 0; i < 256; ++i)
                ASSERT_EQ(dst.Bgr(i, 0), mix(i, d, t) | mix(255 - i, d, t) << 8 | mix(i ^ 0x55, d, t) << 16)
                    << i << " " << d << " " << t;
        }
}

TEST(Blend, KeyPixelsNeverChangeTheDestinationZeroCopiesAndOutOfRangeDrawsNothing)
{
    // 8-bit: palette entry 1 is pure black, the character's key; 24-bit: the overlay's grey.
    Image sheet(3, 2, 8, true), layer(3, 2);
    sheet.palette = {9, 8, 7, 0, 0, 0, 0, 0};
    sheet.Put(1, 0, 1), layer.Put(1, 0, kOverlayKey);
    for (int t : {INT_MIN, -5, 0, 1, 50, 100, 101, INT_MAX}) {
        const bool inRange = t >= 0 && t <= 100;
        Image a(3, 2, 24, false, 77), b(3, 2, 24, false, 77);
        EXPECT_EQ(BlendPixels(a.Target(), {0, 0, 3, 2, 0, 0}, sheet.Source(), kCharacterKey, t), inRange);
        EXPECT_EQ(BlendPixels(b.Target(), {0, 0, 3, 2, 0, 0}, layer.Source(), kOverlayKey, t), inRange);
        for (Image *image : {&a, &b})
            EXPECT_EQ(image->Bgr(1, 0), 0x4D4D4Du) << t;
        EXPECT_EQ(a.Bgr(0, 0), t == 0 ? 0x070809u : t >= 100 || !inRange ? 0x4D4D4Du : a.Bgr(0, 0)) << t;
    }
}

// Source pixel i (x = i % 5, y = i / 5 as seen) is palette index i (8 bits; past the 16 colours
// reads black) or bytes (i, 100 + i, 1) (24 bits). Width 5 pads every row; the padding is poison.
class SourceAddressing : public testing::TestWithParam<std::tuple<int32_t, bool>> {};

TEST_P(SourceAddressing, RectangleComesFromThePictureAsSeen)
{
    const auto [bits, bottomUp] = GetParam();
    Image src(5, 4, bits, bottomUp, 0xEE), dst(6, 4, 24, false, 0x55);
    for (int i = 0; i < 20; ++i) {
        src.Put(i % 5, i / 5, i | (100 + i) << 8 | 1 << 16);
        if (i < 16)
            src.palette.insert(src.palette.end(), {uint8_t(i), uint8_t(100 + i), 1, 0});
    }
    ASSERT_TRUE(BlendPixels(dst.Target(), {2, 1, 3, 2, 1, 2}, src.Source(), kOverlayKey, 0));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 6; ++x) {
            const int i = x >= 2 && x < 5 && y >= 1 && y < 3 ? 5 * (y + 1) + x - 1 : -1;
            const uint32_t want = i < 0 ? 0x555555 : bits == 8 && i >= 16 ? 0 : i | (100 + i) << 8 | 1 << 16;
            EXPECT_EQ(dst.Bgr(x, y), want) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(EightAndTwentyFourBits, SourceAddressing,
                         testing::Combine(testing::Values(8, 24), testing::Bool()));

TEST(BadRectangles, DoNothingAndStayInsideTheBuffers)
{
    // Bytes cut off the end of each buffer.
    struct Case { BlitRect rc; int32_t sourceBits = 24; size_t sourceShort = 0, destShort = 0; } cases[] = {
        {{0, 0, 0, 2, 0, 0}}, {{0, 0, 2, -1, 0, 0}}, {{-1, 0, 2, 2, 0, 0}}, {{0, 0, 2, 2, 0, -1}}, {{3, 0, 2, 2, 0, 0}},
        {{0, 3, 2, 2, 0, 0}}, {{0, 0, 2, 2, 3, 0}}, {{0, 0, 2, 2, 0, 3}}, {{1, 0, INT_MAX, 1, 0, 0}},
        {{INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX}}, {{0, 0, 1, 1, 0, 0}, 4}, {{0, 0, 1, 1, 0, 0}, 32},
        {{0, 0, 4, 4, 0, 0}, 24, 1}, {{0, 0, 4, 4, 0, 0}, 24, 0, 1},
    };
    for (const Case &c : cases) {
        Image src(4, 4, c.sourceBits, false, 0x11), dst(4, 4, 24, false, 0x22);
        src.pixels.resize(src.pixels.size() - c.sourceShort), dst.pixels.resize(dst.pixels.size() - c.destShort);
        EXPECT_FALSE(BlendPixels(dst.Target(), c.rc, src.Source(), kNoKey, 40)) << &c - cases;
        EXPECT_FALSE(BlendPixels(dst.Target(), c.rc, src.Source(), kNoKey, 0)) << &c - cases;
        EXPECT_EQ(dst.pixels, std::vector<uint8_t>(dst.pixels.size(), 0x22)) << &c - cases;
    }
}

TEST(PackedDib, ReadsOnlyUncompressedDibsThatFitTheBlock)
{
    auto dib = [](int32_t h, uint16_t bits, uint32_t clrUsed, uint32_t compression = 0) {
        std::vector<uint8_t> d(40 + (clrUsed < 256 ? clrUsed * 4 : 0) + DibRowBytes(240, bits) * h);
        const uint32_t fields[9] = {40, 240, uint32_t(h), 1u | bits << 16, compression, 0, 0, 0, clrUsed};
        std::memcpy(d.data(), fields, sizeof(fields));
        return d;
    };
    PixelSource src;
    std::vector<uint8_t> sheet = dib(160, 8, 33);
    ASSERT_TRUE(ParsePackedDib(sheet.data(), sheet.size(), &src));
    EXPECT_EQ(src.pPixels - sheet.data(), 40 + 33 * 4);
    for (const std::vector<uint8_t> &bad : {dib(4, 8, 0xFFFFFFFF), dib(0, 8, 2), dib(4, 8, 2, 1), dib(4, 4, 2)})
        EXPECT_FALSE(ParsePackedDib(bad.data(), bad.size(), &src));
    EXPECT_FALSE(ParsePackedDib(sheet.data(), sheet.size() - 1, &src));
}

}  // namespace
