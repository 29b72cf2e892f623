// Where the character panel and the calendar page stand in the client area, and how the origin follows the page.
#pragma once

#include <cstdint>

constexpr int32_t kPanelWidth = 120;
constexpr int32_t kPanelHeight = 160;

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

// Moves a stored window origin as the page opens (nSign -1) or closes (+1), so the
// character keeps its place on screen: by a page height for the page above (0), a page
// width for the page on the left (3), not at all for any other code. Wraps as 32-bit
// Windows arithmetic does: stored positions may hold anything.
void ShiftOriginForPage(int32_t nCalendarPos, int32_t nSign, int32_t *pnWindowX, int32_t *pnWindowY);
