// The time-signal and rotation check, run first in every paint: the system's and the ticks'.
#pragma once

#include <windows.h>

// Sounds the hour or half hour of st, the paint's one reading of the local time, as the options
// shape it (quiet hours, days off, strikes, the balloon), rotates the character and remembers the
// hour and minute for the next check.
void CheckTimeSignal(const SYSTEMTIME &st);
