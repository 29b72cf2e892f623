// Quiet hours, strike counts and schedules, and the time signal's balloon text over plain integers.
#include "chime/signal_rules.h"

#include <cstdio>
#include <cstring>

#include "base/sjis.h"

namespace {

bool IsHourOfDay(int32_t nHour)
{
    return nHour >= 0 && nHour <= 23;
}

}  // namespace

bool IsQuietHour(int32_t nQuietFrom, int32_t nQuietTo, int nHour)
{
    if (!IsHourOfDay(nQuietFrom) || !IsHourOfDay(nQuietTo) || !IsHourOfDay(nHour) || nQuietFrom == nQuietTo)
        return false;
    if (nQuietFrom < nQuietTo)
        return nHour >= nQuietFrom && nHour < nQuietTo;
    return nHour >= nQuietFrom || nHour < nQuietTo;
}

int StrikeCount(int nHour)
{
    if (!IsHourOfDay(nHour))
        return 1;
    return nHour % 12 == 0 ? 12 : nHour % 12;
}

StrikePlan PlanStrikes(int nCount, uint32_t nDurationMs)
{
    if (nDurationMs == 0 || nDurationMs > kMaxStruckSoundMs || nCount <= 1)
        return {1, 0};
    return {nCount < kMaxStrikes ? nCount : kMaxStrikes, nDurationMs + kStrikeGapMs};
}

void FormatSignalText(int nHour, int nMinute, bool b24, char *pszOut, size_t cbOut)
{
    if (!pszOut || cbOut == 0)
        return;
    char text[32] = "";
    if (IsHourOfDay(nHour) && nMinute >= 0 && nMinute <= 59) {
        const int hour = b24 ? nHour : nHour % 12;
        if (nMinute == 0)
            std::snprintf(text, sizeof(text), "%d時です", hour);
        else
            std::snprintf(text, sizeof(text), "%d時%d分です", hour, nMinute);
    }
    const size_t cb = WholeCharacterBytes(text, cbOut - 1);
    std::memcpy(pszOut, text, cb);
    pszOut[cb] = '\0';
}
