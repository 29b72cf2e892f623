// Where the character panel and the calendar page stand in the client area.
#pragma once

#include <cstdint>

#include "base/panel.h"


struct PanelLayout {
    int32_t cxClient;
    int32_t cyClient;
    int32_t xPanel;
    int32_t yPanel;
    // The page's rectangle; meaningful only while the page is shown.
    int32_t xPage;
    int32_t yPage;
};

// Any position code outside 0..3 is laid out as 3 (page on the left), so the
// page never covers the character.
PanelLayout LayoutPanels(int32_t bStatus, int32_t nCalendarPos);

