// The time-signal check: asks the pure decision what to do, then plays and rotates.
#include "chime/chime_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "chime/chime.h"
#include "chime/random.h"
#include "settings/settings.h"
#include "settings/state.h"

static PlaySoundCall pfnPlaySound = PlaySoundA;
static BeepCall pfnMessageBeep = MessageBeep;

void SetSoundCalls(PlaySoundCall pfnPlay, BeepCall pfnBeep)
{
    pfnPlaySound = pfnPlay ? pfnPlay : PlaySoundA;
    pfnMessageBeep = pfnBeep ? pfnBeep : MessageBeep;
}

int PlayTimeSignal(const char *pszSound)
{
    // SND_ASYNC alone: the name may be a file or a sound alias, and a failure beeps here.
    if (pfnPlaySound(pszSound, nullptr, SND_ASYNC))
        return 1;
    pfnMessageBeep(MB_OK);
    return 0;
}

void CheckTimeSignal(const SYSTEMTIME &st)
{
    const TimeSignalDecision decision = DecideTimeSignal(st.wHour, st.wMinute, Settings, bChimeReady, NextRandom);
    if (decision.sound == kHourSignal)
        PlayTimeSignal(Settings.szWave);
    else if (decision.sound == kHalfHourSignal)
        PlayTimeSignal(Settings.szWave30);
    bChimeReady = 1;
    Settings.nDrawChara = decision.nDrawChara;
    Settings.nHourOld = st.wHour;
    Settings.nMinuteOld = st.wMinute;
}
