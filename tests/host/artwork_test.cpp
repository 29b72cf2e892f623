// The committed artwork keeps the layout the panel relies on: sizes, palettes, the black key,
// the eye patches and a calendar page light enough for its text.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Le(const Bytes &v, size_t at, int n)
{
    uint32_t x = 0;
    while (n--)
        x = x << 8 | v.at(at + size_t(n));
    return x;
}

Bytes ReadRes(const char *name)
{
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("tests/host/")) + "res/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every listed (offset, bytes, value) of the file holds.
void ExpectFields(const Bytes &file, std::initializer_list<std::array<uint32_t, 3>> fields)
{
    for (const auto &[at, n, value] : fields)
        EXPECT_EQ(Le(file, at, int(n)), value) << "offset " << at;
}

// Palette index at (x, y) from the top-left as seen; 8-bit rows are stored bottom-up.
int Index(const Bytes &bmp, int x, int y)
{
    const int w = int(Le(bmp, 18, 4)), h = int(Le(bmp, 22, 4));
    return bmp.at(Le(bmp, 10, 4) + size_t((h - 1 - y) * ((w + 3) & ~3) + x));
}
// Palette entry as 0xRRGGBB.
uint32_t Colour(const Bytes &bmp, int i) { return Le(bmp, 54 + 4 * size_t(i), 3); }

const int kKey = 32, kPatchX = 128, kPatchW = 96, kPatchH = 30, kEyeX = 8, kEyeY = 47;
const int kPatchY[3] = {17, 47, 77};

TEST(ArtworkFiles, BottomUp8BitPicturesWithTheirPalettesAndTheIcon)
{
    const struct { const char *name; uint32_t width, height, colours; } cases[] = {
        {"chara.bmp", 240, 160, 33}, {"back.bmp", 120, 160, 256}, {"calendar.bmp", 120, 160, 256}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bmp = ReadRes(c.name);
        const uint32_t offBits = 54 + 4 * c.colours;
        ASSERT_EQ(bmp.size(), offBits + ((c.width + 3) & ~3u) * c.height);
        // A positive height is bottom-up; compression 0 is BI_RGB.
        ExpectFields(bmp, {{0, 2, 0x4D42}, {10, 4, offBits}, {14, 4, 40}, {18, 4, c.width}, {22, 4, c.height},
                           {28, 2, 8}, {30, 4, 0}, {46, 4, c.colours}});
    }
    // One 32x32 image of 16 colours, its colour rows and mask stacked.
    const Bytes ico = ReadRes("vespin.ico");
    ASSERT_EQ(ico.size(), 22u + 40 + 64 + 512 + 128);
    ExpectFields(ico, {{0, 4, 0x10000}, {4, 2, 1}, {6, 3, 0x102020}, {12, 2, 4}, {14, 4, 744}, {18, 4, 22},
                       {30, 4, 64}, {36, 2, 4}});
}

// Outside the picture and the patches all is key; key pixels the picture encloses would show
// the background through the character. The fill starts on the top row; stepping left off
// column 0 lands on column 239 of the row above, so the left edge counts as outside too.
TEST(CharacterSheet, KeyIsEntry32AndSurroundsAPictureWithoutHoles)
{
    const Bytes sheet = ReadRes("chara.bmp");
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(Colour(sheet, i) == 0, i == kKey) << "entry " << i;
    const int kSize = 240 * 160;
    std::vector<bool> outside(kSize);
    std::vector<int> todo(240);
    std::iota(todo.begin(), todo.end(), 0);
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        if (i < 0 || i >= kSize || outside[size_t(i)] || Index(sheet, i % 240, i / 240) != kKey)
            continue;
        outside[size_t(i)] = true;
        todo.insert(todo.end(), {i - 1, i + 1, i - 240, i + 240});
    }
    int stray = 0, holes = 0, body = 0;
    for (int i = 0; i < kSize; ++i) {
        const int x = i % 240, y = i / 240, index = Index(sheet, x, y);
        if (x < 120 && y < 152) {
            holes += index == kKey && !outside[size_t(i)];
            body += index != kKey;
        } else if (x < kPatchX || x >= kPatchX + kPatchW || y < 17 || y >= 77 + kPatchH) {
            stray += index != kKey;
        }
    }
    EXPECT_EQ(stray, 0);
    EXPECT_EQ(holes, 0);
    EXPECT_GT(body, 120 * 152 / 3);
}

// The open patch is the picture's own eyes; the blinking ones change the eyes but join them
// without a seam, and hold no key pixel the eyes lack (it would punch a hole in the face).
TEST(CharacterSheet, EyePatchesFitThePictureAt8And47)
{
    const Bytes sheet = ReadRes("chara.bmp");
    for (int p = 0; p < 3; ++p) {
        int changed = 0, seamOrKey = 0;
        for (int y = 0; y < kPatchH; ++y)
            for (int x = 0; x < kPatchW; ++x) {
                const int patch = Index(sheet, kPatchX + x, kPatchY[p] + y), eye = Index(sheet, kEyeX + x, kEyeY + y);
                const bool edge = x < 2 || y < 2 || x >= kPatchW - 2 || y >= kPatchH - 2;
                changed += patch != eye;
                seamOrKey += (patch != eye && edge) || (patch == kKey) != (eye == kKey);
            }
        EXPECT_EQ(seamOrKey, 0) << "patch " << p;
        EXPECT_TRUE(p == 0 ? changed == 0 : changed > 40) << "patch " << p << " changes " << changed;
    }
}

TEST(CalendarPage, TextBandsAreLightEnoughForRedBlueAndBlack)
{
    const Bytes page = ReadRes("calendar.bmp");
    const int bands[][2] = {{5, 13}, {41, 22}, {67, 40}, {107, 13}, {141, 16}};  // top, height
    for (const auto &[top, height] : bands) {
        int dark = 0;
        for (int y = top; y < top + height; ++y)
            for (int x = 20; x < 100; ++x) {
                const uint32_t c = Colour(page, Index(page, x, y));
                dark += (c & 0xFF) < 200 || (c >> 8 & 0xFF) < 200 || (c >> 16) < 200;
            }
        EXPECT_EQ(dark, 0) << "band at " << top;
    }
}

}  // namespace
