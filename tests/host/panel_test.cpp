// The blink patch table and the patches copied inside the sheet.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "render/sheet.h"

namespace {

TEST(BlinkPatch, StepsShowOpenHalfClosedHalfOpenOnlyForTheThirdCharacter)
{
    const int order[5] = {0, 2, 1, 2, 0};
    for (int chara = -1; chara <= 5; ++chara)
        for (int step = -1; step <= 5; ++step)
            EXPECT_EQ(BlinkPatchFor(step, chara), chara == 2 && step >= 0 && step < 5 ? order[step] : -1)
                << chara << "," << step;
}

// What a sheet pixel (x, y) as seen holds, so that every moved pixel shows where it came from.
uint8_t Picture(int32_t x, int32_t y) { return static_cast<uint8_t>((x + 3 * y) % 251); }

// A 240-wide 8-bit sheet of 33 colours, stored bottom-up.
std::vector<uint8_t> Sheet(int32_t height = 160)
{
    std::vector<uint8_t> dib(40 + 33 * 4 + 240 * static_cast<size_t>(height), 0);
    const int32_t header[9] = {40, 240, height, 1 | 8 << 16, 0, 0, 0, 0, 33};
    std::memcpy(dib.data(), header, sizeof(header));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < 240; ++x)
            dib[40 + 33 * 4 + (height - 1 - y) * 240 + x] = Picture(x, y);
    return dib;
}

TEST(BlinkPatch, PatchReplacesTheEyesAndNothingElse)
{
    // Patch n is the 96x30 block at (128, 17 + 30 n); the eyes are at (8, 47).
    for (int patch = 0; patch < 3; ++patch) {
        std::vector<uint8_t> sheet = Sheet();
        ASSERT_TRUE(ApplyBlinkPatch(sheet.data(), sheet.size(), patch));
        for (int32_t y = 0; y < 160; ++y)
            for (int32_t x = 0; x < 240; ++x) {
                const bool eyes = x >= 8 && x < 104 && y >= 47 && y < 77;
                ASSERT_EQ(sheet[40 + 33 * 4 + (159 - y) * 240 + x],
                          eyes ? Picture(x + 120, y - 30 + 30 * patch) : Picture(x, y))
                    << patch << ": " << x << "," << y;
            }
    }
}

TEST(BlinkPatch, RefusedForUnknownPatchOrShortSheetAndChangesNothing)
{
    const std::vector<uint8_t> untouched = Sheet(), shortSheet = Sheet(106);  // one row short of patch 2
    struct Case { const std::vector<uint8_t> &dib; size_t cut; int patch; } cases[] = {
        {untouched, 0, 3}, {untouched, 0, -1}, {untouched, 1, 0}, {shortSheet, 0, 0}};
    for (const Case &c : cases) {
        std::vector<uint8_t> sheet = c.dib;
        EXPECT_FALSE(ApplyBlinkPatch(sheet.data(), sheet.size() - c.cut, c.patch)) << &c - cases;
        EXPECT_EQ(sheet, c.dib) << &c - cases;
    }
}

}  // namespace
