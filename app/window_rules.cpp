// The calendar page toggle: the stored origin follows the page so the character panel stays put.
#include "app/window_rules.h"

#include "settings/settings.h"

void ToggleCalendarPage()
{
    Settings.bStatus = Settings.bStatus == 0 ? 1 : 0;
    ShiftOriginForPage(Settings.nCalendarPos, Settings.bStatus ? -1 : 1, &Settings.nWindowX, &Settings.nWindowY);
}
