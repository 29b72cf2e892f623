// The settings record, its field table, defaults, the mend applied after loading and the page shift of the origin.
#include "settings/settings.h"

#include <cstring>

#include "base/panel.h"
#include "base/sjis.h"

SettingsRecord Settings;

const char kSettingsKeyPath[] = "Software\\Brimholt\\Vespin\\Option";
const char kDefaultFontFace[] = "ＭＳ ゴシック";

#define NUMBER_FIELD(name) {#name, kSettingNumber, offsetof(SettingsRecord, name), sizeof(int32_t)}
#define STRING_FIELD(name) {#name, kSettingString, offsetof(SettingsRecord, name), sizeof(SettingsRecord::name)}

const SettingField SettingFields[kSettingFieldCount] = {
    NUMBER_FIELD(nWindowX),       NUMBER_FIELD(nWindowY),     NUMBER_FIELD(bStatus),
    NUMBER_FIELD(nDrawChara),     STRING_FIELD(szCurrentWave), NUMBER_FIELD(bTopMost),
    NUMBER_FIELD(bAwayTaskBar),   NUMBER_FIELD(bTaskTrayNoIcon), NUMBER_FIELD(bFix),
    NUMBER_FIELD(nWindowPos),     NUMBER_FIELD(nCalendarPos), STRING_FIELD(szFont),
    NUMBER_FIELD(b24),            NUMBER_FIELD(bSecond),      NUMBER_FIELD(b6),
    NUMBER_FIELD(bAlarm),         NUMBER_FIELD(bAlarm30),     STRING_FIELD(szWave),
    STRING_FIELD(szWave30),       NUMBER_FIELD(nTransparentCal), NUMBER_FIELD(bChara0),
    NUMBER_FIELD(bChara1),        NUMBER_FIELD(bChara2),      NUMBER_FIELD(nChangeTiming),
    NUMBER_FIELD(bRandom),        NUMBER_FIELD(nTransparent), NUMBER_FIELD(nHourOld),
    NUMBER_FIELD(nMinuteOld),
};

const SettingField CalendarFlagFields[kCalendarFlagCount] = {
    NUMBER_FIELD(bHolidayLaw),
    NUMBER_FIELD(bLunarRokuyo),
};

#undef NUMBER_FIELD
#undef STRING_FIELD

void SetDefaultSettings(SettingsRecord *pRec)
{
    std::memset(pRec, 0, sizeof(*pRec));
    pRec->bChara0 = 1;
    pRec->bChara1 = 1;
    pRec->bChara2 = 1;
    pRec->nTransparent = 0;
    pRec->nTransparentCal = 40;
    std::strcpy(pRec->szFont, kDefaultFontFace);
    pRec->nCalendarPos = 3;
    pRec->bStatus = 1;
}

int32_t CalendarFlagFromStore(int bReadAsDword, uint32_t dwValue)
{
    return bReadAsDword && dwValue == 1 ? 1 : 0;
}

void TerminateStoredString(char *pszBuffer, size_t cbBuffer, size_t cbRead)
{
    if (cbBuffer == 0)
        return;
    // A lead byte kept without its second byte would take the NUL for it when saved, and the
    // store would get other text, unterminated.
    pszBuffer[WholeCharacterBytes(pszBuffer, cbRead < cbBuffer ? cbRead : cbBuffer - 1)] = '\0';
}

static int32_t AddWrapped(int32_t value, int32_t delta)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

void ShiftOriginForPage(int32_t nCalendarPos, int32_t nSign, int32_t *pnWindowX, int32_t *pnWindowY,
                        int32_t nScale)
{
    if (nCalendarPos == 0)
        *pnWindowY = AddWrapped(*pnWindowY, nSign * kPanelHeight * nScale);
    else if (nCalendarPos == 3)
        *pnWindowX = AddWrapped(*pnWindowX, nSign * kPanelWidth * nScale);
}

static void Clamp(int32_t *pValue, int32_t nLow, int32_t nHigh)
{
    if (*pValue < nLow)
        *pValue = nLow;
    else if (*pValue > nHigh)
        *pValue = nHigh;
}

static void ReplaceOutside(int32_t *pValue, int32_t nLow, int32_t nHigh, int32_t nReplacement)
{
    if (*pValue < nLow || *pValue > nHigh)
        *pValue = nReplacement;
}

void MendSettings(SettingsRecord *pRec)
{
    // Blend factors: the nearest valid percentage.
    Clamp(&pRec->nTransparent, 0, 100);
    Clamp(&pRec->nTransparentCal, 0, 100);
    // Codes: the value whose behaviour an unknown code already had
    // (free placement, no rotation) or the default page position.
    ReplaceOutside(&pRec->nWindowPos, 0, 4, 0);
    ReplaceOutside(&pRec->nChangeTiming, 0, 13, 13);
    ReplaceOutside(&pRec->nCalendarPos, 0, 3, 3);
    pRec->nDrawChara = CharacterInRange(pRec->nDrawChara);
    Clamp(&pRec->nHourOld, 0, 23);
    Clamp(&pRec->nMinuteOld, 0, 59);
    // Flags: anything but 0 is on, as every test of a flag reads it.
    for (const SettingField &field : SettingFields)
        if (field.kind == kSettingNumber && field.pszName[0] == 'b' && *SettingNumber(pRec, field) != 0)
            *SettingNumber(pRec, field) = 1;
}
