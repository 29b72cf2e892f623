// Time-signal and rotation decisions over plain integers and the settings record.
#include "chime/chime.h"

#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"
#include "chime/signal_rules.h"

namespace {

// Index 12 changes on the first check of a new day, when the hour goes down.
constexpr int kEveryDay = 12;
constexpr int kMinuteSteps[6] = {1, 3, 5, 10, 15, 30};
constexpr int kHourSteps[6] = {1, 2, 3, 6, 8, 12};

}  // namespace

bool IsRotationDue(int32_t nChangeTiming, int nHour, int nMinute, int32_t nHourOld, int32_t nMinuteOld)
{
    if (nChangeTiming >= 0 && nChangeTiming <= 5) {
        const int step = kMinuteSteps[nChangeTiming];
        return nMinute / step != nMinuteOld / step;
    }
    if (nChangeTiming >= 6 && nChangeTiming <= 11) {
        const int step = kHourSteps[nChangeTiming - 6];
        return nHour / step != nHourOld / step;
    }
    if (nChangeTiming == kEveryDay)
        return nHour < nHourOld;
    return false;
}

int32_t NextCharacter(const SettingsRecord &rec, int (*pfnRandom)())
{
    const int32_t enabled[kCharacterCount] = {rec.bChara0, rec.bChara1, rec.bChara2};
    int count = 0;
    for (int32_t flag : enabled)
        count += flag == 1;
    if (count < 2)
        return rec.nDrawChara;

    int32_t current = CharacterInRange(rec.nDrawChara);
    if (rec.bRandom) {
        // At least two flags are set, so some other character can always be drawn.
        for (;;) {
            const int32_t i = CharacterInRange(pfnRandom());
            if (enabled[i] && i != current)
                return i;
        }
    }
    for (int tries = 0; tries < kCharacterCount; ++tries) {
        current = CharacterInRange(current + 1);
        if (enabled[current])
            break;
    }
    return current;
}

TimeSignalDecision DecideTimeSignal(int nHour, int nMinute, const SettingsRecord &rec, int bChimeReady,
                                    int (*pfnRandom)())
{
    TimeSignalDecision decision = {kNoSignal, rec.nDrawChara, 0};
    if (bChimeReady) {
        if (rec.bAlarm && nHour != rec.nHourOld)
            decision.sound = kHourSignal;
        else if (rec.bAlarm30 && nMinute / 30 != rec.nMinuteOld / 30)
            decision.sound = kHalfHourSignal;
    }
    decision.nStrikes = decision.sound == kNoSignal ? 0 : 1;
    if (IsRotationDue(rec.nChangeTiming, nHour, nMinute, rec.nHourOld, rec.nMinuteOld))
        decision.nDrawChara = NextCharacter(rec, pfnRandom);
    return decision;
}

bool IsDayOff(int32_t bHolidayLaw, const SignalDate &date)
{
    // The page's own colour rule, so the days kept quiet are always the days it marks.
    return ChooseDayColor(bHolidayLaw, date.nYear, date.nMonth, date.nDay, date.nWeekday) != kDayColorBlack;
}

TimeSignalDecision ApplySignalOptions(TimeSignalDecision decision, const SettingsRecord &rec, const SignalDate &date,
                                      int nHour)
{
    if (decision.sound == kNoSignal)
        return decision;
    if (IsQuietHour(rec.nQuietFrom, rec.nQuietTo, nHour) || (rec.bQuietDaysOff && IsDayOff(rec.bHolidayLaw, date))) {
        decision.sound = kNoSignal;
        decision.nStrikes = 0;
    } else if (decision.sound == kHourSignal && rec.bStrikeHours) {
        decision.nStrikes = StrikeCount(nHour);
    }
    return decision;
}
