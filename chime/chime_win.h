// The time-signal and rotation check, run first in every paint: the system's and the ticks'.
#pragma once

#include <windows.h>

// Sounds the hour or half hour of st, the paint's one reading of the local time, as the options
// shape it (quiet hours, days off, strikes, the balloon), rotates the character and remembers the
// hour and minute for the next check.
void CheckTimeSignal(const SYSTEMTIME &st);

// Plays a sound name asynchronously: an empty name plays Vespin's own chime, a file only when its
// header is sane, a system sound name as it is; the default beep stands in for what cannot be
// played. Returns 1 when the sound was started, 0 when the beep stood in.
int PlayTimeSignal(const char *pszSound);

struct WaveInfo;
// Reads a wave file's header, never its samples: true when it may be played, with its length.
bool ReadWaveFile(const char *pszPath, WaveInfo *pInfo);

// Tests only: stand-ins for PlaySoundW and MessageBeep, so a test sees which name plays and
// when the beep stands in. Nulls put the real calls back.
using PlaySoundCall = BOOL(WINAPI *)(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound);
using BeepCall = BOOL(WINAPI *)(UINT uType);
void SetSoundCalls(PlaySoundCall pfnPlay, BeepCall pfnBeep);
