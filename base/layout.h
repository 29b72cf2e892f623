// The one size every layout, window size and page shift is made of, and where the two images
// stand: the character panel and the calendar page are each 120 x 160 pixels.
#pragma once

#include <cstdint>

constexpr int32_t kPanelWidth = 120;
constexpr int32_t kPanelHeight = 160;

struct PanelLayout {
    int32_t cxClient;
    int32_t cyClient;
    int32_t xPanel;
    int32_t yPanel;
    // The page's origin; meaningful only while the page is shown.
    int32_t xPage;
    int32_t yPage;
};

// With the page hidden the panel stands alone at the origin. Any position code outside 0..3
// is laid out as 3 (page on the left), so the page never covers the character.
PanelLayout LayoutPanels(int32_t bStatus, int32_t nCalendarPos);
