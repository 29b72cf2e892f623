// The time-signal check: asks the pure decision what to do, then plays and rotates.
#include "chime/chime_win.h"

#include <windows.h>

#include "base/appinfo_win.h"
#include "chime/balloon_win.h"
#include "chime/chime.h"
#include "chime/random.h"
#include "chime/strike_win.h"
#include "settings/settings.h"
#include "settings/state.h"

void CheckTimeSignal(const SYSTEMTIME &st)
{
    const SignalDate date = {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek};
    const TimeSignalDecision decision = ApplySignalOptions(
        DecideTimeSignal(st.wHour, st.wMinute, Settings, bChimeReady, NextRandom), Settings, date, st.wHour);
    if (decision.sound != kNoSignal) {
        SoundTimeSignal(decision.sound == kHourSignal ? Settings.szWave : Settings.szWave30, decision.nStrikes);
        // Shown whether the sound started or the beep stood in.
        if (Settings.bSignalBalloon)
            ShowTimeBalloon(AppInfo.hWnd, st.wHour, st.wMinute);
    }
    bChimeReady = 1;
    Settings.nDrawChara = decision.nDrawChara;
    Settings.nHourOld = st.wHour;
    Settings.nMinuteOld = st.wMinute;
}
