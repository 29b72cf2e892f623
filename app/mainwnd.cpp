// The page toggle, the rescale and the blink's timer rule: settings changes made by the main window.
#include "app/mainwnd.h"

#include "render/panel.h"
#include "settings/settings.h"
#include "settings/state.h"

void ToggleCalendarPage()
{
    const PanelLayout before = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    Settings.bStatus = Settings.bStatus == 0 ? 1 : 0;
    KeepCharacterInPlace(&Settings, before, nWindowScale, nWindowScale);
}

void KeepCharacterOnRescale(int32_t nOldScale, int32_t nNewScale)
{
    KeepCharacterInPlace(&Settings, LayoutPanels(Settings.bStatus, Settings.nCalendarPos), nOldScale, nNewScale);
}

bool BlinkIsSeen(int32_t nDrawChara)
{
    return BlinkPatchFor(0, nDrawChara) >= 0;
}
