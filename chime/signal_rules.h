// The time signal's options as pure rules: quiet hours, strikes on the hour and the balloon text.
#pragma once

#include <cstddef>
#include <cstdint>

// The gap after each strike, so strikes never overlap and stay countable.
constexpr uint32_t kStrikeGapMs = 500;
// A longer sound sounds once: twelve strikes of it stay under a minute, inside one signal check.
constexpr uint32_t kMaxStruckSoundMs = 4000;
constexpr int kMaxStrikes = 12;

// No signal from nQuietFrom:00 up to but not including nQuietTo:00, over midnight when nQuietFrom
// is the later hour. Equal ends, or either end outside 0..23, mean no quiet hours; so does an hour
// outside 0..23.
bool IsQuietHour(int32_t nQuietFrom, int32_t nQuietTo, int nHour);

// The hour on a 12-hour clock, 12 at noon and midnight; an hour outside 0..23 gives 1.
int StrikeCount(int nHour);

struct StrikePlan {
    int nTimes;            // 1..kMaxStrikes
    uint32_t nIntervalMs;  // between starts; 0 when it sounds once
};

// How a sound of nDurationMs (0 = unknown) sounds nCount strikes (taken into 1..kMaxStrikes): an
// unknown or longer than kMaxStruckSoundMs sound sounds once; otherwise each start follows the
// previous sound's end by kStrikeGapMs.
StrikePlan PlanStrikes(int nCount, uint32_t nDurationMs);

// The balloon text, with the hour as the calendar page writes it (mod 12 without b24): "3時30分です",
// "12時です". Empty for an hour outside 0..23 or a minute outside 0..59. Never writes more than
// cbOut bytes, cut on whole characters; nothing when cbOut is 0.
void FormatSignalText(int nHour, int nMinute, bool b24, char *pszOut, size_t cbOut);
