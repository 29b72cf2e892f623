// Playing a signal's sound: Vespin's own chime, a file whose header was read first, or a system
// sound name, with the beep standing in for what cannot play.
#pragma once

#include <windows.h>

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
