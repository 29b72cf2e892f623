// The character sheet's eye patches and which one each blink step shows.
#pragma once

#include <cstddef>
#include <cstdint>

// Picture area of the sheet that is drawn: the rows below it stay background.
constexpr int32_t kCharacterWidth = 120;
constexpr int32_t kCharacterHeight = 152;

// The patch (0 open, 1 closed, 2 half closed) drawn for a blink step, or -1 when
// the stored eyes show: no blink running, or a character without patches.
int BlinkPatchFor(int nBlinkStep, int nDrawChara);

// Copies patch nPatch (0..2) over the eyes of the picture, inside the packed
// 8-bit DIB of cb bytes. False, changing nothing, for any other patch or for a
// sheet too small or not 8-bit.
bool ApplyBlinkPatch(uint8_t *pDib, size_t cb, int nPatch);
