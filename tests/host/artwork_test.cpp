// The committed artwork keeps the layout the panel relies on: sizes, palettes, the black key,
// the eye patches and a calendar page light enough for its text.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

uint32_t Le(const std::vector<uint8_t> &v, size_t at, int bytes)
{
    uint32_t x = 0;
    for (int i = bytes - 1; i >= 0; --i)
        x = x << 8 | v.at(at + size_t(i));
    return x;
}

std::vector<uint8_t> ReadRes(const char *name)
{
    std::string here = __FILE__;
    std::string path = here.substr(0, here.rfind("tests/host/")) + "res/" + name;
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Rgb {
    int r, g, b;
};

// An 8-bit BMP as the resource compiler embeds it (the 14-byte file header in front).
struct Bmp8 {
    std::vector<uint8_t> file;
    int width() const { return int(Le(file, 18, 4)); }
    int height() const { return int(Le(file, 22, 4)); }
    int bits() const { return int(Le(file, 28, 2)); }
    int colours() const { return Le(file, 46, 4) ? int(Le(file, 46, 4)) : 1 << bits(); }
    Rgb Entry(int i) const
    {
        size_t at = 54 + 4 * size_t(i);
        return {file.at(at + 2), file.at(at + 1), file.at(at)};
    }
    // (x, y) counted from the top-left of the picture as seen; rows are stored bottom-up.
    int Index(int x, int y) const
    {
        size_t stride = (size_t(width()) + 3) & ~size_t(3);
        return file.at(Le(file, 10, 4) + size_t(height() - 1 - y) * stride + size_t(x));
    }
    Rgb Pixel(int x, int y) const { return Entry(Index(x, y)); }
};

Bmp8 Load(const char *name) { return {ReadRes(name)}; }

const int kKey = 32;
const int kPatchX = 128, kPatchW = 96, kPatchH = 30, kEyeX = 8, kEyeY = 47;
const int kPatchY[3] = {17, 47, 77};

bool InPicture(int x, int y) { return x < 120 && y < 152; }

bool InPatch(int x, int y)
{
    for (int top : kPatchY)
        if (x >= kPatchX && x < kPatchX + kPatchW && y >= top && y < top + kPatchH)
            return true;
    return false;
}

TEST(ArtworkFiles, SizesDepthsPalettesAndBottomUpRows)
{
    struct Case {
        const char *name;
        int width, height, colours;
    } cases[] = {{"chara.bmp", 240, 160, 33}, {"back.bmp", 120, 160, 256}, {"calendar.bmp", 120, 160, 256}};
    for (const Case &c : cases) {
        Bmp8 bmp = Load(c.name);
        ASSERT_GE(bmp.file.size(), 54u) << c.name;
        EXPECT_EQ(bmp.file[0], 'B') << c.name;
        EXPECT_EQ(bmp.file[1], 'M') << c.name;
        EXPECT_EQ(Le(bmp.file, 14, 4), 40u) << c.name;
        EXPECT_EQ(bmp.width(), c.width) << c.name;
        EXPECT_EQ(bmp.height(), c.height) << c.name;  // positive: bottom-up
        EXPECT_EQ(bmp.bits(), 8) << c.name;
        EXPECT_EQ(Le(bmp.file, 30, 4), 0u) << c.name;  // BI_RGB, no compression
        EXPECT_EQ(bmp.colours(), c.colours) << c.name;
        uint32_t offBits = 54 + 4 * uint32_t(c.colours);
        EXPECT_EQ(Le(bmp.file, 10, 4), offBits) << c.name;
        EXPECT_EQ(bmp.file.size(), offBits + size_t((c.width + 3) & ~3) * size_t(c.height)) << c.name;
    }
}

TEST(CharacterSheet, OnlyTheLastEntryIsPureBlack)
{
    Bmp8 sheet = Load("chara.bmp");
    ASSERT_EQ(sheet.colours(), 33);
    for (int i = 0; i < 33; ++i) {
        Rgb c = sheet.Entry(i);
        EXPECT_EQ(c.r == 0 && c.g == 0 && c.b == 0, i == kKey) << "entry " << i;
    }
}

TEST(CharacterSheet, KeyFillsEverythingOutsideThePictureAndThePatches)
{
    Bmp8 sheet = Load("chara.bmp");
    ASSERT_EQ(sheet.file.size(), 186u + 240 * 160);
    int stray = 0;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 240; ++x)
            if (!InPicture(x, y) && !InPatch(x, y) && sheet.Index(x, y) != kKey)
                ++stray;
    EXPECT_EQ(stray, 0);
    // The patches are solid: a key pixel in one would punch a hole in the face mid-blink.
    for (int p = 0; p < 3; ++p)
        for (int y = 0; y < kPatchH; ++y)
            for (int x = 0; x < kPatchW; ++x)
                EXPECT_EQ(sheet.Index(kPatchX + x, kPatchY[p] + y) == kKey,
                          sheet.Index(kEyeX + x, kEyeY + y) == kKey)
                    << "patch " << p << " at " << x << "," << y;
}

