// The persisted options record, its field table, defaults and the rules applied after loading.
#pragma once

#include <cstddef>
#include <cstdint>

// The 28 fields in store order; the names are the registry value names. Two calendar
// flags follow them, stored beside the 28 but outside their all-or-nothing load.
struct SettingsRecord {
    int32_t nWindowX;
    int32_t nWindowY;
    int32_t bStatus;
    int32_t nDrawChara;
    char szCurrentWave[260];
    int32_t bTopMost;
    int32_t bAwayTaskBar;
    int32_t bTaskTrayNoIcon;
    int32_t bFix;
    int32_t nWindowPos;
    int32_t nCalendarPos;
    char szFont[256];
    int32_t b24;
    int32_t bSecond;
    int32_t b6;
    int32_t bAlarm;
    int32_t bAlarm30;
    char szWave[260];
    char szWave30[260];
    int32_t nTransparentCal;
    int32_t bChara0;
    int32_t bChara1;
    int32_t bChara2;
    int32_t nChangeTiming;
    int32_t bRandom;
    int32_t nTransparent;
    int32_t nHourOld;
    int32_t nMinuteOld;
    int32_t bHolidayLaw;   // holidays by the law as it stands, not the fixed rules
    int32_t bLunarRokuyo;  // rokuyo from the lunisolar calendar, not the fixed formula
};

extern SettingsRecord Settings;

enum SettingKind { kSettingNumber, kSettingString };

struct SettingField {
    const char *pszName;
    SettingKind kind;
    size_t offset;  // into SettingsRecord
    size_t cbSize;  // 4 for numbers, the buffer size for strings
};

constexpr int kSettingFieldCount = 28;
extern const SettingField SettingFields[kSettingFieldCount];

// The calendar flags, each read on its own: missing, not a REG_DWORD, or neither 0 nor 1 reads as 0.
constexpr int kCalendarFlagCount = 2;
extern const SettingField CalendarFlagFields[kCalendarFlagCount];
// Every value the store holds after a save.
constexpr int kStoredValueCount = kSettingFieldCount + kCalendarFlagCount;
// The value a calendar flag takes from what the store gave.
int32_t CalendarFlagFromStore(int bReadAsDword, uint32_t dwValue);

// Registry location of the store, under the current user.
extern const char kSettingsKeyPath[];
// "ＭＳ ゴシック", the face used when nothing else is stored.
extern const char kDefaultFontFace[];

inline int32_t *SettingNumber(SettingsRecord *pRec, const SettingField &field)
{
    return reinterpret_cast<int32_t *>(reinterpret_cast<char *>(pRec) + field.offset);
}
inline char *SettingString(SettingsRecord *pRec, const SettingField &field)
{
    return reinterpret_cast<char *>(pRec) + field.offset;
}

// nDrawChara picks one of three characters. A stored index may be negative or past
// them: its remainder, made non-negative, keeps the in-turn order and never
// indexes outside the three flags.
constexpr int32_t kCharacterCount = 3;
inline int32_t CharacterInRange(int32_t nDrawChara)
{
    const int32_t n = nDrawChara % kCharacterCount;
    return n < 0 ? n + kCharacterCount : n;
}

// Moves a stored window origin as the page opens (nSign -1) or closes (+1), so the
// character keeps its place on screen: by a page height for the page above (0), a page
// width for the page on the left (3), not at all for any other code; at display scale
// nScale, by that many times as far. Wraps as 32-bit Windows arithmetic does: stored
// positions may hold anything.
void ShiftOriginForPage(int32_t nCalendarPos, int32_t nSign, int32_t *pnWindowX, int32_t *pnWindowY,
                        int32_t nScale = 1);

// Everything zero or empty, then the few fields whose default is not.
void SetDefaultSettings(SettingsRecord *pRec);

// Forces a NUL inside a string read back from the store: cbRead bytes arrived
// in a buffer of cbBuffer bytes, possibly without their terminator. Only whole
// Shift-JIS characters stay.
void TerminateStoredString(char *pszBuffer, size_t cbBuffer, size_t cbRead);

// Values from a hand-edited store can lie outside the ranges the program uses
// as indexes and blend factors, and flags can hold more than 0 and 1; this
// brings them in. In-range values are untouched.
void MendSettings(SettingsRecord *pRec);
