// What the time-signal check does at a given hour and minute: which sound, which character.
#pragma once

#include <cstdint>

#include "settings/settings.h"

enum TimeSignalSound { kNoSignal, kHourSignal, kHalfHourSignal };

struct TimeSignalDecision {
    TimeSignalSound sound;  // kHourSignal plays szWave, kHalfHourSignal szWave30
    int32_t nDrawChara;     // the character to show from now on
};

// True when the interval nChangeTiming (0..13; anything else never) has been
// crossed between the stored hour and minute and these.
bool IsRotationDue(int32_t nChangeTiming, int nHour, int nMinute, int32_t nHourOld, int32_t nMinuteOld);

// The character after nDrawChara among the enabled ones, in turn or drawing
// from pfnRandom (0..32767 a call). Fewer than two enabled: nDrawChara as it is.
int32_t NextCharacter(const SettingsRecord &rec, int (*pfnRandom)());

// The whole decision for a check at nHour:nMinute against rec.nHourOld and
// rec.nMinuteOld. The first check after start-up (bChimeReady 0) sounds nothing.
TimeSignalDecision DecideTimeSignal(int nHour, int nMinute, const SettingsRecord &rec, int bChimeReady,
                                    int (*pfnRandom)());
