// The layout table of the two 120x160 images.
#include "base/layout.h"

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
