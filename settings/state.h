// Run-time state that lives beside the settings but is never stored.
#pragma once

#include <cstdint>

#include "base/rect.h"

extern unsigned int uTimer1;
extern unsigned int uTimer2;
extern int nBlinkStep;  // -1 idle, 0..4 during a blink
// A blink was drawn for a character that shows none: no timer runs for it, and the next
// second's tick draws no number, as it would not during a blink that is seen.
extern int bBlinkUnseen;
// The DPI of the window's monitor (read when the window is made, then told by WM_DPICHANGED) and
// the display scale it gives: every picture pixel is shown as an nWindowScale-square block.
extern int32_t nWindowDpi;
extern int32_t nWindowScale;
extern int bDragging;
extern PlacePoint ptDragOffset;
extern PlacePoint ptDragStart;
extern int bChimeReady;
extern int bInProperty;
extern int bInAbout;
extern int bClockPageReady;
extern int bCharaPageReady;
// Set once the record holds loaded values; a window refused at creation never gets there.
extern int bSettingsLoaded;
