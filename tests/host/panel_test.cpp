// The blink patch table and the sheet rectangles that draw a patch over the eyes.
#include <gtest/gtest.h>

#include <vector>

#include "render/panel.h"

namespace {

TEST(BlinkPatch, StepsShowOpenHalfClosedHalfOpenOnlyForTheThirdCharacter)
{
    const int order[5] = {0, 2, 1, 2, 0};
    for (int chara = -1; chara <= 5; ++chara)
        for (int step = -1; step <= 5; ++step)
            EXPECT_EQ(BlinkPatchFor(step, chara), chara == 2 && step >= 0 && step < 5 ? order[step] : -1)
                << chara << "," << step;
}

TEST(CharacterPieces, CoverThePictureOnceWithThePatchOverTheEyes)
{
    for (int patch = -1; patch <= 3; ++patch) {
        BlitRect pieces[kMaxCharacterPieces];
        const int n = CharacterPieces(patch, pieces);
        // Which sheet pixel each panel pixel is drawn from, as x + 1000 y; -1 for none.
        std::vector<int> from(kCharacterWidth * kCharacterHeight, -1);
        for (int i = 0; i < n; ++i)
            for (int y = 0; y < pieces[i].nHeight; ++y)
                for (int x = 0; x < pieces[i].nWidth; ++x) {
                    int &cell = from.at((pieces[i].nDestY + y) * kCharacterWidth + pieces[i].nDestX + x);
                    ASSERT_EQ(cell, -1) << "drawn twice, patch " << patch;
                    cell = pieces[i].nSourceX + x + 1000 * (pieces[i].nSourceY + y);
                }
        for (int y = 0; y < kCharacterHeight; ++y)
            for (int x = 0; x < kCharacterWidth; ++x) {
                // Patch n is the 96x30 block at (128, 17 + 30 n); the eyes are at (8, 47).
                const bool eyes = patch >= 0 && patch < 3 && x >= 8 && x < 104 && y >= 47 && y < 77;
                ASSERT_EQ(from[y * kCharacterWidth + x], eyes ? x + 120 + 1000 * (y - 30 + 30 * patch) : x + 1000 * y)
                    << patch << ": " << x << "," << y;
            }
    }
}

}  // namespace
