// The time-signal and rotation check, run first in every paint: the system's and the ticks'.
#pragma once

#include <windows.h>

// Sounds the hour or half hour of st, the paint's one reading of the local time,
// rotates the character and remembers the hour and minute for the next check.
void CheckTimeSignal(const SYSTEMTIME &st);

// Plays a sound name asynchronously, or the default beep when it cannot be
// played. Returns 1 when the sound was started, 0 when the beep stood in.
int PlayTimeSignal(const char *pszSound);

// Tests only: stand-ins for PlaySoundA and MessageBeep, so a test sees which name plays and
// when the beep stands in. Nulls put the real calls back.
using PlaySoundCall = BOOL(WINAPI *)(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound);
using BeepCall = BOOL(WINAPI *)(UINT uType);
void SetSoundCalls(PlaySoundCall pfnPlay, BeepCall pfnBeep);
