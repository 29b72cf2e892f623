// The character sheet's layout: the picture, the eye patches, and which patch each blink step shows.
#pragma once

#include <cstdint>

#include "render/blend.h"

constexpr int32_t kSheetWidth = 240;
constexpr int32_t kSheetHeight = 160;
// Picture area of the sheet that is drawn: the rows below it stay background.
constexpr int32_t kCharacterWidth = 120;
constexpr int32_t kCharacterHeight = 152;

// Three 96x30 patches right of the picture (0 eyes open, 1 closed, 2 half closed);
// the one shown is written over the eyes at (kEyesLeft, kEyesTop) of the picture.
constexpr int32_t kPatchLeft = 128;
constexpr int32_t kPatchTop[3] = {17, 47, 77};
constexpr int32_t kPatchWidth = 96;
constexpr int32_t kPatchHeight = 30;
constexpr int32_t kEyesLeft = 8;
constexpr int32_t kEyesTop = 47;

// A blink runs through five steps, 200 ms apart: open, half closed, closed, half closed, open.
constexpr int kBlinkSteps = 5;
constexpr int kPatchOfStep[kBlinkSteps] = {0, 2, 1, 2, 0};

// The patch drawn for a blink step, or -1 when the stored eyes show: no blink
// running, or a character without patches (only character 2 has them).
int BlinkPatchFor(int nBlinkStep, int nDrawChara);

// The rectangles of the sheet that make up the picture with patch nPatch (0..2)
// over the eyes, each placed where it lands on the panel: one for the picture as
// stored (any other nPatch), five with a patch. Returns how many it wrote.
constexpr int kMaxCharacterPieces = 5;
int CharacterPieces(int nPatch, BlitRect pieces[kMaxCharacterPieces]);
