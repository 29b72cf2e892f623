// Run-time state that lives beside the settings but is never stored.
#pragma once

#include <cstdint>

struct IntPoint {
    int32_t x;
    int32_t y;
};

extern unsigned int uTimer1;
extern unsigned int uTimer2;
extern int nBlinkStep;  // -1 idle, 0..4 during a blink
// The window's display scale: every picture pixel is shown as an nWindowScale-square block.
extern int32_t nWindowScale;
extern int bDragging;
extern IntPoint ptDragOffset;
extern IntPoint ptDragStart;
extern int bChimeReady;
extern int bInProperty;
extern int bInAbout;
extern int bClockPageReady;
extern int bCharaPageReady;
// Set once the record holds loaded values; a window refused at creation never gets there.
extern int bSettingsLoaded;
