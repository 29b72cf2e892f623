// The calendar page toggle and a change of display scale: the stored origin follows so the character stays put.
#include "app/window_rules.h"

#include "settings/settings.h"
#include "settings/state.h"

void ToggleCalendarPage()
{
    Settings.bStatus = Settings.bStatus == 0 ? 1 : 0;
    ShiftOriginForPage(Settings.nCalendarPos, Settings.bStatus ? -1 : 1, &Settings.nWindowX, &Settings.nWindowY,
                       nWindowScale);
}

void KeepCharacterOnRescale(int32_t nOldScale, int32_t nNewScale)
{
    if (!Settings.bStatus)
        return;
    ShiftOriginForPage(Settings.nCalendarPos, 1, &Settings.nWindowX, &Settings.nWindowY, nOldScale);
    ShiftOriginForPage(Settings.nCalendarPos, -1, &Settings.nWindowX, &Settings.nWindowY, nNewScale);
}
