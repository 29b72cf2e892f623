// The calendar page toggle: with the page above (0) or to the left (3) the
// window's origin moves by a page so the character panel stays put.
#include "app/window_rules.h"

#include <cstdint>

#include "settings/settings.h"

// Stored positions may hold anything; wrap as 32-bit Windows arithmetic does
// instead of overflowing.
static int32_t AddWrapped(int32_t value, int32_t delta)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

void ToggleCalendarPage()
{
    Settings.bStatus = Settings.bStatus == 0 ? 1 : 0;
    const int32_t sign = Settings.bStatus ? -1 : 1;
    if (Settings.nCalendarPos == 0)
        Settings.nWindowY = AddWrapped(Settings.nWindowY, sign * 160);
    else if (Settings.nCalendarPos == 3)
        Settings.nWindowX = AddWrapped(Settings.nWindowX, sign * 120);
}
