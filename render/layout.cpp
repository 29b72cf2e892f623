// The layout table of the two 120x160 images, and the origin shift that keeps the character in place.
#include "render/layout.h"

PanelLayout LayoutPanels(int32_t bStatus, int32_t nCalendarPos)
{
    if (!bStatus)
        return {kPanelWidth, kPanelHeight, 0, 0, 0, 0};
    switch (nCalendarPos) {
    case 0: return {kPanelWidth, 2 * kPanelHeight, 0, kPanelHeight, 0, 0};
    case 1: return {2 * kPanelWidth, kPanelHeight, 0, 0, kPanelWidth, 0};
    case 2: return {kPanelWidth, 2 * kPanelHeight, 0, 0, 0, kPanelHeight};
    default: return {2 * kPanelWidth, kPanelHeight, kPanelWidth, 0, 0, 0};
    }
}

static int32_t AddWrapped(int32_t value, int32_t delta)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

void ShiftOriginForPage(int32_t nCalendarPos, int32_t nSign, int32_t *pnWindowX, int32_t *pnWindowY)
{
    if (nCalendarPos == 0)
        *pnWindowY = AddWrapped(*pnWindowY, nSign * kPanelHeight);
    else if (nCalendarPos == 3)
        *pnWindowX = AddWrapped(*pnWindowX, nSign * kPanelWidth);
}
