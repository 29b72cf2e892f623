// The persisted options record and its one table: each setting's name, kind, place, default and
// the rule that brings a hand-edited value back into range.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/layout.h"

// The 28 fields in store order, loaded all or nothing; the names are the registry value names.
// The options after them are stored beside the 28, each loaded on its own.
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
    int32_t bClickThrough;    // clicks and the wheel pass through the gadget
    int32_t nFadeOnHover;     // 0 off, else how see-through (10 to 90 %) it turns under the pointer
    int32_t bHideFullScreen;  // hidden while a full-screen window is in front on its monitor
    int32_t nQuietFrom;      // no time signal from this hour's start
    int32_t nQuietTo;        // up to this hour's start; equal hours: none kept quiet
    int32_t bQuietDaysOff;   // no time signal on the days the page shows in red or blue
    int32_t bStrikeHours;    // the hour's signal sounds as many times as the hour
    int32_t bSignalBalloon;  // the character says the time in a balloon with each signal
};

extern SettingsRecord Settings;

enum SettingKind { kSettingFlag, kSettingNumber, kSettingString };

// How a loaded value is brought into the range the program indexes and blends with.
enum SettingMend {
    kMendNone,     // any value is used as it is
    kMendFlag,     // anything but 0 is on, as every test of a flag reads it
    kMendClamp,    // the nearest end of nLow..nHigh
    kMendReplace,  // outside nLow..nHigh: nReplacement
    kMendWrap,     // the remainder into nLow..nHigh, keeping the in-turn order
    kMendPercentOrOff,  // 1..100 to the nearest of nLow..nHigh; 0 and anything else nReplacement
};

struct SettingField {
    const char *pszName;
    SettingKind kind;
    size_t offset;  // into SettingsRecord
    size_t cbSize;  // 4 for numbers and flags, the buffer size for strings
    int32_t nDefault;
    const char *pszDefault;  // strings only
    SettingMend mend;
    int32_t nLow, nHigh, nReplacement;
    // Kept by the program as it runs (where the window stands, the page, the character, the last
    // check), not chosen in the property sheet: a cancelled sheet leaves it as it is now.
    bool bState;
};

// The 28 of the record, then the options stored beside them.
constexpr int kRecordFieldCount = 28;
constexpr int kSettingFieldCount = 38;
extern const SettingField SettingFields[kSettingFieldCount];

// Registry location of the store, under the current user.
extern const char kSettingsKeyPath[];
// "ＭＳ ゴシック", the face used when nothing else is stored.
extern const char kDefaultFontFace[];

// The face every calendar and clock text is drawn in: the stored one, but the default for a
// vertical-writing face (named with a leading '@'), which would draw the text sideways.
const char *TextFaceFor(const char *pszStored);

inline int32_t *SettingNumber(SettingsRecord *pRec, const SettingField &field)
{
    return reinterpret_cast<int32_t *>(reinterpret_cast<char *>(pRec) + field.offset);
}
inline const int32_t *SettingNumber(const SettingsRecord *pRec, const SettingField &field)
{
    return reinterpret_cast<const int32_t *>(reinterpret_cast<const char *>(pRec) + field.offset);
}
inline char *SettingString(SettingsRecord *pRec, const SettingField &field)
{
    return reinterpret_cast<char *>(pRec) + field.offset;
}
inline const char *SettingString(const SettingsRecord *pRec, const SettingField &field)
{
    return reinterpret_cast<const char *>(pRec) + field.offset;
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

// Every field its default.
void SetDefaultSettings(SettingsRecord *pRec);

// One field its default; the other fields are left alone.
void SetDefaultField(SettingsRecord *pRec, const SettingField &field);

// Forces a NUL inside a string read back from the store: cbRead bytes arrived
// in a buffer of cbBuffer bytes, possibly without their terminator. Only whole
// Shift-JIS characters stay.
void TerminateStoredString(char *pszBuffer, size_t cbBuffer, size_t cbRead);

// Brings one loaded number or flag into its range; in-range values are untouched.
int32_t MendValue(const SettingField &field, int32_t nValue);
// Every number and flag of the record by its row's rule, then the rules across fields: quiet hours
// with either end outside 0..23 become none (both 0), and KeepWayBack.
void MendSettings(SettingsRecord *pRec);
// A gadget hidden for a full-screen window can be reached only through its tray icon: without
// the icon it does not hide.
void KeepWayBack(SettingsRecord *pRec);

// The page opened, closed or moved (the layout was before, at display scale nScaleBefore) or the
// display scale changed: the stored origin moves so that the character panel keeps its place on
// screen in the layout the record now asks for, at nScaleAfter. Wraps as 32-bit Windows
// arithmetic does: stored positions may hold anything.
void KeepCharacterInPlace(SettingsRecord *pRec, const PanelLayout &before, int32_t nScaleBefore, int32_t nScaleAfter);

// What a cancelled property sheet leaves: the options as they were before (the rows that are not
// state), the state as it is now, and the origin moved so the character stays where it stands
// now, in the layout the restored options give, at display scale nScale.
void RestoreOptions(SettingsRecord *pRec, const SettingsRecord &before, int32_t nScale);
