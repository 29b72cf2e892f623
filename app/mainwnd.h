// The main window's decisions that need no platform call: the page toggle, a change of display
// scale, and whether a blink runs a timer.
#pragma once

#include <cstdint>

// Flips bStatus and shifts the stored position so the character keeps its place on screen.
void ToggleCalendarPage();

// The display scale went from nOldScale to nNewScale: the stored position moves so the
// character stays where it was on screen.
void KeepCharacterOnRescale(int32_t nOldScale, int32_t nNewScale);

// A blink that starts now needs timer 2 only when its steps change what the window shows: the
// character nDrawChara has eye patches.
bool BlinkIsSeen(int32_t nDrawChara);
