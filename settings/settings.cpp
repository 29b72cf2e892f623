// The settings record and its table; defaults, the mend and the origin rules are loops over it.
#include "settings/settings.h"

#include <cstring>

#include "base/sjis.h"

SettingsRecord Settings;

const char kSettingsKeyPath[] = "Software\\Brimholt\\Vespin\\Option";
const char kDefaultFontFace[] = "ＭＳ ゴシック";

namespace {

constexpr int32_t kMax32 = 0x7FFFFFFF;
constexpr int32_t kMin32 = -kMax32 - 1;

}  // namespace

#define FLAG(name, deflt, state) {#name, kSettingFlag, offsetof(SettingsRecord, name), 4, deflt, nullptr, \
                                  kMendFlag, 0, 1, 0, state}
#define NUMBER(name, deflt, mend, low, high, repl, state) {#name, kSettingNumber, offsetof(SettingsRecord, name), 4, \
                                                           deflt, nullptr, mend, low, high, repl, state}
#define STRING(name, deflt) {#name, kSettingString, offsetof(SettingsRecord, name), sizeof(SettingsRecord::name), \
                             0, deflt, kMendNone, 0, 0, 0, false}

const SettingField SettingFields[kSettingFieldCount] = {
    NUMBER(nWindowX, 0, kMendNone, kMin32, kMax32, 0, true),
    NUMBER(nWindowY, 0, kMendNone, kMin32, kMax32, 0, true),
    FLAG(bStatus, 1, true),
    NUMBER(nDrawChara, 0, kMendWrap, 0, kCharacterCount - 1, 0, true),
    STRING(szCurrentWave, ""),
    FLAG(bTopMost, 0, false),
    FLAG(bAwayTaskBar, 0, false),
    FLAG(bTaskTrayNoIcon, 0, false),
    FLAG(bFix, 0, false),
    // Unknown codes take the value whose behaviour they already had: free placement, no rotation.
    NUMBER(nWindowPos, 0, kMendReplace, 0, 4, 0, false),
    NUMBER(nCalendarPos, 3, kMendReplace, 0, 3, 3, false),
    STRING(szFont, kDefaultFontFace),
    FLAG(b24, 0, false),
    FLAG(bSecond, 0, false),
    FLAG(b6, 0, false),
    FLAG(bAlarm, 0, false),
    FLAG(bAlarm30, 0, false),
    STRING(szWave, ""),
    STRING(szWave30, ""),
    // Blend factors: the nearest valid percentage.
    NUMBER(nTransparentCal, 40, kMendClamp, 0, 100, 0, false),
    FLAG(bChara0, 1, false),
    FLAG(bChara1, 1, false),
    FLAG(bChara2, 1, false),
    NUMBER(nChangeTiming, 0, kMendReplace, 0, 13, 13, false),
    FLAG(bRandom, 0, false),
    NUMBER(nTransparent, 0, kMendClamp, 0, 100, 0, false),
    NUMBER(nHourOld, 0, kMendClamp, 0, 23, 0, true),
    NUMBER(nMinuteOld, 0, kMendClamp, 0, 59, 0, true),
    // Beside the 28: only 0 and 1 count; anything else is as if nothing were stored. On unless a 0
    // is stored: the calendar as every Japanese calendar prints it, the fixed rules a click away.
    NUMBER(bHolidayLaw, 1, kMendReplace, 0, 1, 1, false),
    NUMBER(bLunarRokuyo, 1, kMendReplace, 0, 1, 1, false),
    // Off unless a 1 is stored: a user who never chose them sees the gadget as it always was.
    NUMBER(bClickThrough, 0, kMendReplace, 0, 1, 0, false),
    // Never wholly see-through: the pointer has to find the gadget to bring it back.
    NUMBER(nFadeOnHover, 0, kMendPercentOrOff, 10, 90, 0, false),
    NUMBER(bHideFullScreen, 0, kMendReplace, 0, 1, 0, false),
    // The time signal's options, all off by default (0 to 0 is no quiet hours). One end of the quiet
    // hours cannot be mended alone: 22 to 99 made 22 to 0 would silence hours nobody chose, so
    // MendSettings mends the pair.
    NUMBER(nQuietFrom, 0, kMendNone, 0, 23, 0, false),
    NUMBER(nQuietTo, 0, kMendNone, 0, 23, 0, false),
    NUMBER(bQuietDaysOff, 0, kMendReplace, 0, 1, 0, false),
    NUMBER(bStrikeHours, 0, kMendReplace, 0, 1, 0, false),
    NUMBER(bSignalBalloon, 0, kMendReplace, 0, 1, 0, false),
};

