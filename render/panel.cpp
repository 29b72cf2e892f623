// Blink patches: which one a step shows, and the sheet rectangles that draw it over the eyes.
#include "render/panel.h"

namespace {

// Only the third character has its patches on the sheet.
constexpr int kBlinkingCharacter = 2;

}  // namespace

int BlinkPatchFor(int nBlinkStep, int nDrawChara)
{
    if (nDrawChara != kBlinkingCharacter || nBlinkStep < 0 || nBlinkStep >= kBlinkSteps)
        return -1;
    return kPatchOfStep[nBlinkStep];
}

int CharacterPieces(int nPatch, BlitRect pieces[kMaxCharacterPieces])
{
    if (nPatch < 0 || nPatch > 2) {
        pieces[0] = {0, 0, kCharacterWidth, kCharacterHeight, 0, 0};
        return 1;
    }
    constexpr int32_t kEyesRight = kEyesLeft + kPatchWidth;
    constexpr int32_t kEyesBottom = kEyesTop + kPatchHeight;
    pieces[0] = {0, 0, kCharacterWidth, kEyesTop, 0, 0};
    pieces[1] = {0, kEyesTop, kEyesLeft, kPatchHeight, 0, kEyesTop};
    pieces[2] = {kEyesLeft, kEyesTop, kPatchWidth, kPatchHeight, kPatchLeft, kPatchTop[nPatch]};
    pieces[3] = {kEyesRight, kEyesTop, kCharacterWidth - kEyesRight, kPatchHeight, kEyesRight, kEyesTop};
    pieces[4] = {0, kEyesBottom, kCharacterWidth, kCharacterHeight - kEyesBottom, 0, kEyesBottom};
    return 5;
}
