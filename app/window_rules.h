// Settings changes made by the main window that need no platform call.
#pragma once

#include <cstdint>

// Flips bStatus and shifts the stored position so the character keeps its place on screen.
void ToggleCalendarPage();

// The display scale went from nOldScale to nNewScale: with the page shown above or on the
// left, the stored position moves so the character stays where it was on screen.
void KeepCharacterOnRescale(int32_t nOldScale, int32_t nNewScale);
