// What the time-signal check does at a given hour and minute: which sound, which character.
#pragma once

#include <cstdint>

#include "settings/settings.h"

enum TimeSignalSound { kNoSignal, kHourSignal, kHalfHourSignal };

struct TimeSignalDecision {
    TimeSignalSound sound;  // kHourSignal plays szWave, kHalfHourSignal szWave30
    int32_t nDrawChara;     // the character to show from now on
    int nStrikes;           // how many times the sound is struck: 0 with no signal, else at least 1
};

// The date of a check as the calendar page shows it; nWeekday 0 is Sunday.
struct SignalDate {
    int nYear, nMonth, nDay, nWeekday;
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

// Every day the page shows in red or blue: a Saturday, a Sunday, or a day off by the rules that
// colour the page (the holiday law with bHolidayLaw, else the fixed rules).
bool IsDayOff(int32_t bHolidayLaw, const SignalDate &date);

// The time signal's options applied to a decision at nHour of date: quiet hours and, with
// bQuietDaysOff, days off silence the signal (the character rotates all the same); with
// bStrikeHours the hour's signal is struck StrikeCount times. All options off: as decided.
TimeSignalDecision ApplySignalOptions(TimeSignalDecision decision, const SettingsRecord &rec, const SignalDate &date,
                                      int nHour);