// Key pixels the picture encloses would show the background through the character.
TEST(CharacterSheet, SilhouetteHasNoHoles)
{
    Bmp8 sheet = Load("chara.bmp");
    ASSERT_EQ(sheet.file.size(), 186u + 240 * 160);
    std::vector<bool> outside(120 * 152, false);
    std::vector<std::pair<int, int>> todo;
    for (int y = 0; y < 152; ++y)
        for (int x = 0; x < 120; ++x)
            if ((x == 0 || y == 0 || x == 119 || y == 151) && sheet.Index(x, y) == kKey)
                todo.push_back({x, y});
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= 120 || y >= 152 || outside[size_t(y * 120 + x)] || sheet.Index(x, y) != kKey)
            continue;
        outside[size_t(y * 120 + x)] = true;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    int holes = 0, body = 0;
    for (int y = 0; y < 152; ++y)
        for (int x = 0; x < 120; ++x) {
            holes += sheet.Index(x, y) == kKey && !outside[size_t(y * 120 + x)];
            body += sheet.Index(x, y) != kKey;
        }
    EXPECT_EQ(holes, 0);
    EXPECT_GT(body, 120 * 152 / 3);  // there is a character at all
}

TEST(CharacterSheet, OpenPatchIsThePicturesOwnEyes)
{
    Bmp8 sheet = Load("chara.bmp");
    ASSERT_EQ(sheet.file.size(), 186u + 240 * 160);
    int differ = 0;
    for (int y = 0; y < kPatchH; ++y)
        for (int x = 0; x < kPatchW; ++x)
            differ += sheet.Index(kPatchX + x, kPatchY[0] + y) != sheet.Index(kEyeX + x, kEyeY + y);
    EXPECT_EQ(differ, 0);
}

// The closed and half-closed patches join the picture without a seam and really change the eyes.
TEST(CharacterSheet, BlinkPatchesMatchThePictureAtTheirEdges)
{
    Bmp8 sheet = Load("chara.bmp");
    ASSERT_EQ(sheet.file.size(), 186u + 240 * 160);
    for (int p : {1, 2}) {
        int seam = 0, changed = 0;
        for (int y = 0; y < kPatchH; ++y)
            for (int x = 0; x < kPatchW; ++x) {
                bool same = sheet.Index(kPatchX + x, kPatchY[p] + y) == sheet.Index(kEyeX + x, kEyeY + y);
                bool edge = x < 2 || y < 2 || x >= kPatchW - 2 || y >= kPatchH - 2;
                seam += edge && !same;
                changed += !same;
            }
        EXPECT_EQ(seam, 0) << "patch " << p;
        EXPECT_GT(changed, 40) << "patch " << p;
    }
}

TEST(CalendarPage, TextBandsAreLightEnoughForRedBlueAndBlack)
{
    struct Band {
        const char *field;
        int top, height;
    } bands[] = {{"year", 5, 13}, {"month", 41, 22}, {"day", 67, 40}, {"weekday", 107, 13}, {"time", 141, 16}};
    Bmp8 page = Load("calendar.bmp");
    ASSERT_EQ(page.file.size(), 1078u + 120 * 160);
    for (const Band &b : bands) {
        int dark = 0;
        for (int y = b.top; y < b.top + b.height; ++y)
            for (int x = 20; x < 100; ++x) {
                Rgb c = page.Pixel(x, y);
                dark += c.r < 200 || c.g < 200 || c.b < 200;
            }
        EXPECT_EQ(dark, 0) << b.field;
    }
}

TEST(TrayIcon, One32x32ImageOf16ColoursWithMask)
{
    std::vector<uint8_t> ico = ReadRes("vespin.ico");
    ASSERT_EQ(ico.size(), 22u + 40 + 64 + 512 + 128);
    EXPECT_EQ(Le(ico, 0, 2), 0u);
    EXPECT_EQ(Le(ico, 2, 2), 1u);  // an icon
    EXPECT_EQ(Le(ico, 4, 2), 1u);  // one image
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    EXPECT_EQ(ico[8], 16);
    EXPECT_EQ(Le(ico, 12, 2), 4u);
    EXPECT_EQ(Le(ico, 14, 4), 744u);
    EXPECT_EQ(Le(ico, 18, 4), 22u);
    EXPECT_EQ(Le(ico, 22 + 8, 4), 64u);  // colour image and mask stacked
    EXPECT_EQ(Le(ico, 22 + 14, 2), 4u);
}

}  // namespace
