// The committed artwork keeps the layout the panel relies on: sizes, palettes, the black key,
// the eye patches and a calendar page light enough for its text.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "render/panel.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Fields = std::vector<uint32_t>;

uint32_t Le(const Bytes &v, size_t at, int n) { return n ? v.at(at) | Le(v, at + 1, n - 1) << 8 : 0; }

Bytes ReadRes(const std::string &name)
{
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("tests/host/")) + "res/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Palette index at (x, y) from the top-left as seen; rows are stored bottom-up, widths are multiples of 4.
int Index(const Bytes &b, int x, int y) { return b.at(Le(b, 10, 4) + (Le(b, 22, 4) - 1 - y) * Le(b, 18, 4) + x); }

TEST(ArtworkFiles, BottomUp8BitPicturesWithTheirPalettesAndA16ColourIcon)
{
    const struct { const char *name; uint32_t width, height, colours; } cases[] = {
        {"chara.bmp", 240, 160, 33}, {"back.bmp", 120, 160, 256}, {"calendar.bmp", 120, 160, 256}};
    for (const auto &c : cases) {
        const Bytes b = ReadRes(c.name);
        // Size, width, height (positive: bottom-up), depth and colours used; compression or a gap
        // before the bits would change the size.
        EXPECT_EQ((Fields{uint32_t(b.size()), Le(b, 18, 4), Le(b, 22, 4), Le(b, 28, 2), Le(b, 46, 4)}),
                  (Fields{54 + 4 * c.colours + c.width * c.height, c.width, c.height, 8, c.colours})) << c.name;
    }
    // One image of 32x32 in 16 colours: 22 + 40 + 64 + 512 + 128 bytes of directory, header,
    // palette, colour rows and mask.
    const Bytes ico = ReadRes("vespin.ico");
    EXPECT_EQ((Fields{uint32_t(ico.size()), Le(ico, 6, 3), Le(ico, 36, 2)}), (Fields{766, 0x102020, 4}));
}

// Key pixels the picture encloses would show the background through the character. The fill
// starts in the all-key margin right of the picture; stepping left off column 0 lands on column
// 239 of the row above, so the left edge counts as outside too. The open eye patch (top) is the
// picture's own eyes; the blinking ones change them but join without a seam and add no key pixel.
TEST(CharacterSheet, KeyIsEntry32TheSilhouetteHasNoHolesAndTheEyePatchesFitOverTheEyes)
{
    const Bytes sheet = ReadRes("chara.bmp");
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(Le(sheet, 54 + 4 * size_t(i), 3) == 0, i == 32) << "palette entry " << i;
    const auto isKey = [&](int i) { return Index(sheet, i % 240, i / 240) == 32; };
    std::vector<int> todo = {239}, outside(240 * 160);
    for (size_t n = 0; n < todo.size(); ++n)
        if (const int i = todo[n]; unsigned(i) < 240 * 160 && isKey(i) && !std::exchange(outside[i], 1))
            todo.insert(todo.end(), {i - 1, i + 1, i - 240, i + 240});
    for (int i = 0; i < 240 * 160; ++i)
        ASSERT_FALSE(i % 240 < 120 && !outside[i] && isKey(i)) << "hole at " << i % 240 << "," << i / 240;
    for (int top : kPatchTop) {
        int changed = 0;
        for (int i = 0; i < kPatchWidth * kPatchHeight; ++i) {
            const int x = i % kPatchWidth, y = i / kPatchWidth;
            const int patch = Index(sheet, kPatchLeft + x, top + y), eye = Index(sheet, kEyesLeft + x, kEyesTop + y);
            changed += patch != eye;
            const bool edge = x < 2 || y < 2 || x >= kPatchWidth - 2 || y >= kPatchHeight - 2;
            ASSERT_FALSE((patch != eye && edge) || (patch == 32) != (eye == 32))
                << "seam or key at " << x << "," << y << " of the patch at " << top;
        }
        EXPECT_TRUE(top == kPatchTop[0] ? changed == 0 : changed > 40) << "patch at " << top << " changes " << changed;
    }
}

TEST(CalendarPage, TextBandsAreLightEnoughForRedBlueAndBlack)
{
    const Bytes page = ReadRes("calendar.bmp");
    for (const auto &[top, height] : {std::pair(5, 13), {41, 22}, {67, 40}, {107, 13}, {141, 16}})
        for (int i = 0; i < 80 * height; ++i) {
            const uint32_t c = Le(page, 54 + 4 * size_t(Index(page, 20 + i % 80, top + i / 80)), 3);  // 0xRRGGBB
            ASSERT_TRUE((c & 0xFF) >= 200 && (c >> 8 & 0xFF) >= 200 && c >> 16 >= 200) << "dark in the band at " << top;
        }
}

}  // namespace