#undef FLAG
#undef NUMBER
#undef STRING

const char *TextFaceFor(const char *pszStored)
{
    return pszStored[0] == '@' ? kDefaultFontFace : pszStored;
}

void SetDefaultField(SettingsRecord *pRec, const SettingField &field)
{
    if (field.kind == kSettingString) {
        char *psz = SettingString(pRec, field);
        std::memset(psz, 0, field.cbSize);
        std::strncpy(psz, field.pszDefault, field.cbSize - 1);
    } else {
        *SettingNumber(pRec, field) = field.nDefault;
    }
}

void SetDefaultSettings(SettingsRecord *pRec)
{
    // Zeroed whole first, so records compare byte for byte.
    std::memset(pRec, 0, sizeof(*pRec));
    for (const SettingField &field : SettingFields)
        SetDefaultField(pRec, field);
}

void TerminateStoredString(char *pszBuffer, size_t cbBuffer, size_t cbRead)
{
    if (cbBuffer == 0)
        return;
    // A lead byte kept without its second byte would take the NUL for it when saved, and the
    // store would get other text, unterminated.
    pszBuffer[WholeCharacterBytes(pszBuffer, cbRead < cbBuffer ? cbRead : cbBuffer - 1)] = '\0';
}

int32_t MendValue(const SettingField &field, int32_t nValue)
{
    switch (field.mend) {
    case kMendFlag: return nValue != 0 ? 1 : 0;
    case kMendClamp: return nValue < field.nLow ? field.nLow : nValue > field.nHigh ? field.nHigh : nValue;
    case kMendReplace: return nValue < field.nLow || nValue > field.nHigh ? field.nReplacement : nValue;
    case kMendWrap: {
        const int64_t nCount = int64_t{field.nHigh} - field.nLow + 1;
        const int64_t n = (int64_t{nValue} - field.nLow) % nCount;
        return static_cast<int32_t>(field.nLow + (n < 0 ? n + nCount : n));
    }
    case kMendPercentOrOff:
        if (nValue <= 0 || nValue > 100)
            return field.nReplacement;
        return nValue < field.nLow ? field.nLow : nValue > field.nHigh ? field.nHigh : nValue;
    default: return nValue;
    }
}

void MendSettings(SettingsRecord *pRec)
{
    for (const SettingField &field : SettingFields)
        if (field.kind != kSettingString)
            *SettingNumber(pRec, field) = MendValue(field, *SettingNumber(pRec, field));
    const auto IsHour = [](int32_t n) { return n >= 0 && n <= 23; };
    if (!IsHour(pRec->nQuietFrom) || !IsHour(pRec->nQuietTo))
        pRec->nQuietFrom = pRec->nQuietTo = 0;
    KeepWayBack(pRec);
}

void KeepWayBack(SettingsRecord *pRec)
{
    if (pRec->bTaskTrayNoIcon && pRec->bHideFullScreen)
        pRec->bHideFullScreen = 0;
}

static int32_t AddWrapped(int32_t value, int64_t delta)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

void KeepCharacterInPlace(SettingsRecord *pRec, const PanelLayout &before, int32_t nScaleBefore, int32_t nScaleAfter)
{
    const PanelLayout after = LayoutPanels(pRec->bStatus, pRec->nCalendarPos);
    pRec->nWindowX = AddWrapped(pRec->nWindowX, int64_t{before.xPanel} * nScaleBefore - int64_t{after.xPanel} * nScaleAfter);
    pRec->nWindowY = AddWrapped(pRec->nWindowY, int64_t{before.yPanel} * nScaleBefore - int64_t{after.yPanel} * nScaleAfter);
}

void RestoreOptions(SettingsRecord *pRec, const SettingsRecord &before, int32_t nScale)
{
    const PanelLayout now = LayoutPanels(pRec->bStatus, pRec->nCalendarPos);
    for (const SettingField &field : SettingFields)
        if (!field.bState)
            std::memcpy(reinterpret_cast<char *>(pRec) + field.offset,
                        reinterpret_cast<const char *>(&before) + field.offset, field.cbSize);
    KeepCharacterInPlace(pRec, now, nScale, nScale);
}
