// The time signal's sound, struck: the first at once, the rest on a timer that runs only while
// a strike is in progress.
#pragma once

#include <windows.h>

// The message-only window that owns the strike's timer, by which tests find it, and its timer.
constexpr WCHAR kStrikeClassName[] = L"Vespin_Strike";
constexpr UINT_PTR kStrikeTimerId = 1;

// Ends a strike in progress, then plays pszSound as PlayTimeSignal does. When nStrikes is above 1,
// the sound started and its length is known, it is played again until it has sounded nStrikes
// times (at most kMaxStrikes), each kStrikeGapMs after the one before ends; a strike ends early
// when the hourly signal or striking is turned off. Returns what PlayTimeSignal returned.
int SoundTimeSignal(const char *pszSound, int nStrikes);

// No more strikes of the signal in progress: the program is ending.
void StopStrikes();
