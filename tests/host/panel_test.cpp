// The blink patch table, patches copied inside the sheet, and the panel layout table.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "render/blend.h"
#include "render/layout.h"
#include "render/sheet.h"

namespace {

TEST(BlinkPatch, StepsShowOpenHalfClosedHalfOpenOnlyForTheThirdCharacter)
{
    const int expected[3][7] = {
        // steps -1, 0, 1, 2, 3, 4, 5
        {-1, -1, -1, -1, -1, -1, -1},  // character 0
        {-1, -1, -1, -1, -1, -1, -1},  // character 1
        {-1, 0, 2, 1, 2, 0, -1},       // character 2
    };
    for (int chara = 0; chara < 3; ++chara)
        for (int step = -1; step <= 5; ++step)
            EXPECT_EQ(BlinkPatchFor(step, chara), expected[chara][step + 1]) << chara << "," << step;
    EXPECT_EQ(BlinkPatchFor(0, -1), -1);
    EXPECT_EQ(BlinkPatchFor(0, 5), -1);
}

// A 240x160 8-bit sheet stored bottom-up whose pixel (x, y) as seen holds (x + 3 y) mod 251.
std::vector<uint8_t> Sheet(int32_t height = 160)
{
    std::vector<uint8_t> dib(40 + 33 * 4 + 240 * static_cast<size_t>(height), 0);
    const int32_t header[3] = {40, 240, height};
    std::memcpy(dib.data(), header, sizeof(header));
    dib[12] = 1, dib[14] = 8, dib[32] = 33;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < 240; ++x)
            dib[40 + 33 * 4 + (height - 1 - y) * 240 + x] = static_cast<uint8_t>((x + 3 * y) % 251);
    return dib;
}

uint8_t SeenAt(const std::vector<uint8_t> &dib, int32_t x, int32_t y)
{
    return dib[40 + 33 * 4 + (159 - y) * 240 + x];
}

TEST(BlinkPatch, PatchReplacesTheEyesAndNothingElse)
{
    const int32_t patchTop[3] = {17, 47, 77};
    for (int patch = 0; patch < 3; ++patch) {
        const std::vector<uint8_t> before = Sheet();
        std::vector<uint8_t> after = before;
        ASSERT_TRUE(ApplyBlinkPatch(after.data(), after.size(), patch));
        for (int32_t y = 0; y < 160; ++y)
            for (int32_t x = 0; x < 240; ++x) {
                const bool eyes = x >= 8 && x < 104 && y >= 47 && y < 77;
                const uint8_t want =
                    eyes ? SeenAt(before, x - 8 + 128, y - 47 + patchTop[patch]) : SeenAt(before, x, y);
                ASSERT_EQ(SeenAt(after, x, y), want) << patch << ": " << x << "," << y;
            }
    }
}

TEST(BlinkPatch, RefusedForUnknownPatchOrShortSheet)
{
    std::vector<uint8_t> sheet = Sheet();
    const std::vector<uint8_t> untouched = sheet;
    EXPECT_FALSE(ApplyBlinkPatch(sheet.data(), sheet.size(), 3));
    EXPECT_FALSE(ApplyBlinkPatch(sheet.data(), sheet.size(), -1));
    EXPECT_FALSE(ApplyBlinkPatch(sheet.data(), sheet.size() - 1, 0));
    EXPECT_EQ(sheet, untouched);
    std::vector<uint8_t> shortSheet = Sheet(106);  // one row short of patch 2
    EXPECT_FALSE(ApplyBlinkPatch(shortSheet.data(), shortSheet.size(), 0));
}

TEST(PanelLayout, FollowsThePositionTableAndNeverOverlaps)
{
    struct Case {
        int32_t bStatus, nCalendarPos;
        PanelLayout expected;
    } cases[] = {
        {0, 0, {120, 160, 0, 0, 0, 0}},
        {0, 3, {120, 160, 0, 0, 0, 0}},
        {1, 0, {120, 320, 0, 160, 0, 0}},
        {1, 1, {240, 160, 0, 0, 120, 0}},
        {1, 2, {120, 320, 0, 0, 0, 160}},
        {1, 3, {240, 160, 120, 0, 0, 0}},
        // Hand-edited codes are laid out as the default, page on the left.
        {1, -1, {240, 160, 120, 0, 0, 0}},
        {1, 4, {240, 160, 120, 0, 0, 0}},
        {1, 0x7FFFFFFF, {240, 160, 120, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        const PanelLayout got = LayoutPanels(c.bStatus, c.nCalendarPos);
        EXPECT_EQ(std::memcmp(&got, &c.expected, sizeof(got)), 0) << c.bStatus << "," << c.nCalendarPos;
        if (c.bStatus) {
            const bool apart = got.xPanel >= got.xPage + kPanelWidth || got.xPage >= got.xPanel + kPanelWidth ||
                               got.yPanel >= got.yPage + kPanelHeight || got.yPage >= got.yPanel + kPanelHeight;
            EXPECT_TRUE(apart) << c.nCalendarPos;
        }
    }
}

}  // namespace
